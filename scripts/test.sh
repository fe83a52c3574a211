#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test twice:
# once in a normal build, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh build-essential cmake libsfml-dev libx11-dev libcli11-dev nlohmann-json3-dev libgtest-dev libbenchmark-dev xvfb xauth libgl1-mesa-dri desktop-file-utils appstream
jobs="$(nproc)"

run_suite() {
    local dir="$1" repeat="$2"
    shift 2
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    # One virtual display for the whole run; windows of the tests open on it.
    (cd "$dir" && xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp -noreset" \
        ctest --output-on-failure -j"$jobs" --timeout 300 $repeat)
}

echo "== Normal build =="
run_suite build "" -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== Sanitizer build (ASan + UBSan) =="
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# A test process is run once more when it fails: LeakSanitizer's own thread-stopping tracer
# crashes now and then at exit while the software GL driver's threads wind down (every test
# of the process passed; the checker itself aborted). A real leak or error fails both runs.
run_suite build-asan "--repeat until-pass:2" -DCMAKE_BUILD_TYPE=Debug -DOSTREVALD_SANITIZE=ON \
    -DOSTREVALD_BUILD_BENCHMARKS=OFF -DOSTREVALD_BUILD_TOOLS=OFF
