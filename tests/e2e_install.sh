#!/usr/bin/env bash
# Installs Quorvane into a prefix root owns (read-only when not run as root) and runs it as an ordinary
# user under Xvfb from another folder, as a desktop launcher would: a typed rate survives a restart in the
# user's own table; a newer shipped table brings new rates and a new country and leaves the typed rate.
# Exit 77: Xvfb, xdotool, sqlite3 or ImageMagick is missing, or no X server starts.
set -u
exe=${1:?usage: e2e_install.sh path/to/built/quorvane}
build=${QUORVANE_BUILD_DIR:-$(dirname "$(dirname "$exe")")}
src=${QUORVANE_SOURCE_DIR:?}
out=${QUORVANE_TEST_OUTPUT:-$build/test-output}
mkdir -p "$out"
for t in Xvfb xdotool sqlite3 import convert; do command -v $t >/dev/null || { echo "$t is not installed"; exit 77; }; done

work=$(mktemp -d /tmp/quorvane-install.XXXXXX) && chmod 755 "$work" && prefix=$work/prefix
export HOME=$work/home && mkdir -p "$HOME"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
    id quorvane-e2e >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin quorvane-e2e
    chown quorvane-e2e: "$HOME"
    as_user=(runuser -u quorvane-e2e --)
fi
xvfb_pid=""; app_pid=""
trap 'kill $app_pid $xvfb_pid 2>/dev/null; wait; chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >"$out/install.log" 2>&1 || { cat "$out/install.log"; fail "cmake --install"; }
shipped=$prefix/lib/quorvane/Zelvik.MDB
[ "$(id -u)" -eq 0 ] || chmod -R a-w "$prefix"
user_table=$HOME/.local/share/quorvane/Zelvik.MDB
q() { sqlite3 "$user_table" "$1"; }
roe() { q "SELECT ROE FROM RATES WHERE Country = '${1//\'/\'\'}'"; }

# Xvfb takes a free display itself and names it once ready: no race with other test runs for a number.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$out/xvfb-install.log" 2>&1 &
xvfb_pid=$!
read -r -t 30 display <"$work/display" || { echo "Xvfb could not start"; exit 77; }
export DISPLAY=":$display"

# Starts the installed program from another folder (as the ordinary user unless --root), runs the
# command given once its window has the focus, then chooses Exit and waits for the end.
session() {
    local user=("${as_user[@]}"); [ "$1" = --root ] && { user=(); shift; }
    (cd / && exec "${user[@]}" env HOME="$HOME" DISPLAY="$DISPLAY" LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
        LANGUAGE="${LANGUAGE:-}" QT_QPA_PLATFORM=xcb "$prefix/bin/quorvane") >>"$out/quorvane-install.log" 2>&1 &
    app_pid=$!
    local win
    win=$(timeout 15 xdotool search --sync --onlyvisible --name '^Quorvane$' | head -1)
    [ -n "$win" ] || fail "no Quorvane window within 15 s"
    xdotool windowfocus --sync "$win" || fail "the window did not take the focus"
    "$@"
    xdotool key "${EXIT_KEY:-alt+x}"
    timeout 15 tail --pid="$app_pid" -f /dev/null || fail "Exit did not end the program"
    app_pid=""
}
# A screenshot of the window (a blank screen has one colour, the window many) kept where CI keeps
# artefacts; then the origin list's first country, its rate box (before the list in the Tab order), a new
# rate, and on: leaving the box stores the rate. The keys are taken in order, each acting on the last.
type_rate() {
    import -window root "$out/window.png" && [ "$(convert "$out/window.png" -format '%k' info:)" -gt 8 ] ||
        fail "no window on the screenshot $out/window.png"
    xdotool key Down shift+Tab ctrl+a; xdotool type --delay 30 "${1:-1.2345}"; xdotool key shift+Tab
}

# Title bars read as the windows name themselves: the credits (pointer over the about icon, L, E, A).
credits_title() {
    xdotool key alt+h a
    local about; about=$(timeout 15 xdotool search --sync --onlyvisible --name '^About Quorvane$' | head -1)
    [ -n "$about" ] || fail "no window titled About Quorvane"
    xdotool windowfocus --sync "$about" mousemove --window "$about" 20 20 mousemove --window "$about" 30 30
    xdotool type lea
    local credits; credits=$(timeout 15 xdotool search --sync --onlyvisible --name '^Credits' | head -1)
    local title; title=$(xprop -id "$credits" _NET_WM_NAME)  # the title bar's own text; WM_NAME may be cut short
    [ "$title" = '_NET_WM_NAME(UTF8_STRING) = "Credits"' ] || fail "the credits window's title: $title"
    kill -TERM "$app_pid"  # the credits close by their close box only; the program ends as when told to quit
}

# Without a display the program says so in a line; --help and --version need none.
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quorvane" "$@" 2>&1; }
msg=$(bare); [ $? = 1 ] && [ "$msg" = "quorvane: no X or Wayland display: run it inside a desktop session." ] || fail "no display: $msg"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ "$(bare --version) $(bare --help | head -1)" = "quorvane $version Usage: quorvane" ] || fail "--version or --help"
# In the user's language, as the installed programs speak it.
[[ "$(LANGUAGE=de bare --help | head -1) | $(LANGUAGE=fr "$prefix/bin/quorvane-rates" --help 2>&1 | head -1)" == \
   "Aufruf: quorvane | Utilisation"?": quorvane-rates "* ]] || fail "--help in German or French"

cp "$shipped" "$work/shipped.before"
session type_rate
typed=$(q "SELECT Country FROM RATES WHERE ROE = 1.2345")
[ -n "$typed" ] || fail "the typed rate is not in $user_table"
cmp -s "$shipped" "$work/shipped.before" || fail "the shipped table was changed"
session credits_title
[ "$(roe "$typed")" = 1.2345 ] || fail "typed rate lost at restart"

# A newer shipped table from the prefix's owner: another rate changes, the typed one too, a country is new.
other=$(q "SELECT Country FROM RATES WHERE ROE <> 1.2345 ORDER BY rowid LIMIT 1")
awk -F, -v OFS=, -v a="$other" -v b="$typed" '$1 == a || $1 == b { $(NF - 1) = 77.5 } { print }' \
    "$src/data/rates.csv" >"$work/newer.csv"
echo 'Zedland,1 Zed = 100 Zents,Zed,ZZD,3.5' >>"$work/newer.csv"
chmod -R u+w "$prefix" && rm -f "$shipped"
"$build/make_rate_table" "$work/newer.csv" "$shipped" 2026-10-30 "newer test rates" >/dev/null || fail "make_rate_table"
[ "$(id -u)" -eq 0 ] || chmod -R a-w "$prefix"
LANGUAGE=de EXIT_KEY=alt+b session true  # the window speaks German: Beenden is Alt+B
[ "$(roe "$other") $(roe Zedland)" = "77.5 3.5" ] || fail "untyped rate of $other not updated or Zedland not added"
[ "$(q "SELECT Value FROM QUORVANE_INFO WHERE Key = 'rates_date'")" = 2026-10-30 ] || fail "rates date"
[ "$(roe "$typed")" = 1.2345 ] || fail "typed rate replaced"
# The installed rate command opens the same table as the program: the user's own.
shown=$(cd / && "${as_user[@]}" env HOME="$HOME" "$prefix/bin/quorvane-rates" show "$typed") || fail "quorvane-rates show"
grep -qF "Rate table $user_table" <<<"$shown" && grep -qE " 1.2345 +typed( \(was [^)]*\))?$" <<<"$shown" || fail "quorvane-rates show: $shown"
echo "Installed program kept the typed rate of $typed and took the newer shipped rates"

# Root too gets a table in its home: the installed table stays the package's, whatever root runs.
[ "$(id -u)" -eq 0 ] || exit 0
cp "$shipped" "$work/shipped.before"
export HOME=$work/root-home && mkdir -p "$HOME" && user_table=$HOME/.local/share/quorvane/Zelvik.MDB
session --root type_rate 2.5
[ "$(roe "$(q "SELECT Country FROM RATES WHERE ROE = 2.5")")" = 2.5 ] || fail "root's typed rate is not in $user_table"
(cd / && "$prefix/bin/quorvane-rates" update --source "$work/newer.csv" --date 2026-10-31 >/dev/null) || fail "root's update"
[ "$(q "SELECT Value FROM QUORVANE_INFO WHERE Key = 'rates_date'")" = 2026-10-31 ] || fail "root's update went elsewhere"
cmp -s "$shipped" "$work/shipped.before" || fail "root changed the installed rate table"
echo "Root's rates went to $user_table; the installed table is unchanged"

