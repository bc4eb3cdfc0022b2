#!/bin/sh
# Records each access log that $TALLYWICK_REPORTS names (separated by spaces) with
# "TALLYWICK-CLI record", for the daily systemd timer. Every log is tried unless the data
# folder is held (the others would be refused too). The status is the first failure's, else 3
# when the desktop program held the data folder, else 0.
set -u -f
usage="usage: record-reports TALLYWICK-CLI"
cli=${1:?$usage}

reports=${TALLYWICK_REPORTS:-}
if [ -z "$(printf '%s' "$reports" | tr -d ' \t\n')" ]; then
    echo "No access log to record: name them in TALLYWICK_REPORTS (in ~/.config/tallywick/record.env)." >&2
    exit 2
fi

failed=0
for report in $reports; do
    echo "Recording $report"
    "$cli" record "$report"
    status=$?
    case $status in
    0) ;;
    3)
        # The desktop program saves its own history when it closes; the next run records.
        [ "$failed" -ne 0 ] && exit "$failed"
        exit 3
        ;;
    *) [ "$failed" -ne 0 ] || failed=$status ;;
    esac
done
exit "$failed"
