#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvane with its shipped rate table.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/Quorvane/quorvane "$@"
