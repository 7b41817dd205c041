"""What a screen reader finds: the program and its help viewer on an X server and session bus of
their own, read through the accessibility bus. Exit 77: a tool it needs is not installed."""
import os, shutil, subprocess, sys, tempfile, time

exe, failures = sys.argv[1], []
if "QUORVANE_OWN_BUS" not in os.environ:  # the accessibility bus's socket goes in a runtime folder of our own
    for tool in "Xvfb", "dbus-run-session", "/usr/libexec/at-spi-bus-launcher":
        if not shutil.which(tool):
            sys.exit(print(tool, "is not installed") or 77)
    with tempfile.TemporaryDirectory() as runtime:
        sys.exit(subprocess.run(["dbus-run-session", "--", sys.executable, __file__, exe],
                                env=dict(os.environ, XDG_RUNTIME_DIR=runtime, QUORVANE_OWN_BUS="1")).returncode)
try:
    import pyatspi
except ImportError:
    sys.exit(print("python3-pyatspi is not installed") or 77)
viewer, read, write = os.path.join(os.path.dirname(exe), "quorvane-help"), *os.pipe()
started = [subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=[write], stderr=subprocess.DEVNULL)]
env = dict(os.environ, DISPLAY=":" + os.read(read, 16).decode().strip(), QT_QPA_PLATFORM="xcb",
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")


def start(*argv):
    started.append(subprocess.Popen(argv, env=env, cwd="/", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    return started[-1]


def window_of(name):
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.clear_cache()  # programs come and go: ask the bus again
    # the application is named by its program name, whatever its case
    return [a[0] for a in desktop if a is not None and a.name.lower() == name.lower() and a.childCount]


def until(probe, what):
    for _ in range(200):
        if probe():
            return probe()
        time.sleep(0.1)
    sys.exit("FAIL: " + what)


def walk(node):  # the entries of lists, tables and menus are not controls of their own
    yield node
    for child in node if node.getRoleName() not in ("list", "table", "menu bar") else []:
        yield from walk(child)


def check_controls(window, where):
    failures.extend(f"{where}: a {n.getRoleName()} named {n.name!r}" for n in walk(window)
                    if n.getState().contains(pyatspi.STATE_FOCUSABLE)
                    and (not n.name or n.getRoleName() in ("unknown", "filler", "panel", "frame")))


try:
    start(exe)
    window = until(lambda: window_of("Quorvane"), "the converter never appeared on the bus")[0]
    check_controls(window, "converter")
    bar = [n.name for b in walk(window) if b.getRoleName() == "status bar" for n in walk(b)]
    table = next(n for n in walk(window) if n.getRoleName() == "table").queryTable()
    columns = lambda: [table.getColumnDescription(c) for c in range(table.nColumns)]
    failures += [w for ok, w in (("Hint" in bar, "no status bar with a hint panel"),
                                 (columns() == [""] * 4, f"columns before a choice: {columns()}")) if not ok]
    for list_name, country in (("Origin country", "Algeria"), ("Destination country", "Andorra")):
        next(e for e in next(n for n in walk(window) if n.name == list_name) if e.name == country).queryAction().doAction(0)
    until(lambda: columns() == ["Algeria", "Andorra"] * 2, f"columns after a choice: {columns()}")
    fields = sorted(n.name for n in walk(window_of("Quorvane")[0]) if n.getRoleName() == "text")  # the rate boxes, now shown
    failures += [f"fields {fields}"] * (fields != ["Destination rate", "Origin rate"])

    help_file = shutil.copy(os.path.join(os.path.dirname(exe), "zelvik.hlp"), tempfile.mkdtemp())  # no user's viewer answers
    start(viewer, help_file)
    check_controls(until(lambda: window_of("Quorvane Help"), "the help viewer never appeared")[0], "help viewer")
finally:
    for p in reversed(started):
        p.terminate()
        p.wait(timeout=10)
print("\n".join("FAIL: " + f for f in failures))
sys.exit(1 if failures else 0)
