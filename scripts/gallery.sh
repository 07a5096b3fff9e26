#!/usr/bin/env bash
# Sets the machine up, builds and installs lodra, and renders the gallery into build/gallery/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export PIP_BREAK_SYSTEM_PACKAGES=1
python3 -m pip install --no-build-isolation --disable-pip-version-check -q .
python3 scripts/gallery.py build/gallery
