#!/usr/bin/env bash
# Completes tallywick-cli command lines as bash does, and compares the offers with what the
# program's own help lists, so that no command, option or view name is left out or made up.
# Usage: completion_test.sh TALLYWICK-CLI COMPLETION-FILE
set -u
cli=$1
completion=$2
bash_completion=/usr/share/bash-completion/bash_completion
if [[ ! -r $bash_completion ]]; then
    echo "bash-completion is not installed (scripts/install-deps.sh installs it)"
    exit 77
fi
# shellcheck source=/dev/null
source "$bash_completion"
# shellcheck source=/dev/null
source "$completion"

passed=0
failed=0

# The offers for the last word of a command line (a trailing space begins an empty word), sorted,
# one a line. The line starts with "tallywick-cli", which stands for the program under test.
offers() {
    local line="$cli ${1#tallywick-cli }"
    COMP_LINE=$line
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _tallywick_cli 2>/dev/null
    ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | sort
}

# expect LINE WORDS: the offers for LINE are exactly WORDS (one a line, in any order).
expect() {
    local got want
    got=$(offers "$1")
    want=$(printf '%s\n' "$2" | sed '/^$/d' | sort)
    if [[ $got == "$want" ]]; then
        ((passed++))
    else
        ((failed++))
        printf 'FAILED: "%s"\n  offered:  %s\n  expected: %s\n' "$1" "${got//$'\n'/ }" "${want//$'\n'/ }"
    fi
}

# The long options in the "Options:" part of a help text.
options_of() { sed -n '/^Options:/,$p' <<<"$1" | grep -oE '^ +(-[a-zA-Z], )?--[a-z0-9-]+' | grep -oE -- '--[a-z0-9-]+'; }

help=$("$cli" --help)
commands=$(awk '/^Commands:/ { listed = 1; next } listed && /^  [a-z]/ { print $1 }' <<<"$help")
expect "tallywick-cli " "$commands"$'\n--help\n--version'
expect "tallywick-cli v" "view"
expect "tallywick-cli --v" "--version"
expect "tallywick-cli frobnicate " ""

for command in $commands; do
    command_help=$("$cli" "$command" --help)
    expect "tallywick-cli $command --" "$(options_of "$command_help")"
done

view_help=$("$cli" view --help)
views=$(sed -n '/^NAME is one of:/,/^[^ ]/p' <<<"$view_help" | awk '/^  [a-z]/ { print $1 }')
expect "tallywick-cli view " "$views"
expect "tallywick-cli view --json z" "zero-days"
expect "tallywick-cli view daily " ""
expect "tallywick-cli view --span " $'day\nweek\nmonth\nyear'
expect "tallywick-cli view --span=m" "month"
expect "tallywick-cli view --date " ""

track_help=$("$cli" track --help)
actions=$(sed -n '/^Options:/q; /^  [a-z]/p' <<<"$track_help" | awk '{ print $1 }')
expect "tallywick-cli track " "$actions"

# Tracked items come from the data folder the command line names.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
data=(--data-dir "$scratch/data" --config "$scratch/Tallywick.ini")
"$cli" track add /files/app.zip "${data[@]}" >/dev/null
"$cli" track add /files/app.exe "${data[@]}" >/dev/null
expect "tallywick-cli view monthly ${data[*]} --item " $'/files/app.exe\n/files/app.zip'
expect "tallywick-cli view --data-dir=$scratch/data --config=$scratch/Tallywick.ini --item /files/app.z" "/files/app.zip"
expect "tallywick-cli track ${data[*]} remove " $'/files/app.exe\n/files/app.zip'
HOME=$scratch expect "tallywick-cli view --data-dir ~/data --config ~/Tallywick.ini --item /files/app.e" "/files/app.exe"
expect "tallywick-cli track ${data[*]} remove /files/app.zip " ""

# Reports are files, one or several.
mkdir "$scratch/logs"
touch "$scratch/logs/access.log" "$scratch/logs/access.log.1.gz"
expect "tallywick-cli search $scratch/logs/a" "$scratch/logs/access.log"$'\n'"$scratch/logs/access.log.1.gz"
expect "tallywick-cli explain --panel 0 $scratch/logs/a" "$scratch/logs/access.log"$'\n'"$scratch/logs/access.log.1.gz"
expect "tallywick-cli explain --panel " $'0\n1'
expect "tallywick-cli explain --download " ""
expect "tallywick-cli record --split-time 20 $scratch/logs/access.log.1" "$scratch/logs/access.log.1.gz"
expect "tallywick-cli record $scratch/logs/access.log $scratch/logs/access.log.1" "$scratch/logs/access.log.1.gz"
expect "tallywick-cli record --split-time " ""

echo "$passed passed, $failed failed"
((failed == 0))
