#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under the C locale and under a German
# and a Danish desktop's (numbers with a decimal comma), then the threaded core tests under
# ThreadSanitizer. Exits non-zero when any test fails or the sanitizer reports anything.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_DUMP=1
for locale in C de_DE.UTF-8 da_DK.UTF-8; do
    echo "Tests under the locale $locale"
    LANG="$locale" LC_ALL="$locale" \
        ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 300
done
"$root/scripts/tsan.sh"
