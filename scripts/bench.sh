#!/usr/bin/env bash
# Builds the project and times the record operations on a generated data file beside awk and
# sqlite3. The argument, the number of records, defaults to a million.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
"$build/bin/record_layer_bench" "$@"
