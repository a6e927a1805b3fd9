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

# The Java bad-input suite again, in a JVM running the sanitizer build of libTovrin: the
# JVM preloads the ASan runtime (and libstdc++, so that ASan intercepts its throws) and
# keeps its own SIGSEGV handling. Tests that lower the address-space limit ("address-limit")
# need the plain build; the native tests fail allocations under the sanitizers instead.
(cd build/java && \
  LD_PRELOAD="$(g++ -print-file-name=libasan.so) $(g++ -print-file-name=libstdc++.so)" \
  ASAN_OPTIONS=handle_segv=0:allow_user_segv_handler=1:detect_leaks=0:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  /usr/lib/jvm/java-17-openjdk-amd64/bin/java -Xcheck:jni -Djava.library.path="$root/build-asan" \
    -Dtovrin.data="$root/.cache/genomes" -Dtovrin.fixtures="$root/tests/data" -Dtovrin.root="$root" \
    -Dtovrin.classes="$root/build/java/classes" \
    -jar /usr/share/java/junit-platform-console-standalone.jar \
    -cp "$root/build/java/classes:$root/build/java/test-classes" \
    --select-class BadInputTest --exclude-tag address-limit \
    --fail-if-no-tests --disable-banner --details=summary)
