#!/usr/bin/env bash
# Installs what a fresh Debian 12 or 13 machine lacks to build and test lodra.
# Idempotent: packages already present are left alone.
set -euo pipefail

packages=(
  g++ make pkg-config
  libharfbuzz-dev libcairo2-dev libfontconfig-dev zlib1g-dev libdeflate-dev libicu-dev
  libgtest-dev libbenchmark-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
command -v cmake >/dev/null || missing+=(cmake)

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

python3 -m pip install -q --disable-pip-version-check \
  "scikit-build-core>=0.10" "cmake>=3.25" ninja pytest numpy
