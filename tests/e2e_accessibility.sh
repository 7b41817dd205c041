#!/usr/bin/env bash
# What a screen reader finds: the program and its help viewer on an X server and
# session bus of their own, read through the accessibility bus (a11y_check.py).
# Exit 77: a tool it needs is not installed.
set -u
exe=${1:?usage: e2e_accessibility.sh path/to/quorvane}
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed"; exit 77; }
# The accessibility bus puts its socket in the runtime folder: one of our own.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
XDG_RUNTIME_DIR=$runtime dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/a11y_check.py" "$exe"
