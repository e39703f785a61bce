#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Exits non-zero when any test fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
