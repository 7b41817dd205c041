#!/usr/bin/env bash
# Maintenance tool, not a test: applies each deliberate fault of breakages.txt to
# the sources, one at a time, rebuilds, runs ctest and prints which tests caught
# it. The file is put back after each, also on Ctrl-C.
# Usage: bash tests/breakages.sh [build-dir] [breakage-id...]
# With FIRST=1, ctest stops at the first failing test, in the order the tests are
# defined (logic tests first): faster, and "caught by" names only that test.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd) || exit 2
shift || true
src=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
[ -d "$src/src" ] || { echo "no configured build in $build" >&2; exit 2; }
saved=$(mktemp -d)
log=$build/breakages-log && mkdir -p "$log"

# breakage ids | breakage apply <id>: the second prints the file and the state
# ("applied", "not applicable", "ambiguous"); an applied file is saved first.
breakage() {
  python3 - "$here/breakages.txt" "$src" "$saved" "$@" <<'PY'
import shutil, sys
listing, src, saved, cmd = sys.argv[1:5]
items = []
for line in open(listing, encoding="utf-8").read().split("\n"):
    if line and line[0] in "-+" and line[1:2] in ("", " "):
        items[-1][line[0]].append(line[2:])
    elif line.strip() and not line.startswith("#"):
        ident, file, _ = [f.strip() for f in line.split(" | ", 2)]
        items.append({"id": ident, "file": file, "-": [], "+": []})
if cmd == "ids":
    sys.exit(print("\n".join(b["id"] for b in items)))
b = next((b for b in items if b["id"] == sys.argv[5]), None)
if not b:
    sys.exit(print("-", "unknown"))
path, old = src + "/" + b["file"], "\n".join(b["-"])
try:
    text = open(path, encoding="utf-8").read()
except OSError:
    text = ""
n = text.count(old)
if n == 1:
    shutil.copyfile(path, saved + "/file")
    open(saved + "/path", "w").write(path)
    open(path, "w", encoding="utf-8").write(text.replace(old, "\n".join(b["+"])))
print(b["file"], ("applied", "not applicable")[n == 0] if n < 2 else "ambiguous")
PY
}
restore() {
  # A fresh modification time makes the next build compile the file again.
  if [ -f "$saved/file" ]; then
    cp "$saved/file" "$(cat "$saved/path")" && touch "$(cat "$saved/path")" && rm "$saved/file"
  fi
}
trap 'restore; rm -rf "$saved"' EXIT
trap 'echo interrupted >&2; exit 130' INT TERM

# The failing tests of a run, by name.
failed() { sed -n '/The following tests FAILED/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\) .*/\1/p' "$1"; }
ids=("$@")
[ ${#ids[@]} -gt 0 ] || mapfile -t ids < <(breakage ids)
# Tests that fail without any breakage catch nothing: they are left out.
cmake --build "$build" -j "${JOBS:-2}" >"$log/baseline.build" 2>&1 || { echo "the build fails as it is" >&2; exit 1; }
ctest --test-dir "$build" -j "${JOBS:-2}" --timeout 120 >"$log/baseline.ctest" 2>&1
mapfile -t broken < <(failed "$log/baseline.ctest")
[ ${#broken[@]} -eq 0 ] || echo "failing without any breakage, not counted: ${broken[*]}"
printf '%-28s | %s\n' "breakage" "caught by"
for id in "${ids[@]}"; do
  read -r file state < <(breakage apply "$id")
  if [ "$state" != applied ]; then printf '%-28s | %s\n' "$id" "$state ($file)"; continue; fi
  if ! cmake --build "$build" -j "${JOBS:-2}" >"$log/$id.build" 2>&1; then
    result="does not build"
  else
    stop=() && [ "${FIRST:-0}" = 1 ] && stop=(--stop-on-failure -E "^($(IFS='|'; echo "${broken[*]:-none}"))\$")
    rm -f "$build/Testing/Temporary/CTestCostData.txt"
    ctest --test-dir "$build" -j "${JOBS:-2}" --timeout 120 "${stop[@]}" >"$log/$id.ctest" 2>&1
    result=$(failed "$log/$id.ctest" | grep -vxF -f <(printf '%s\n' "${broken[@]}" "") | paste -sd ' ' -)
  fi
  restore
  printf '%-28s | %s\n' "$id" "${result:-NOT CAUGHT}"
done
cmake --build "$build" -j "${JOBS:-2}" >"$log/final.build" 2>&1 || echo "the final rebuild failed: see $log/final.build" >&2
