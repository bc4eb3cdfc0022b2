#!/usr/bin/env python3
"""Times shell commands in turn, round after round, so that a noisy machine (a busy host, a VM
whose speed drifts) weighs on each of them alike; hyperfine runs one command's runs together.

    bench/interleave.py ROUNDS COMMAND [COMMAND...]

Each command runs once to warm the cache, then ROUNDS times in turn with the others. Prints, for
each, the median, the lowest quartile and the fastest wall time in milliseconds, and for each but
the first the median of its times over the first's of the same round (runs close in time are
slowed alike, so this ratio drifts least).
"""
import statistics
import subprocess
import sys
import time


def main():
    if len(sys.argv) < 3 or not sys.argv[1].isdigit() or int(sys.argv[1]) < 2:
        sys.exit(__doc__)
    rounds = int(sys.argv[1])
    commands = sys.argv[2:]
    times = [[] for _ in commands]
    for command in commands:
        subprocess.run(command, shell=True, check=True)
    for _ in range(rounds):
        for command, taken in zip(commands, times):
            start = time.perf_counter()
            subprocess.run(command, shell=True, check=True)
            taken.append((time.perf_counter() - start) * 1000)
    for index, (command, taken) in enumerate(zip(commands, times)):
        quartile = statistics.quantiles(taken, n=4, method="inclusive")[0]
        ratio = ""
        if index > 0:
            ratio = f"  x{statistics.median(t / first for t, first in zip(taken, times[0])):5.2f}"
        print(f"median {statistics.median(taken):8.1f}  q1 {quartile:8.1f}  min {min(taken):8.1f}{ratio}  {command}")


if __name__ == "__main__":
    main()
