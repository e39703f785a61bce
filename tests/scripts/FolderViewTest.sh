#!/usr/bin/env bash
# A library's include view changes form between two configurations of one build folder (a
# link to the whole folder, then one link per entry, and back): the source files stay files
# and each view shows what it should.
#   FolderViewTest.sh FOLDER_VIEW_CMAKE
set -euo pipefail
module="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
passed=0
check() {
    if eval "$2"; then passed=$((passed + 1)); else echo "FAIL: $1"; failures=$((failures + 1)); fi
}

mkdir -p "$work/src/lib/core" "$work/src/lib/other"
echo 'int value = 1;' >"$work/src/lib/Header.h"
echo 'int inner = 2;' >"$work/src/lib/core/Inner.h"
cat >"$work/src/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(view_test NONE)
include($module)
add_library(lib INTERFACE)
if(EXCLUDE_CORE)
    talvorin_folder_view(lib lib EXCLUDE core)
else()
    talvorin_folder_view(lib lib)
endif()
CMAKE

configure() { cmake -S "$work/src" -B "$work/build" -DEXCLUDE_CORE="$1" >/dev/null; }
view="$work/build/views/lib/lib"
sources_intact() {
    [ -f "$work/src/lib/Header.h" ] && [ ! -L "$work/src/lib/Header.h" ] &&
        grep -q 'value = 1' "$work/src/lib/Header.h" && [ ! -L "$work/src/lib/core" ]
}

configure OFF
check "a whole-folder view is one link" '[ -L "$view" ] && [ -f "$view/core/Inner.h" ]'
configure ON
check "the sources survive the change to entry links" sources_intact
check "an entry view leaves out the excluded folder" \
    '[ ! -L "$view" ] && [ -f "$view/Header.h" ] && [ ! -e "$view/core" ] && [ -d "$view/other" ]'
configure ON
check "a second configuration keeps the entry view" 'sources_intact && [ -f "$view/Header.h" ]'
configure OFF
check "the sources survive the change back" sources_intact
check "the whole-folder view is back" '[ -L "$view" ] && [ -f "$view/core/Inner.h" ]'

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
