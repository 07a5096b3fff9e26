#!/usr/bin/env bash
# Builds the extension module in build/py and runs the Python tests against it, without
# installing anything: build/py/pkg/lodra links the package sources and the built module.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build/py -G Ninja -DLODRA_PYTHON=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/py -j2

package=build/py/pkg/lodra
rm -rf "$package" && mkdir -p "$package"
ln -s "$PWD"/python/lodra/*.py "$package"/
ln -s "$PWD"/build/py/python/_lodra*.so "$package"/
PYTHONPATH="$PWD/build/py/pkg" python3 -m pytest -q -p no:cacheprovider python/tests "$@"
