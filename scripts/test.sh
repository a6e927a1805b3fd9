#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the plain build (native and
# Java tests) and the AddressSanitizer/UndefinedBehaviorSanitizer build of the native tests.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/fetch-data.sh

bash scripts/build.sh build
ctest --test-dir build --output-on-failure -j 2

bash scripts/build.sh build-asan -DTOVRIN_SANITIZE=ON -DTOVRIN_JAVA_TESTS=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j 2

# Fuzz smoke: every libFuzzer target (clang, ASan+UBSan) for a few seconds from its seeds.
bash fuzz/run.sh 3
