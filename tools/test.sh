#!/usr/bin/env bash
# Builds Veltrin with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test: unit, form and end-to-end tests (under a virtual X server started
# here) and a bounded run of each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DVELTRIN_SANITIZE=ON -DVELTRIN_BENCH=OFF
cmake --build build-test -j2

display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

export ASAN_OPTIONS=detect_leaks=1
# Leak reports leave out what the desktop libraries keep for the life of the
# process (fontconfig, the GL driver, the desktop bus); our own leaks still fail.
export LSAN_OPTIONS="suppressions=$PWD/tests/e2e/lsan.supp"
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-test --output-on-failure -j2

if [ -d fuzz ] && ls fuzz/*_fuzz.cpp >/dev/null 2>&1; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRIN_FUZZ=ON \
    -DVELTRIN_TESTS=OFF -DVELTRIN_BENCH=OFF
  cmake --build build-fuzz -j2 --target fuzz_all
  bash fuzz/run.sh build-fuzz/fuzz "${VELTRIN_FUZZ_SECONDS:-30}"
fi
echo "All tests passed. Snapshots: build-test/snapshots"
