#!/usr/bin/env bash
# Builds the program and renders its windows in English, German and Danish
# to PNG files, without a display: build/screenshots/ (or the folder given).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
out="${1:-$build/screenshots}"
"$root/scripts/build.sh" >/dev/null
# A desktop-sized screen for the window to open on.
screen="$(mktemp --suffix=.json)"
trap 'rm -f "$screen"' EXIT
cat >"$screen" <<'JSON'
{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
QT_QPA_PLATFORM="offscreen:configfile=$screen" "$build/bin/render_windows" "$out"
