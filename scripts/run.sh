#!/usr/bin/env bash
# Sets everything up, builds the library and the dot-plot command, and draws the
# dot plot of Klebsiella pneumoniae NTUH-K2044 (source, x axis) against Kp1084
# (query, y axis). Prints where the PNG is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/setup.sh
bash scripts/fetch-data.sh >/dev/null
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)" --target Tovrin java_classes >/dev/null

g=$root/.cache/genomes
out=$root/build/plots/NTUH-K2044_vs_Kp1084.png
bin/dotplot "$g/NTUH-K2044.fa" "$g/Klebs_Kp1084.fa" "$out"
echo "Dot plot: $out"
