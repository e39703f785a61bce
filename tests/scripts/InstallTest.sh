#!/usr/bin/env bash
# The program installed for a user: installs into a temporary prefix, checks what went where,
# validates the desktop entry, starts the installed program through the launcher the entry
# names, in test mode and without a display, and finds its configuration and data file in the
# installed program folder and nothing written into the build tree; then installs again over
# it and finds the user's files as they were; then uninstalls with the README's command.
#   InstallTest.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source="$(cd "$2" && pwd)"
work="$(mktemp -d)"
program_pid=""
cleanup() {
    [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# A home with a blank in it, as a user's may have.
home="$work/home dir"
prefix="$home/.local"
folder="$prefix/lib/talvorin"
entry="$prefix/share/applications/talvorin.desktop"

install_program() {
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "cmake --install failed"; exit 1; }
}

install_program

# The program folder holds the program and what it loads, and nothing of the tests.
expected="Talvorin Talvorin.bmp Talvorin.ini Talvorin.ocx usbbat.so"
found="$(cd "$folder" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
[ "$found" = "$expected" ] || fail "program folder holds '$found', expected '$expected'"
[ -x "$folder/Talvorin" ] || fail "the executable is not executable"
grep -qx 'TestFlag=false' "$folder/Talvorin.ini" ||
    fail "the first configuration is not for the real console"
[ "$(readlink -f "$prefix/bin/talvorin")" = "$(readlink -f "$folder/Talvorin")" ] ||
    fail "the launcher does not lead to the installed program"
cmp -s "$prefix/share/talvorin/70-talvorin.rules" "$source/usb/70-talvorin.rules" ||
    fail "the udev rule is not in share/talvorin"
cmp -s "$prefix/share/icons/hicolor/256x256/apps/talvorin.png" \
    "$source/resources/pictures/talvorin.png" || fail "the icon is not in the icon theme"

# The desktop entry: valid, its icon the installed one, its window class the program's, and its
# command the launcher.
if ! command -v desktop-file-validate >/dev/null; then
    fail "desktop-file-validate is missing (scripts/install-deps.sh installs it)"
elif ! report="$(desktop-file-validate "$entry" 2>&1)" || [ -n "$report" ]; then
    fail "desktop-file-validate: $report"
fi
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Icon)" = "talvorin" ] || fail "Icon is '$(value Icon)'"
[ "$(value StartupWMClass)" = "Talvorin" ] || fail "StartupWMClass is '$(value StartupWMClass)'"
exec_line="$(value Exec)"
launcher="${exec_line#\"}"
launcher="${launcher%\"}"
[ "$launcher" = "$prefix/bin/talvorin" ] || fail "Exec is '$exec_line'"

# The user's run: the user's own configuration (test mode, German), the program started from
# another folder, with a runtime folder and a home of the test's own so that it meets no other
# program.
printf '[config]\nlanguage=German\n\n[communication]\nTestFlag=true\n' >"$folder/Talvorin.ini"
mkdir -p "$work/runtime" "$work/elsewhere"
chmod 700 "$work/runtime"
marker="$work/before-run"
touch "$marker"
sleep 1
(cd "$work/elsewhere" &&
    exec env -u XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
        HOME="$home" "$launcher" >"$work/program.log" 2>&1) &
program_pid=$!
for _ in $(seq 100); do
    [ -e "$folder/Talvorin.dat" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
done
sleep 1
if ! kill -0 "$program_pid" 2>/dev/null; then
    fail "the program did not keep running: $(cat "$work/program.log")"
else
    [ "$(readlink -f "/proc/$program_pid/exe")" = "$(readlink -f "$folder/Talvorin")" ] ||
        fail "the launcher ran $(readlink -f "/proc/$program_pid/exe")"
    kill -TERM "$program_pid"
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        kill -KILL "$program_pid"
        wait "$program_pid" 2>/dev/null || true
        fail "the program did not end within 10 s of SIGTERM"
    else
        status=0
        wait "$program_pid" || status=$?
        [ "$status" -eq 0 ] || fail "the program ended with $status: $(cat "$work/program.log")"
    fi
fi
program_pid=""
[ -f "$folder/Talvorin.dat" ] || fail "no data file beside the installed executable"
grep -qi 'TeeChart' "$home/.config/talvorin/registry.ini" 2>/dev/null ||
    fail "the control file beside the installed executable was not registered"
[ -z "$(ls -A "$work/elsewhere")" ] ||
    fail "the program wrote into its working folder: $(ls -A "$work/elsewhere")"
written="$(find "$build" -newer "$marker" \( -path "$build/bin/*" -o -name 'Talvorin.*' \) -print)"
[ -z "$written" ] || fail "the run wrote into the build tree: $written"

# Installing again renews the program and leaves the user's files alone.
printf 'a record line\n' >>"$folder/Talvorin.dat"
printf 'a torn line' >"$folder/Talvorin.dat.torn"
sums() { (cd "$folder" && md5sum Talvorin.ini Talvorin.dat Talvorin.dat.torn); }
before="$(sums)"
rm "$folder/Talvorin.ocx"
install_program
[ "$(sums)" = "$before" ] || fail "installing again changed the user's files"
[ -f "$folder/Talvorin.ocx" ] || fail "installing again did not renew the program"

# The README's uninstall command removes all that the install and the run placed in the home,
# and leaves an export saved there.
touch "$home/Talvorin.csv"
uninstall="$(sed -n '/^Uninstall:/,/^## /s/^    //p' "$source/README.md")"
[ -n "$uninstall" ] || fail "the README shows no uninstall command"
(cd "$work/elsewhere" && env -u XDG_CONFIG_HOME HOME="$home" bash -c "$uninstall") ||
    fail "the README's uninstall command failed"
left="$(cd "$home" && find . -iname '*talvorin*' | LC_ALL=C sort | tr '\n' ' ')"
[ "$left" = "./Talvorin.csv " ] || fail "after the uninstall the home holds: $left"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
