#!/usr/bin/env bash
# Installs what is missing, builds the program (with what it loads at run time and the sample
# data tool, but no tests or benchmarks), and starts it from its folder (build/bin, or
# $BUILD_DIR/bin). Arguments go to the program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh" Talvorin sample_data
"$root/scripts/place-sample-data.sh" "$build/bin"
if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found. Without one, scripts/render-windows.sh draws the windows to PNG files." >&2
fi
exec "$build/bin/Talvorin" "$@"
