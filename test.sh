#!/usr/bin/env bash
# Builds Vireon and runs every test, headless: first the normal build, then the same tests
# built with AddressSanitizer and UndefinedBehaviorSanitizer (any report fails the run).
# VIREON_SKIP_SANITIZERS=1 skips the second build (for quick local runs only).
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
jobs=$(nproc)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"

if [ "${VIREON_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer =="
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIREON_SANITIZE=ON \
        -DVIREON_BUILD_BENCHMARKS=OFF > /dev/null
  cmake --build build-sanitize -j"$jobs" --target vireon_tests
  ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1 \
  LSAN_OPTIONS=suppressions="$PWD/scripts/lsan.supp":print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure --no-tests=error -j"$jobs"
fi
