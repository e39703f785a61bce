#!/usr/bin/env bash
# The start script's sample data: a week of records only for a test-mode start without a data
# file, never otherwise.
#   PlaceSampleDataTest.sh PLACE_SAMPLE_DATA_SCRIPT SAMPLE_DATA_TOOL
set -euo pipefail
script="$1"
tool="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
passed=0

# Runs the script in a fresh program folder whose ini file holds $1 (no ini file for "-") and
# expects a data file (yes) or none (no).
expect() {
    local ini="$1" wanted="$2" folder
    folder="$(mktemp -d "$work/program.XXXXXX")"
    ln -s "$tool" "$folder/sample_data"
    [ "$ini" = "-" ] || printf '%b' "$ini" >"$folder/Talvorin.ini"
    "$script" "$folder" 2>/dev/null
    local got=no
    [ -e "$folder/Talvorin.dat" ] && got=yes
    if [ "$got" != "$wanted" ]; then
        echo "FAIL: ini '$ini': data file $got, expected $wanted"
        failures=$((failures + 1))
    else
        passed=$((passed + 1))
    fi
}

expect '[communication]\nTestFlag=true\n' yes
expect '[Communication]\r\n testflag = TRUE \r\n' yes
expect '\xef\xbb\xbf[communication]\nTestFlag="1"\n' yes
expect '[communication]\nTestFlag=false\n' no
expect '[communication]\nTestFlag=\n' no
expect '[communication]\n;TestFlag=true\n' no
expect '[communication]\nTestFlag=yes\n' no
expect '[communication]\nTestFlag=0\nTestFlag=1\n' no
expect '[config]\nTestFlag=true\n[communication]\n' no
expect '-' no

# The records: a week at five minutes, the last one before now and at most five minutes old.
folder="$(mktemp -d "$work/program.XXXXXX")"
ln -s "$tool" "$folder/sample_data"
printf '[communication]\nTestFlag=1\n' >"$folder/Talvorin.ini"
before="$(date +%s)"
"$script" "$folder" 2>/dev/null
lines="$(grep -c . "$folder/Talvorin.dat")"
last="$(tail -n 1 "$folder/Talvorin.dat" | cut -d, -f3 | sed 's/^ *//')"
last_seconds="$(date -d "$last" +%s)"
if [ "$lines" -ne 2016 ] || [ "$last_seconds" -ge "$before" ] || [ $((before - last_seconds)) -gt 300 ]; then
    echo "FAIL: $lines records, the last at $last"
    failures=$((failures + 1))
else
    passed=$((passed + 1))
fi

# An existing data file, even an empty one, is left as it is.
: >"$folder/Talvorin.dat"
"$script" "$folder" 2>/dev/null
if [ -s "$folder/Talvorin.dat" ]; then
    echo "FAIL: an existing data file was replaced"
    failures=$((failures + 1))
else
    passed=$((passed + 1))
fi

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
