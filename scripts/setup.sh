#!/usr/bin/env bash
# Installs what building and testing libTovrin needs on Debian 12, only when missing.
set -euo pipefail
pkgs=(g++ cmake make openjdk-17-jdk-headless libgtest-dev libbenchmark-dev junit5
      clang libclang-rt-14-dev dpkg-dev xz-utils
      fontconfig fonts-dejavu-core)  # fonts: the dot-plot command draws axis labels headless
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
