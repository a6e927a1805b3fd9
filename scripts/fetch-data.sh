#!/usr/bin/env bash
# Fetches the real genomes used by tests, demos and benchmarks from Debian packages
# into .cache/genomes (never committed). Running it again costs nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${TOVRIN_DATA_DIR:-$root/.cache/genomes}
mkdir -p "$cache/debs"

fetch() { # package name
  local pkg=$1
  [ -f "$cache/$pkg.done" ] && return 0
  (cd "$cache/debs" && rm -f "${pkg}"_*.deb && apt-get download "$pkg" >/dev/null 2>&1)
  mkdir -p "$cache/$pkg"
  dpkg-deb -x "$cache"/debs/"${pkg}"_*.deb "$cache/$pkg"
  touch "$cache/$pkg.done"
}

ensure_lists() {
  apt-cache show kleborate-examples >/dev/null 2>&1 || apt-get update -qq
}

ensure_lists
for p in mummer last-align minimap2 kleborate-examples; do fetch "$p"; done

# Uncompressed copies with stable names.
link() { # dest source
  local dest=$cache/$1 src=$2
  [ -s "$dest" ] && return 0
  case "$src" in
    *.gz) gzip -dc "$src" > "$dest.tmp" ;;
    *) cp "$src" "$dest.tmp" ;;
  esac
  mv "$dest.tmp" "$dest"
}

d=$cache
link human-mito.fa "$d/minimap2/usr/share/doc/minimap2/test/MT-human.fa.gz"
link orang-mito.fa "$d/minimap2/usr/share/doc/minimap2/test/MT-orang.fa.gz"
link t-inv.fa "$d/minimap2/usr/share/doc/minimap2/test/t-inv.fa.gz"
link q-inv.fa "$d/minimap2/usr/share/doc/minimap2/test/q-inv.fa.gz"
for m in human mouse chicken fugu; do
  link "last-$m-mito.fa" "$d/last-align/usr/share/doc/last-align/examples/${m}Mito.fa"
done
ex=$d/mummer/usr/share/doc/mummer/examples/input
for f in H_pylori26695_Eslice H_pyloriJ99_Eslice H_pylori26695_Bslice H_pyloriJ99_Bslice \
         B_anthracis_Mslice B_anthracis_contigs D_melanogaster_2Rslice D_pseudoobscura_contigs; do
  link "$f.fa" "$ex/$f.fasta"
done
kx=$d/kleborate-examples/usr/share/doc/kleborate/examples/data
for f in NTUH-K2044 Klebs_Kp1084 Klebs_HS11286 MGH78578; do
  if [ ! -s "$cache/$f.fa" ]; then xz -dc "$kx/$f.fna.xz" > "$cache/$f.fa.tmp" && mv "$cache/$f.fa.tmp" "$cache/$f.fa"; fi
done
echo "Genomes in $cache"
