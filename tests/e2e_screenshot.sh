#!/usr/bin/env bash
# Starts the program on its own X server, waits for its window and saves a
# screenshot of it where CI keeps artefacts. Exit 77: no X server could start.
set -u
exe=${1:?usage: e2e_screenshot.sh path/to/quorvane}
out=${QUORVANE_TEST_OUTPUT:-$(dirname "$exe")/test-output}
mkdir -p "$out"
png="$out/window.png"
rm -f "$png"

command -v Xvfb >/dev/null || { echo "Xvfb is not installed"; exit 77; }

# A display number nobody uses, with its own log to tell why it would not start.
xvfb_pid=""
for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        break
    fi
    xvfb_pid=""
done
if [ -z "$xvfb_pid" ]; then
    echo "Xvfb could not start:"; cat "$out/xvfb.log"
    exit 77
fi

app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Started from another folder, as a desktop launcher would.
cd /
QT_QPA_PLATFORM=xcb "$exe" >"$out/quorvane.log" 2>&1 &
app_pid=$!

shown=""
for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || { cat "$out/quorvane.log"; fail "the program ended before showing its window"; }
    if xwininfo -root -tree 2>/dev/null | grep -q '"Quorvane"'; then shown=yes; break; fi
    sleep 0.1
done
[ -n "$shown" ] || fail "no window titled Quorvane appeared within 10 s"
sleep 1  # let it paint

import -window root "$png" || fail "import could not take the screenshot"
[ -s "$png" ] || fail "no screenshot written"
[ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
size=$(stat -c %s "$png")
[ "$size" -gt 5000 ] || fail "$png is only $size bytes: an empty screen?"
geometry=$(identify -format '%wx%h' "$png")
[ "$geometry" = "1024x768" ] || fail "screenshot is $geometry"
# A blank screen has one colour; the window brings many.
colours=$(convert "$png" -format '%k' info:)
[ "$colours" -gt 8 ] || fail "screenshot has only $colours colours"
echo "Saved $png ($size bytes, $colours colours)"
exit 0
