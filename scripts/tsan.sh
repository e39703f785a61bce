#!/usr/bin/env bash
# Builds the station core with ThreadSanitizer into build-tsan/ (or $TSAN_BUILD_DIR) and runs
# the core tests that start threads: busy flags, the wake event, the data-file store and its
# record layer, the history download over the simulated console and the monitor thread. Any
# report fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TSAN_BUILD_DIR:-$root/build-tsan}"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALVORIN_TSAN=ON -DTALVORIN_GUI=OFF -DTALVORIN_WERROR="${TALVORIN_WERROR:-ON}" >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target core_tests consoleemu usbbat

threaded_tests=(
    'AutoResetEvent.*'
    'BusyGuard.*'
    'DebugLog.*'
    'WeatherCommTest.*Busy*'
    'RecordLayerTest.*'
    'RecordLayerDifferentialTest.*SideBySide*'
    'HistoryListSearchTest.*'
    '*RecordLayerBusyTest.*'
    'RainSumFileTest.*'
    'SimulatedDownloadTest.*'
    'MonitorThreadTest.*'
    '*ClockChangeTest.*'
    '*DaylightSavingTest.*'
    '*ClockSetTest.*'
    '*ReadFaultTest.*'
    '*HeldDataFileTest.*'
    'WorkerPool.*'
    'WorkerThread.*'
)
filter="$(IFS=:; echo "${threaded_tests[*]}")"

# The sanitizer's shadow memory needs a fixed address layout: run without address randomisation.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ${TSAN_OPTIONS:-}"
run() { setarch "$(uname -m)" -R "$build/bin/core_tests" --gtest_filter="$1" --gtest_brief=1; }
run "$filter"
# The data-file safety tests fork children that write and are killed; the sanitizer supports a
# fork only while the process has no other threads, so they get a process of their own, away
# from the worker pool the range reads leave running.
run 'FdbSafetyTest.*'

