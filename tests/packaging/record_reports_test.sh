#!/bin/sh
# Runs the daily record's script over a stand-in for tallywick-cli whose exit status each report
# name chooses, and checks which reports it records and the status it ends with.
# Usage: record_reports_test.sh RECORD-REPORTS
set -u
script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cat >"$scratch/cli" <<'CLI'
#!/bin/sh
echo "$*" >>"$CALLS"
case $2 in
*unreadable*) exit 1 ;;
*missing*) exit 2 ;;
*locked*) exit 3 ;;
esac
CLI
chmod +x "$scratch/cli"
export CALLS="$scratch/calls"

passed=0
failed=0

# check REPORTS STATUS CALLS: with TALLYWICK_REPORTS=REPORTS the script ends with STATUS after
# calling the CLI as CALLS says (";" between calls).
check() {
    : >"$CALLS"
    TALLYWICK_REPORTS=$1 "$script" "$scratch/cli" >"$scratch/out" 2>&1
    status=$?
    calls=$(paste -sd ';' "$CALLS")
    if [ "$status" = "$2" ] && [ "$calls" = "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: TALLYWICK_REPORTS="%s"\n  status %s, calls "%s"\n  expected %s, "%s"\n' \
            "$1" "$status" "$calls" "$2" "$3"
        sed 's/^/  | /' "$scratch/out"
    fi
}

check "/logs/a.log" 0 "record /logs/a.log"
check "/logs/a.log.1 /logs/a.log" 0 "record /logs/a.log.1;record /logs/a.log"
check "  /logs/a.log.1
	/logs/a.log  " 0 "record /logs/a.log.1;record /logs/a.log"
# A missing or unreadable log does not keep the others from being recorded, and fails the run.
check "/logs/missing /logs/a.log" 2 "record /logs/missing;record /logs/a.log"
check "/logs/a.log /logs/unreadable /logs/missing" 1 \
    "record /logs/a.log;record /logs/unreadable;record /logs/missing"
# While the desktop program holds the data folder every record is refused: the first says so.
check "/logs/locked /logs/a.log" 3 "record /logs/locked"
check "/logs/missing /logs/locked /logs/a.log" 2 "record /logs/missing;record /logs/locked"
# Names are taken as they stand, not as patterns.
check "/logs/*.log" 0 "record /logs/*.log"
# Nothing named is a mistake in record.env, not a quiet success.
check "" 2 ""
check "   " 2 ""
grep -q "TALLYWICK_REPORTS" "$scratch/out" || {
    failed=$((failed + 1))
    echo "FAILED: an empty TALLYWICK_REPORTS is not explained"
}
: >"$CALLS"
if (unset TALLYWICK_REPORTS && "$script" "$scratch/cli" >/dev/null 2>&1); then
    failed=$((failed + 1))
    echo "FAILED: an unset TALLYWICK_REPORTS succeeds"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
