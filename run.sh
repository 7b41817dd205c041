#!/usr/bin/env bash
# Installs what building and running need where it is missing, builds the
# program, its help viewer and rate table (no tests, no benchmarks), and starts
# Quorvane from its build folder.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh run
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_TESTS=OFF -DQUORVANE_BENCH=OFF \
  "${launcher[@]}" >/dev/null
cmake --build build --target program
exec build/Quorvane/quorvane "$@"
