#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test, then the threaded core tests under
# ThreadSanitizer. Exits non-zero when any test fails or the sanitizer reports anything.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
"$root/scripts/tsan.sh"
