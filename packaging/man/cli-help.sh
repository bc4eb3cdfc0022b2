#!/bin/sh
# Answers --help and --version as one program whose help is tallywick-cli's and every command's,
# for help2man: the commands' synopses join the usage, the options every command takes are
# listed once, and each command gets a section of its own.
# Usage: cli-help.sh TALLYWICK-CLI --help|--version
set -eu
cli=$1

case ${2:-} in
--version)
    exec "$cli" --version
    ;;
--help) ;;
*)
    echo "usage: cli-help.sh TALLYWICK-CLI --help|--version" >&2
    exit 2
    ;;
esac

top=$("$cli" --help)
commands=$(printf '%s\n' "$top" | awk '/^Commands:/ { listed = 1; next } listed && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || {
    echo "cli-help.sh: $cli --help lists no command" >&2
    exit 1
}

# The options of a command's help that every command takes (but --help, which the usage covers),
# or with a title, the others and the arguments: each with its continuation lines.
options() {
    printf '%s\n' "$1" | awk -v title="${2:-}" '
        /^Options:/ { listed = 1; next }
        !listed { next }
        /^[A-Z]/ {
            keep = (title != "")
            if (keep) printf "\n%s\n", $0
            next
        }
        /^  -/ {
            common = ($0 ~ /^  (--data-dir|--config|--today|--json|-h, --help)( |$)/)
            keep = (title == "") ? common && $0 !~ /--help/ : !common
            if (keep && title != "" && !titled) {
                printf "\n%s\n", title
                titled = 1
            }
        }
        keep'
}

usage() { printf '%s\n' "$1" | sed -n 's/^Usage: //p' | head -n 1; }

printf '%s\n' "$top" | sed -n '1p'
for command in $commands; do
    printf '  or:  %s\n' "$(usage "$("$cli" "$command" --help)")"
done
printf '%s\n' "$top" | sed '1d'
printf '\nOptions:\n'
printf '  -h, --help   Show this help, or with a command, the help of that command.\n'
printf '  --version    Show the version.\n'
printf '\nOptions of every command:\n'
options "$("$cli" "$(printf '%s\n' "$commands" | head -n 1)" --help)"

for command in $commands; do
    help=$("$cli" "$command" --help)
    printf '\n*%s command*\n' "$command"
    # The description, up to the options.
    printf '%s\n' "$help" | awk '/^Usage: / { next } /^Options:/ { exit } { print }'
    options "$help" "Options of $command:"
done
