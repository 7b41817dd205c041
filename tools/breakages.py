#!/usr/bin/env python3
"""Maintenance tool, not a test: applies each deliberate fault of breakages.txt to
the sources in turn, rebuilds, runs ctest, prints which tests caught it and puts
the file back (also on Ctrl-C). Usage: tools/breakages.py [build-dir] [id...]
FIRST=1 stops ctest at the first failing test: faster, and names only that one."""
import os, re, subprocess, sys
from pathlib import Path

build = Path(sys.argv[1] if len(sys.argv) > 1 else "build").resolve()
src = Path(re.search(r"^CMAKE_HOME_DIRECTORY:INTERNAL=(.*)$", (build / "CMakeCache.txt").read_text(), re.M)[1])
log, jobs = build / "breakages-log", os.environ.get("JOBS", "2")
log.mkdir(exist_ok=True)
faults = {}
for line in (Path(__file__).parent / "breakages.txt").read_text(encoding="utf-8").splitlines():
    if line.strip() and not line.startswith("#"):
        ident, file, _, change = line.split(" | ", 3)
        old, new = change.split(" =>", 1)
        faults[ident] = (src / file, old.replace("⏎", "\n"), new.removeprefix(" ").replace("⏎", "\n"))


def run(name, *cmd):  # the failing tests' names, from ctest's summary; None when the command failed otherwise
    with open(log / name, "w") as out:
        code = subprocess.run(cmd, stdout=out, stderr=subprocess.STDOUT).returncode
    text = (log / name).read_text().partition("The following tests FAILED")[2]
    return re.findall(r"^\s*\d+ - (\S+) ", text, re.M) if text or not code else None


make = ["cmake", "--build", str(build), "-j", jobs]
ctest = ["ctest", "--test-dir", str(build), "-j", jobs, "--timeout", "120"]
if run("baseline.build", *make) is None:
    sys.exit("the build fails as it is")
broken = run("baseline.ctest", *ctest) or []  # tests failing without any fault catch nothing
if broken:
    print("failing without any breakage, not counted:", *broken)
stop = ["--stop-on-failure", "-E", "^(%s)$" % "|".join(broken or ["none"])] if os.environ.get("FIRST") == "1" else []
print(f"{'breakage':28} | caught by")
for ident in sys.argv[2:] or faults:
    path, old, new = faults.get(ident, (src / "?", None, None))
    text = path.read_text(encoding="utf-8") if old and path.is_file() else ""
    if not old or text.count(old) != 1:
        print(f"{ident:28} | {'unknown' if not old else 'ambiguous' if text.count(old) else 'not applicable'}")
        continue
    try:
        path.write_text(text.replace(old, new), encoding="utf-8")
        if run(ident + ".build", *make) is None:
            result = "does not build"
        else:
            (build / "Testing/Temporary/CTestCostData.txt").unlink(missing_ok=True)
            result = " ".join(t for t in run(ident + ".ctest", *ctest, *stop) or [] if t not in broken) or "NOT CAUGHT"
    finally:
        path.write_text(text, encoding="utf-8")  # a fresh modification time: the next build compiles it again
    print(f"{ident:28} | {result}", flush=True)
if run("final.build", *make) is None:
    print(f"the final rebuild failed: see {log / 'final.build'}", file=sys.stderr)
