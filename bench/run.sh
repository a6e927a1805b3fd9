#!/usr/bin/env bash
# The performance run: libTovrin's engine path against the tools users pick
# instead, on one bacterial genome pair, plus a scaling run over larger sources.
#
#   bash bench/run.sh
#
# Fetches the genomes, installs the peers (emboss, mummer, minimap2) and GNU
# time if missing, builds a Release tree (build-bench), then runs every tool
# RUNS times, interleaved round by round, and prints medians of wall time and
# peak RSS (from /usr/bin/time) with the engine's own phase times.
#
# Environment:
#   RUNS=5           rounds of the fast tools (median of these)
#   DOTTUP_RUNS=1    rounds that include EMBOSS dottup (~90 s and ~8 GB a run); 0 skips it
#   SCALING=1        also run the scaling series (0 skips it)
#   SCALING_MBP="1 5 10 100"   source sizes of the scaling series, in Mbp
#   SCALING_RUNS=3   runs per scaling size (median)
#   PEERS="minimap2 mummer dottup"   the peers to run
#   PROFILE=1        also profile the driver, sampled and thinned, with callgrind
#                    (installs valgrind if missing; a few minutes)
#   SOURCE=, QUERY=  another pair (default NTUH-K2044.fa, first two records, vs Klebs_Kp1084.fa)
#   TOVRIN_BENCH_BUILD=dir   build folder (default build-bench)
# Results: the table on standard output, and a copy with every raw measurement
# under .cache/bench/ (never committed).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
RUNS=${RUNS:-5}
DOTTUP_RUNS=${DOTTUP_RUNS:-1}
SCALING=${SCALING:-1}
SCALING_MBP=${SCALING_MBP:-"1 5 10 100"}
SCALING_RUNS=${SCALING_RUNS:-3}
PEERS=" ${PEERS:-minimap2 mummer dottup} "
PROFILE=${PROFILE:-0}
build=${TOVRIN_BENCH_BUILD:-$root/build-bench}
data=$root/.cache/genomes
work=$root/.cache/bench
SOURCE=${SOURCE:-$data/NTUH-K2044.fa}
QUERY=${QUERY:-$data/Klebs_Kp1084.fa}
JAVA=/usr/lib/jvm/java-17-openjdk-amd64/bin/java

say() { echo "bench: $*" >&2; }

# --- set-up -------------------------------------------------------------------
bash scripts/setup.sh
need=()
for p in minimap2:minimap2 mummer:mummer emboss:dottup time:/usr/bin/time; do
  command -v "${p#*:}" >/dev/null 2>&1 || need+=("${p%%:*}")
done
if [ ${#need[@]} -gt 0 ]; then
  say "installing ${need[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  apt-cache show "${need[0]}" >/dev/null 2>&1 || $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
bash scripts/fetch-data.sh >/dev/null

# --- build (Release) ----------------------------------------------------------
targets=(bench_engine_path bench_make_scaling_data Tovrin java_classes)
mkdir -p "$work"
# A build folder configured from another source folder is started afresh.
cached=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt" 2>/dev/null || true)
[ -z "$cached" ] || [ "$cached" = "$root" ] || rm -rf "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOVRIN_DATA_DIR="$data" >"$work/configure.log" 2>&1 \
  || { cat "$work/configure.log" >&2; exit 1; }
cmake --build "$build" -j2 --target "${targets[@]}" >"$work/build.log" 2>&1 || { tail -30 "$work/build.log" >&2; exit 1; }
driver=$build/bench/bench_engine_path

# --- measurement helpers ------------------------------------------------------
stamp=$(date -u +%Y%m%d-%H%M%S)
raw=$work/raw-$stamp
mkdir -p "$raw"
results=$raw/results.tsv   # tool round wall_s peak_kb cpu_s
: > "$results"

# measure NAME ROUND CMD...: wall time, peak RSS and CPU time (user + system) of
# one run; stdout of the
# tool is discarded, its stderr kept in $raw/NAME.ROUND.err.
measure() {
  local name=$1 round=$2; shift 2
  local t=$raw/$name.$round.time
  if ! /usr/bin/time -f '%e %M %U %S' -o "$t" "$@" >/dev/null 2>"$raw/$name.$round.err"; then
    say "$name failed (round $round): $(tail -3 "$raw/$name.$round.err" | tr '\n' ' ')"
    return 0
  fi
  tail -1 "$t" | awk -v n="$name" -v r="$round" '{printf "%s\t%s\t%s\t%s\t%.2f\n", n, r, $1, $2, $3 + $4}' >> "$results"
}

median() { sort -g | awk '{v[NR]=$1} END {if (NR==0) print "nan"; else if (NR%2) print v[(NR+1)/2]; else print (v[NR/2]+v[NR/2+1])/2}'; }
col_median() { # tool column(3=wall,4=kb,5=cpu)
  awk -F'\t' -v t="$1" -v c="$2" '$1==t {print $c}' "$results" | median
}
# Median of one figure the driver printed ("name value" lines on its stderr).
phase_median() { # tool name
  cat "$raw/$1".*.err 2>/dev/null | awk -v n="$2" '$1==n {print $2}' | median
}
driver_field() { # tool name: the first run's value (same in every run)
  awk -v n="$2" '$1==n {$1=""; sub(/^ /,""); print; exit}' "$raw/$1.1.err"
}

# --- the pair, interleaved rounds ---------------------------------------------
png=$raw/plot.png
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
[[ $PEERS == *" dottup "* ]] || DOTTUP_RUNS=0
say "pair: $(basename "$SOURCE") vs $(basename "$QUERY"); $RUNS rounds (dottup in $DOTTUP_RUNS); load average $load_before"
for r in $(seq 1 "$RUNS"); do
  say "round $r of $RUNS"
  measure native "$r" "$driver" "$SOURCE" "$QUERY"
  [[ $PEERS == *" minimap2 "* ]] && measure minimap2 "$r" minimap2 -x asm5 -t 1 "$SOURCE" "$QUERY"
  measure native_thinned "$r" "$driver" --thinned "$SOURCE" "$QUERY"
  measure java "$r" env TOVRIN_BUILD="$build" bash bin/dotplot "$SOURCE" "$QUERY" "$png"
  [[ $PEERS == *" mummer "* ]] && measure mummer "$r" mummer -maxmatch -b -c -l 32 "$SOURCE" "$QUERY"
  measure java_thinned "$r" env TOVRIN_BUILD="$build" bash bin/dotplot --thinned "$SOURCE" "$QUERY" "$png"
  if [[ $PEERS == *" dottup "* ]] && [ "$r" -le "$DOTTUP_RUNS" ]; then
    measure dottup "$r" dottup -asequence "$SOURCE" -bsequence "$QUERY" -wordsize 32 \
      -graph png -goutfile "$raw/dottup" -auto
  fi
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# --- the table ----------------------------------------------------------------
report=$raw/report.txt
{
  ns=$(col_median native 3); ts=$(col_median native_thinned 3)
  echo "libTovrin bench, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load average before/after: $load_before / $load_after"
  echo "pair: $(basename "$SOURCE") (first two records, $(driver_field native source_bases) bases) vs $(basename "$QUERY") ($(driver_field native query_bases) bases)"
  echo "k=$(driver_field native k), step $(driver_field native step), scale $(driver_field native scale) bases per pixel, window $(driver_field native window | tr ' ' 'x') pixels read back"
  echo "medians of $RUNS interleaved runs (dottup: $DOTTUP_RUNS)"
  echo
  echo "Native engine path, phases (median seconds, wall and CPU, measured inside the driver):"
  printf '  %-26s %10s %10s %10s %10s\n' phase "sampled" "(CPU)" "thinned" "(CPU)"
  for p in scan:"FASTA summary (scale)" read_source:ReadSource read_queries:ReadQueries compare:Compare \
           stats:ComputeStats init_pixels:InitPixels readback:"GetIntensity2 x all px" delete:delete engine:"engine total (no summary)"; do
    printf '  %-26s %10.3f %10.3f %10.3f %10.3f\n' "${p#*:}" "$(phase_median native "t_${p%%:*}")" "$(phase_median native "c_${p%%:*}")" \
      "$(phase_median native_thinned "t_${p%%:*}")" "$(phase_median native_thinned "c_${p%%:*}")"
  done
  printf '  %-26s %21s %21s\n' "indexed positions" "$(driver_field native indexed_positions)" "$(driver_field native_thinned indexed_positions)"
  printf '  %-26s %21s %21s\n' "index bytes/position" "$(driver_field native index_bytes_per_position)" "$(driver_field native_thinned index_bytes_per_position)"
  printf '  %-26s %21s %21s\n' "  (heap growth/position)" "$(driver_field native index_heap_bytes_per_position)" "$(driver_field native_thinned index_heap_bytes_per_position)"
  printf '  %-26s %21s %21s\n' "forward, reverse hits" "$(driver_field native hits | tr ' ' ',')" "$(driver_field native_thinned hits | tr ' ' ',')"
  echo
  echo "Whole runs (process wall time, CPU time = user + system, and peak RSS from /usr/bin/time; medians):"
  printf '  %-32s %7s %7s %8s %9s %9s %9s\n' tool "wall s" "CPU s" "peak MB" "/native" "/thinned" "CPU/nat"
  nc=$(col_median native 5)
  for t in native:"libTovrin native, sampled" native_thinned:"libTovrin native, thinned" \
           java:"libTovrin bin/dotplot (Java)" java_thinned:"libTovrin bin/dotplot --thinned" \
           minimap2:"minimap2 -x asm5 -t 1" mummer:"mummer -maxmatch -b -c -l 32" dottup:"dottup -wordsize 32"; do
    w=$(col_median "${t%%:*}" 3); kb=$(col_median "${t%%:*}" 4); c=$(col_median "${t%%:*}" 5)
    [ "$w" = nan ] && continue
    awk -v n="${t#*:}" -v w="$w" -v kb="$kb" -v c="$c" -v ns="$ns" -v ts="$ts" -v nc="$nc" \
      'BEGIN {printf "  %-32s %7.2f %7.2f %8.1f %8.2fx %8.2fx %8.2fx\n", n, w, c, kb/1024, w/ns, w/ts, c/nc}'
  done
  echo "  (/native, /thinned: the tool's wall time divided by that of the native engine path, sampled or thinned;"
  echo "   CPU/nat: the same with CPU times. Above 1 means libTovrin is faster.)"
  echo
  echo "Targets:"
  mm=$(col_median minimap2 3); nkb=$(col_median native 4); jv=$(col_median java 3)
  mmc=$(col_median minimap2 5); tc=$(col_median native_thinned 5)
  awk -v mm="$mm" -v ns="$ns" -v ts="$ts" -v kb="$nkb" -v jv="$jv" -v mmc="$mmc" -v nc="$nc" -v tc="$tc" \
      -v bpp="$(driver_field native index_bytes_per_position)" '
    function v(ok) { return ok ? "met" : "MISSED" }
    BEGIN {
      printf "  native sampled >= 2x faster than minimap2:   %.2fx  %s  (CPU time: %.2fx)\n", mm/ns, v(mm/ns >= 2), mmc/nc
      printf "  native sampled peak RSS <= 120 MB:           %.1f MB  %s\n", kb/1024, v(kb/1024 <= 120)
      printf "  native thinned >= 4x faster than minimap2:   %.2fx  %s  (CPU time: %.2fx)\n", mm/ts, v(mm/ts >= 4), mmc/tc
      printf "  Java command < 2 x native + 0.5 s:           %.2f s vs %.2f s  %s\n", jv, 2*ns+0.5, v(jv < 2*ns+0.5)
      printf "  index <= 16 bytes per indexed position:      %.2f  %s\n", bpp, v(bpp <= 16)
    }'
} > "$report"
cat "$report"

# --- scaling series -----------------------------------------------------------
if [ "$SCALING" = 1 ]; then
  sdir=$work/scaling
  mkdir -p "$sdir"
  say "scaling sources ($SCALING_MBP Mbp) in $sdir"
  # shellcheck disable=SC2086
  "$build/bench/bench_make_scaling_data" "$data" "$sdir" $SCALING_MBP
  for r in $(seq 1 "$SCALING_RUNS"); do
    for m in $SCALING_MBP; do
      say "scaling ${m} Mbp, run $r of $SCALING_RUNS"
      measure "scale$m" "$r" "$driver" "$sdir/scaling-${m}M.fa" "$QUERY"
    done
  done
  {
    echo
    echo "Scaling: sources of two records built from the four Klebsiella genomes (bench_make_scaling_data), query $(basename "$QUERY"); medians of $SCALING_RUNS"
    echo "  (ReadSource: wall and CPU seconds; ns/pos: per indexed position; engine: the whole engine path, CPU)"
    printf '  %-8s %10s %9s %9s %9s %9s %9s %9s %8s %8s\n' source positions "ReadSrc s" "(CPU)" "ns/pos" "(CPU)" "engine s" "ns/pos" "peak MB" "B/pos"
    base=""; basec=""; worst=""; worstm=""; lastm=""
    for m in $SCALING_MBP; do
      pos=$(driver_field "scale$m" indexed_positions)
      rs=$(phase_median "scale$m" t_read_source); rc=$(phase_median "scale$m" c_read_source); en=$(phase_median "scale$m" c_engine)
      kb=$(col_median "scale$m" 4); bpp=$(driver_field "scale$m" index_bytes_per_position)
      awk -v m="$m" -v p="$pos" -v rs="$rs" -v rc="$rc" -v en="$en" -v kb="$kb" -v b="$bpp" \
        'BEGIN {printf "  %-8s %10d %9.3f %9.3f %9.1f %9.1f %9.3f %9.1f %8.1f %8.2f\n", m " Mbp", p, rs, rc, rs*1e9/p, rc*1e9/p, en, en*1e9/p, kb/1024, b}'
      if [ "$m" = 5 ]; then base=$(awk -v x="$rs" -v p="$pos" 'BEGIN {print x/p}'); basec=$(awk -v x="$rc" -v p="$pos" 'BEGIN {print x/p}'); fi
      if [ -z "${lastm:-}" ] || [ "$m" -gt "$lastm" ]; then  # the largest source
        last=$(awk -v x="$rs" -v p="$pos" 'BEGIN {print x/p}'); lastc=$(awk -v x="$rc" -v p="$pos" 'BEGIN {print x/p}'); lastm=$m
      fi
      worst=$(awk -v a="${worst:-0}" -v b="$bpp" -v wm="${worstm:-}" -v m="$m" 'BEGIN {print (b > a ? b " " m : a " " wm)}')
      worstm=${worst#* }; worst=${worst%% *}
    done
    if [ -n "$base" ]; then
      awk -v a="$base" -v b="$last" -v ac="$basec" -v bc="$lastc" -v m="$lastm" 'BEGIN {r=b/a; rc=bc/ac;
        printf "  ReadSource time per position, %s Mbp over 5 Mbp: CPU %.2f %s, wall %.2f %s (target <= 1.5)\n", m, rc, (rc <= 1.5 ? "met" : "MISSED"), r, (r <= 1.5 ? "met" : "MISSED")}'
    fi
    awk -v b="$worst" -v m="$worstm" 'BEGIN {printf "  index bytes per position, largest (at %s Mbp): %.2f  %s (target <= 16)\n", m, b, (b <= 16 ? "met" : "MISSED")}'
  } | tee -a "$report"
fi
# --- profile -------------------------------------------------------------------
if [ "$PROFILE" = 1 ]; then
  if ! command -v valgrind >/dev/null 2>&1; then
    SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends valgrind >/dev/null
  fi
  for mode in sampled thinned; do
    say "callgrind, $mode"
    flag=""; [ "$mode" = thinned ] && flag=--thinned
    valgrind --tool=callgrind --callgrind-out-file="$raw/callgrind.$mode" "$driver" $flag "$SOURCE" "$QUERY" \
      >/dev/null 2>"$raw/callgrind.$mode.err"
    callgrind_annotate "$raw/callgrind.$mode" > "$raw/callgrind.$mode.self.txt" 2>/dev/null
    callgrind_annotate --inclusive=yes "$raw/callgrind.$mode" > "$raw/callgrind.$mode.inclusive.txt" 2>/dev/null
    {
      echo
      echo "Callgrind, $mode (instructions; self, then inclusive):"
      grep -E '^ *[0-9,]+ \(' "$raw/callgrind.$mode.self.txt" | sed -n '1,13p' | sed -E 's/ \[[^]]*\]$//' | cut -c1-150
      grep -E '^ *[0-9,]+ \(' "$raw/callgrind.$mode.inclusive.txt" | sed -n '1,16p' | sed -E 's/ \[[^]]*\]$//' | cut -c1-150
    } | tee -a "$report"
  done
fi
say "raw measurements and this report: $raw"
