"""Roles and names through the accessibility bus; run by e2e_accessibility.sh."""
import os, shutil, subprocess, sys, tempfile, time
import pyatspi

exe = sys.argv[1]
helper = os.path.join(os.path.dirname(exe), "quorvane-help")
read, write = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        pass_fds=[write], stderr=subprocess.DEVNULL)
os.close(write)
env = dict(os.environ, DISPLAY=":" + os.read(read, 16).decode().strip(), QT_QPA_PLATFORM="xcb",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
started = [xvfb]
log = open(os.path.join(os.environ.get("QUORVANE_TEST_OUTPUT", "/tmp"), "a11y_programs.log"), "w")
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def start(*program):
    p = subprocess.Popen(list(program), env=env, cwd="/", stdout=subprocess.DEVNULL, stderr=log)
    started.append(p)
    return p


def apps(name):
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clear_cache()  # programs come and go: ask the bus again
    return [a for a in desktop if a is not None and a.name == name and a.childCount]


def wait_for(name):
    for _ in range(200):
        if apps(name):
            return apps(name)[0][0]
        time.sleep(0.1)
    sys.exit(f"FAIL: {name} never appeared on the accessibility bus: {[a and a.name for a in pyatspi.Registry.getDesktop(0)]}")


def walk(node):
    yield node
    if node.getRoleName() not in ("list", "table", "menu bar"):  # their items are not controls
        for child in node:
            yield from walk(child)


def controls(window):
    """(role, name) of every control the keyboard can reach."""
    return [(n.getRoleName(), n.name) for n in walk(window) if n.getState().contains(pyatspi.STATE_FOCUSABLE)]


def named_and_roled(window, where):
    for role, name in controls(window):
        check(name and role not in ("unknown", "filler", "panel", "frame"), f"{where}: a {role} named {name!r}")


try:
    start(exe)
    window = wait_for("Quorvane")
    named_and_roled(window, "converter")
    check(sorted(c for c in controls(window) if c[0] == "text") ==
          [("text", "Destination rate"), ("text", "Origin rate")], "converter: fields other than the rate boxes")
    bars = [n for n in walk(window) if n.getRoleName() == "status bar"]
    check(len(bars) == 1 and "Hint" in [n.name for n in walk(bars[0])], "no status bar with a hint panel")
    table = next(n for n in walk(window) if n.getRoleName() == "table").queryTable()
    headers = lambda: [table.getColumnDescription(c) for c in range(table.nColumns)]
    check(headers() == ["", "", "", ""], f"columns before a choice: {headers()}")
    for list_name, country in (("Origin country", "Algeria"), ("Destination country", "Andorra")):
        entries = next(n for n in walk(window) if n.name == list_name)
        next(e for e in entries if e.name == country).queryAction().doAction(0)
    for _ in range(50):
        if headers() == ["Algeria", "Andorra", "Algeria", "Andorra"]:
            break
        time.sleep(0.1)
    check(headers() == ["Algeria", "Andorra", "Algeria", "Andorra"], f"columns after a choice: {headers()}")

    # A help file of its own, so that no viewer a user has open answers.
    help_file = shutil.copy(os.path.join(os.path.dirname(exe), "zelvik.hlp"), tempfile.mkdtemp())
    start(helper, help_file)
    named_and_roled(wait_for("Quorvane Help"), "help viewer")
    check(start(helper, help_file).wait(timeout=20) == 0, "a second viewer did not hand over to the first")
    check(len(apps("Quorvane Help")) == 1, "two help viewers")
finally:
    for p in reversed(started):
        p.terminate()
        p.wait(timeout=10)

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
