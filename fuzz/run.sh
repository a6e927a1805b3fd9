#!/usr/bin/env bash
# Runs the libFuzzer targets for a given time each:
#   fuzz/run.sh SECONDS [target...]      (targets: names as in fuzz/CMakeLists.txt, e.g. fasta_read)
# Builds them first in build-fuzz (clang; override with FUZZ_BUILD=dir; FUZZ_NO_BUILD=1
# runs the binaries already there, e.g. for long runs while the sources change). Each target
# starts from its committed seeds (fuzz/corpus/<target>) plus what earlier runs kept
# in <build>/corpus/<target>; crashes, leaks and timeouts land in <build>/artifacts/<target>/.
# Prints one line per target with executions and coverage; exits 1 if any target failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
secs=${1:?usage: fuzz/run.sh SECONDS [target...]}
shift
build=${FUZZ_BUILD:-$root/build-fuzz}

if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOVRIN_FUZZ=ON -DTOVRIN_JAVA_TESTS=OFF >/dev/null
fi
if [ -z "${FUZZ_NO_BUILD:-}" ]; then
  cmake --build "$build" -j2 --target fuzz_all >/dev/null
fi

if [ $# -eq 0 ]; then
  set -- $(cd "$build/fuzz" && ls fuzz_* | sed 's/^fuzz_//')
fi

failed=0
printf '%-20s %12s %8s %8s %s\n' target executions cov ft result
for t in "$@"; do
  bin="$build/fuzz/fuzz_$t"
  [ -x "$bin" ] || { echo "no fuzz target $t" >&2; failed=1; continue; }
  work="$build/corpus/$t"
  art="$build/artifacts/$t"
  log="$build/logs/$t.log"
  mkdir -p "$work" "$art" "$(dirname "$log")"
  status=ok
  # The committed seeds are read but never written: new inputs go to $work.
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$bin" "$work" "$root/fuzz/corpus/$t" -max_total_time="$secs" -timeout=20 -rss_limit_mb=2048 \
    -max_len=12000 -print_final_stats=1 -artifact_prefix="$art/" >"$log" 2>&1 || status=FAILED
  # The log may hold the fuzzer's binary inputs: grep -a, and no match is not an error.
  execs=$(grep -ao 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -1 || true)
  cov=$(grep -ao 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
  ft=$(grep -ao 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || true)
  printf '%-20s %12s %8s %8s %s\n' "$t" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$status"
  if [ "$status" != ok ]; then
    failed=1
    grep -a -m1 -A25 'ERROR\|check failed\|deadly signal\|timeout' "$log" >&2 || tail -30 "$log" >&2
    ls "$art" >&2
  fi
done
exit $failed
