#!/bin/sh
# Runs the daily record's script in a folder of logs over a stand-in for tallywick-cli whose
# exit status the names choose, and checks the one record it runs, what it says and the status
# it ends with; and that the service beside it gives up on a run that hangs.
# Usage: record_reports_test.sh RECORD-REPORTS
set -u
script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
logs=$scratch/logs
mkdir "$logs"

cat >"$scratch/cli" <<'CLI'
#!/bin/sh
printf '<%s>' "$@" >>"$CALLS"
echo >>"$CALLS"
case $* in
*unreadable*) exit 1 ;;
*locked*) exit 3 ;;
esac
CLI
chmod +x "$scratch/cli"
export CALLS="$scratch/calls"

for name in a.log a.log.1 b.log unreadable.log locked.log 'my site.log' '$(touch made)' '`touch made`' \
    "it's.log" '-n.log'; do
    : >"$logs/$name"
done

passed=0
failed=0

fail() {
    failed=$((failed + 1))
    printf 'FAILED: %s\n' "$1"
    sed 's/^/  | /' "$scratch/out"
}

# check REPORTS STATUS CALLS [SAID]: with TALLYWICK_REPORTS=REPORTS, run in the logs folder, the
# script ends with STATUS after calling the CLI as CALLS says (";" between calls), and its
# output holds SAID.
check() {
    : >"$CALLS"
    (cd "$logs" && TALLYWICK_REPORTS=$1 "$script" "$scratch/cli") >"$scratch/out" 2>&1
    status=$?
    calls=$(paste -sd ';' "$CALLS")
    if [ "$status" != "$2" ] || [ "$calls" != "$3" ]; then
        fail "TALLYWICK_REPORTS=\"$1\": status $status, calls \"$calls\"; expected $2, \"$3\""
    elif [ -n "${4:-}" ] && ! grep -qF -- "$4" "$scratch/out"; then
        fail "TALLYWICK_REPORTS=\"$1\" does not say \"$4\""
    else
        passed=$((passed + 1))
    fi
}

check "a.log" 0 "<record><--><a.log>"
# One record for all: a download split across the rotated log and the new one is one download.
check "a.log.1 a.log" 0 "<record><--><a.log.1><a.log>"
check "  a.log.1
	a.log  " 0 "<record><--><a.log.1><a.log>"
# Before the first rotation there is no access.log.1: the others are recorded, and the journal
# says why one was left out.
check "gone.log.1 a.log" 0 "<record><--><a.log>" "Skipping gone.log.1: it does not exist"
check "gone.log.1 gone.log" 2 "" "nothing was recorded"
# The record's own failures are the run's; it records nothing then.
check "a.log unreadable.log" 1 "<record><--><a.log><unreadable.log>"
check "locked.log a.log" 3 "<record><--><locked.log><a.log>"
# A backslash keeps a space in a name; nothing is run, expanded or taken as a pattern.
check 'my\ site.log a.log' 0 "<record><--><my site.log><a.log>"
check '$(touch\ made) `touch\ made` *.log' 0 '<record><--><$(touch made)><`touch made`>' \
    "Skipping *.log: it does not exist"
check "it's.log \$HOME -n.log" 0 "<record><--><it's.log><-n.log>" "Skipping \$HOME"
[ -e "$logs/made" ] || [ -e "$scratch/made" ] && {
    failed=$((failed + 1))
    echo "FAILED: a name was run as a command"
}
# Nothing named is a mistake in record.env, not a quiet success.
check "" 2 "" "TALLYWICK_REPORTS"
check "   " 2 "" "TALLYWICK_REPORTS"
: >"$CALLS"
if (unset TALLYWICK_REPORTS && "$script" "$scratch/cli" >/dev/null 2>&1); then
    failed=$((failed + 1))
    echo "FAILED: an unset TALLYWICK_REPORTS succeeds"
fi

# A oneshot service waits for ever unless told otherwise: one stuck run would hold back every
# later day's.
service=$(dirname "$script")/tallywick-record.service.in
timeout=$(sed -n 's/^TimeoutStartSec=//p' "$service")
case $timeout in
"" | 0 | infinity)
    failed=$((failed + 1))
    echo "FAILED: $service has no start timeout (TimeoutStartSec=$timeout)"
    ;;
*)
    if command -v systemd-analyze >/dev/null && ! systemd-analyze timespan "$timeout" >/dev/null 2>&1; then
        failed=$((failed + 1))
        echo "FAILED: systemd cannot read TimeoutStartSec=$timeout"
    else
        passed=$((passed + 1))
    fi
    ;;
esac

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
