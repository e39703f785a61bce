#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR): the targets given and what they
# need, or everything, tests and benchmarks included, when none is given.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
    -DTALVORIN_WERROR="${TALVORIN_WERROR:-ON}" >/dev/null
targets=()
for target in "$@"; do
    targets+=(--target "$target")
done
cmake --build "$build" --parallel "$(nproc)" "${targets[@]}"
