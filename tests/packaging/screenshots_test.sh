#!/bin/sh
# Every screenshot the AppStream metadata names is one stored in the repository (which the web
# site serves under the same name), with the width and height the metadata gives.
# Usage: screenshots_test.sh METAINFO SCREENSHOT-DIR
set -u
metainfo=$1
dir=$2
passed=0
failed=0

# The big-endian number of 4 bytes at OFFSET in FILE.
uint32() { od -An -tu1 -j "$2" -N4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'; }

images=$(sed -n 's|.*<image[^>]* width="\([0-9]*\)" height="\([0-9]*\)">https://www.tallywick.org/screenshots/\([^<]*\)</image>.*|\3 \1 \2|p' "$metainfo")
count=$(grep -c '<image' "$metainfo")
if [ -z "$images" ] || [ "$(printf '%s\n' "$images" | wc -l)" -ne "$count" ]; then
    echo "FAILED: every <image> must give width, height and an address under https://www.tallywick.org/screenshots/"
    failed=$((failed + 1))
fi
while read -r name width height; do
    [ -n "$name" ] || continue
    file=$dir/$name
    if [ ! -f "$file" ]; then
        echo "FAILED: $name is not in $dir"
        failed=$((failed + 1))
    elif [ "$(uint32 "$file" 16)x$(uint32 "$file" 20)" != "${width}x$height" ]; then
        echo "FAILED: $name is $(uint32 "$file" 16)x$(uint32 "$file" 20), the metadata says ${width}x$height"
        failed=$((failed + 1))
    else
        passed=$((passed + 1))
    fi
done <<LIST
$images
LIST

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
