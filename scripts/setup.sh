#!/usr/bin/env bash
# Installs what a fresh Debian 12 or 13 machine lacks to build and test lodra.
# Idempotent: packages already present are left alone.
set -euo pipefail

packages=(
  g++ make pkg-config
  libharfbuzz-dev libcairo2-dev libfontconfig-dev zlib1g-dev libdeflate-dev libicu-dev
  libgtest-dev libbenchmark-dev
  # Installed fonts for the system font fallback tests: Latin, Greek, Hebrew and more; Arabic.
  fonts-dejavu-core fonts-hosny-amiri
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
command -v cmake >/dev/null || missing+=(cmake)
# A system Python (rather than one built from source) needs its development headers.
python3 -c 'import os, sysconfig; exit(not os.path.exists(sysconfig.get_path("include") + "/Python.h"))' ||
  missing+=(python3-dev python3-pip)

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Debian's own Python refuses pip installs outside a virtual environment unless told otherwise.
export PIP_BREAK_SYSTEM_PACKAGES=1
python3 -m pip install -q --disable-pip-version-check \
  "scikit-build-core>=0.10" "cmake>=3.25" ninja pytest numpy
