#!/bin/sh
# Records the access logs that $TALLYWICK_REPORTS names with one "TALLYWICK-CLI record", for the
# daily systemd timer: searched as one report, so that a download split across access.log.1 and
# access.log is one download.
#
# The names are separated by spaces, tabs or line breaks; a backslash takes the character after
# it as part of the name ("/srv/my\ site/access.log"). Nothing in them is run or expanded. A
# name that does not exist (access.log.1 before the first rotation) is skipped with a line on
# stderr, for the journal.
#
# Exit status: tallywick-cli record's (3: the desktop program held the data folder; it saves its
# own history, and the next run records), or 2 when TALLYWICK_REPORTS names nothing, or nothing
# that exists.
set -u -f
usage="usage: record-reports TALLYWICK-CLI"
cli=${1:?$usage}

# One name a line; awk reads the value as it stands (-v would take backslashes as escapes).
names=$(awk 'BEGIN {
    value = ENVIRON["TALLYWICK_REPORTS"]
    name = ""; named = 0
    for (i = 1; i <= length(value); i++) {
        c = substr(value, i, 1)
        if (c == "\\" && i < length(value)) {
            c = substr(value, ++i, 1)
            # An escaped line break would split the name in two lines below.
            if (c != "\n") { name = name c; named = 1 }
        } else if (c == " " || c == "\t" || c == "\n" || c == "\r") {
            if (named) print name
            name = ""; named = 0
        } else {
            name = name c; named = 1
        }
    }
    if (named) print name
}')
if [ -z "$names" ]; then
    echo "No access log to record: name them in TALLYWICK_REPORTS (in ~/.config/tallywick/record.env)." >&2
    exit 2
fi

set --
while IFS= read -r name; do
    if [ -e "$name" ]; then
        set -- "$@" "$name"
    else
        printf 'Skipping %s: it does not exist (yet).\n' "$name" >&2
    fi
done <<NAMES
$names
NAMES
if [ "$#" -eq 0 ]; then
    echo "None of the access logs named in TALLYWICK_REPORTS exists; nothing was recorded." >&2
    exit 2
fi

printf 'Recording %s\n' "$*"
exec "$cli" record -- "$@"
