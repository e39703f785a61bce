#!/usr/bin/env bash
# Gives a first start in test mode something to look at: when the program folder (the argument,
# by default build/bin) holds no data file "Talvorin.dat" and its "Talvorin.ini" runs the
# simulated console (TestFlag true or 1), writes the last seven days of sample records there,
# five minutes apart, ending just before now. Otherwise it leaves the folder as it is.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-${BUILD_DIR:-$root/build}/bin}"
data="$program/Talvorin.dat"
ini="$program/Talvorin.ini"

# TestFlag of section [communication], read as the program reads it: names in any case, blanks
# around names and values dropped, quotes around a value dropped, ';' and '#' comments, the
# first key found wins, a missing file or key means false.
test_flag() {
    [ -f "$ini" ] || return 0
    awk '
        { sub(/\r$/, ""); if (NR == 1) sub(/^\xef\xbb\xbf/, "") }
        /^[ \t]*[;#]/ { next }
        /^[ \t]*\[/ {
            name = $0; sub(/^[ \t]*\[/, "", name); sub(/\].*$/, "", name)
            gsub(/^[ \t]+|[ \t]+$/, "", name)
            inside = tolower(name) == "communication"
            next
        }
        inside && index($0, "=") {
            key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
            if (tolower(key) != "testflag") next
            value = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", value)
            if (value ~ /^".*"$/ && length(value) > 1) value = substr(value, 2, length(value) - 2)
            print value
            exit
        }
    ' "$ini"
}

if [ -e "$data" ]; then
    exit 0
fi
flag="$(test_flag)"
flag="${flag:0:9}"
if [ "${flag,,}" = "true" ] || [ "$flag" = "1" ]; then
    "$program/sample_data" "$data" 2016
    echo "Test mode: placed a week of sample records in $data (delete it to start empty)." >&2
fi
