#!/usr/bin/env bash
# Builds the two Debian packages and checks what they install, each with its ecosystem's
# validator: lintian on the packages (no error), apt on their dependencies, appstreamcli on the
# metadata, desktop-file-validate on the menu entry, groff on the manual pages and
# systemd-analyze on the units of a DESTDIR install. Reuses the build tree when there is one.
# Usage: scripts/check-packaging.sh [BUILD-DIR]   (default build/test, the tests' build)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --packaging
build=$(realpath -m "${1:-build/test}")
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" >/dev/null

passed=0
failed=0
# check NAME COMMAND...: runs a validator, shows what it says, and counts the outcome.
check() {
    local name=$1
    shift
    echo "== $name"
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAILED: $name"
        failed=$((failed + 1))
    fi
}

echo "== Debian packages"
packages=$build/packages
rm -rf "$packages"
(cd "$build" && cpack -G DEB -B "$packages" >"$packages.log" 2>&1) || {
    cat "$packages.log"
    exit 1
}
debs=("$packages"/tallywick-cli_*.deb "$packages"/tallywick_*.deb)
for deb in "${debs[@]}"; do
    [ -f "$deb" ] || { echo "cpack made no $deb"; exit 1; }
    printf '%s: %s bytes, installs %s KiB\n' "$(basename "$deb")" "$(stat -c %s "$deb")" \
        "$(dpkg-deb -f "$deb" Installed-Size)"
    printf '  Depends: %s\n' "$(dpkg-deb -f "$deb" Depends)"
done

# Errors fail; warnings and notes are shown.
check "lintian" lintian --fail-on error --display-info --tag-display-limit 0 "${debs[@]}"
# The command line leaves robots out only with their list beside it.
robot_list() {
    local listed
    listed=$(dpkg-deb -c "$packages"/tallywick-cli_*.deb | grep -E "/share/tallywick/robots/(robot-patterns.txt|LICENSE)$")
    echo "$listed"
    [ "$(echo "$listed" | wc -l)" -eq 2 ]
}
check "tallywick-cli carries the robot list and its licence" robot_list
check "apt: the dependencies resolve" sh -c 'apt-get install --simulate --no-install-recommends "$@" | grep -E "^(Inst|Conf) tallywick"' apt "${debs[@]}"

stage=$build/packaging-stage
rm -rf "$stage"
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
usr=$stage/usr

check "appstreamcli validate --no-net" appstreamcli validate --no-net "$usr"/share/metainfo/org.tallywick.Tallywick.metainfo.xml
check "desktop-file-validate" desktop-file-validate "$usr"/share/applications/tallywick.desktop

# groff -ww reports warnings but still succeeds: any word from it fails.
groff_pages() {
    local page warnings status=0
    for page in "$usr"/share/man/man1/tallywick-cli.1.gz "$usr"/share/man/man1/tallywick.1.gz; do
        warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -ww -man -Tutf8 -z 2>&1)
        echo "$(basename "$page"): ${warnings:-no warnings}"
        [ -z "$warnings" ] || status=1
    done
    return $status
}
check "groff -ww -man" groff_pages

# The units name the installed paths under /usr: verify copies that point into the DESTDIR
# install, with the manual pages they name where man finds them.
verify_units() {
    local units=$stage/units
    mkdir -p "$units"
    for unit in tallywick-record.service tallywick-record.timer; do
        sed "s|\"/usr/|\"$usr/|g" "$usr/lib/systemd/user/$unit" >"$units/$unit"
    done
    grep '^ExecStart=' "$units/tallywick-record.service"
    MANPATH=$usr/share/man systemd-analyze verify "$units"/tallywick-record.service "$units"/tallywick-record.timer
}
check "systemd-analyze verify" verify_units

echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
