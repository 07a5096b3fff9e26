#!/usr/bin/env bash
# Sets the machine up, then runs every test: the engine's C++ tests and the Python tests.
# Fails if any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export PIP_BREAK_SYSTEM_PACKAGES=1

cmake -S . -B build/engine-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLODRA_TESTS=ON
cmake --build build/engine-tests
ctest --test-dir build/engine-tests --output-on-failure --no-tests=error

python3 -m pip install --no-build-isolation --disable-pip-version-check -q .
python3 -m pytest -q python/tests
