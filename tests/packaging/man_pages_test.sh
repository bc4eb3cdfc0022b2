#!/bin/sh
# Checks the manual pages made from the programs' help: tallywick-cli(1) has a section for every
# command its --help lists, with that command's own options, and groff renders each page
# without a warning.
# Usage: man_pages_test.sh TALLYWICK-CLI MAN-PAGE...
set -u
cli=$1
shift
failed=0
passed=0
fail() {
    failed=$((failed + 1))
    echo "FAILED: $*"
}

cli_page=
for page in "$@"; do
    case $page in */tallywick-cli.1) cli_page=$page ;; esac
    if [ ! -s "$page" ]; then
        fail "$page is missing or empty"
        continue
    fi
    warnings=$(LC_ALL=C.UTF-8 groff -ww -man -Tutf8 -z "$page" 2>&1)
    if [ -n "$warnings" ]; then
        fail "groff warns on $page:"
        printf '%s\n' "$warnings" | sed 's/^/  | /'
    else
        passed=$((passed + 1))
    fi
done
[ -n "$cli_page" ] || fail "no tallywick-cli.1 given"

commands=$("$cli" --help | awk '/^Commands:/ { listed = 1; next } listed && /^  [a-z]/ { print $1 }')
[ -n "$commands" ] || fail "tallywick-cli --help lists no command"
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 groff -man -Tutf8 -P-cbou "$cli_page" 2>/dev/null)
for command in $commands; do
    upper=$(printf '%s' "$command" | tr '[:lower:]' '[:upper:]')
    section=$(printf '%s\n' "$text" | awk -v title="$upper COMMAND" '
        $0 == title { inside = 1; next }
        inside && /^[A-Z]/ { exit }
        inside')
    if [ -z "$section" ]; then
        fail "tallywick-cli.1 has no section \"$upper COMMAND\""
        continue
    fi
    for option in $("$cli" "$command" --help | sed -n '/^Options:/,$p' | grep -oE '^ +--[a-z0-9-]+' |
        grep -vE -- '--(data-dir|config|today|json|help)$'); do
        printf '%s\n' "$section" | grep -q -- "$option" || fail "the $command section lacks $option"
    done
    passed=$((passed + 1))
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
