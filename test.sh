#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole suite twice: in the
# normal build and in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/setup.sh test
jobs=$(nproc)

run_suite() {
  local dir=$1; shift
  echo "== Building in $dir"
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "== Testing in $dir"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_TESTS=ON -DQUORVANE_BENCH=ON -DQUORVANE_WERROR=ON
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON -DQUORVANE_TESTS=ON -DQUORVANE_BENCH=OFF -DQUORVANE_WERROR=ON
