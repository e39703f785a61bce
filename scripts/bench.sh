#!/usr/bin/env bash
# Builds the project, writes one data file of generated records (a million by default, or the
# count given) into a temporary folder, and runs every benchmark on it with --data FILE, so
# that all figures come from the same records. Each benchmark prints its figures beside a
# memchr scan of the file, awk and sqlite3, with the peak memory of each figure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
count="${1:-1000000}"
"$root/scripts/build.sh"
export TZ="CET-1CEST,M3.5.0,M10.5.0/3"
# The benchmarks of windows draw off screen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
folder="$(mktemp -d "${TMPDIR:-/tmp}/talvorin-bench-XXXXXX")"
trap 'rm -rf "$folder"' EXIT
data="$folder/Talvorin.dat"
echo "Writing $count records to $data ..."
"$build/bin/sample_data" "$data" "$count" "2024-12-31 23:50:00"
for bench in record_layer_bench graph_bench history_list_bench; do
    if [ -x "$build/bin/$bench" ]; then
        echo
        echo "== $bench"
        "$build/bin/$bench" --data "$data"
    fi
done
