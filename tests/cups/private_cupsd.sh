#!/usr/bin/env bash
# Usage: bash tests/cups/private_cupsd.sh command [args...]: runs the command against
# a private CUPS scheduler (configuration, spool, logs and programs in a temporary
# folder, its own socket) whose one raw queue, the default, keeps each job as a file in
# $QUORVANE_KEEP_DIR; also exported: CUPSD_PID, QUORVANE_QUEUE. Exit 77: no scheduler.
set -u
skip() { echo "SKIP: the private CUPS scheduler cannot start: $*"; exit 77; }
[ $# -gt 0 ] || { echo "usage: $0 command [args...]" >&2; exit 2; }
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd) system_bin=/usr/lib/cups
[ -x "$cupsd" ] || skip "cupsd is not installed (package cups)"
[ "$(id -u)" -eq 0 ] || skip "cupsd must run as root to run the job backend"
tmp=$(mktemp -d /tmp/quorvane-cups.XXXXXX) && chmod 755 "$tmp"
trap '[ -n "${CUPSD_PID:-}" ] && { kill "$CUPSD_PID"; kill -CONT "$CUPSD_PID"; wait "$CUPSD_PID"; } 2>/dev/null; rm -rf "$tmp"' EXIT
# The client reads no system configuration, options or default printer.
export CUPS_SERVER=$tmp/cups.sock CUPS_SERVERROOT=$tmp/etc QUORVANE_KEEP_DIR=$tmp/jobs QUORVANE_QUEUE=quorvane-keep HOME=$tmp/home
unset PRINTER LPDEST
mkdir -p "$CUPS_SERVERROOT" "$tmp"/{spool/tmp,cache,state,log,jobs,home} && chmod 1777 "$QUORVANE_KEEP_DIR"
printf '%s\n' "Listen $CUPS_SERVER" "Browsing No" "DefaultAuthType None" "WebInterface No" "MaxJobs 0" \
    "<Location />" "Order allow,deny" "Allow all" "</Location>" >"$CUPS_SERVERROOT/cupsd.conf"
printf '%s\n' "ServerRoot $CUPS_SERVERROOT" "CacheDir $tmp/cache" "StateDir $tmp/state" "RequestRoot $tmp/spool" \
    "TempDir $tmp/spool/tmp" "ErrorLog $tmp/log/error_log" "AccessLog $tmp/log/access_log" "PageLog $tmp/log/page_log" \
    "FileDevice No" "SystemGroup root" "ServerBin $tmp/bin" >"$CUPS_SERVERROOT/cups-files.conf"
# The scheduler's programs: the system's, through links, and the job-keeping
# backend beside its backends, which runs as root (mode 0700) so it may write
# wherever the test wants. Nothing is written into the system's folders.
cp -rs "$system_bin/." "$tmp/bin" && rm -f "$tmp/bin/backend/quorvane-keepfile" &&
    install -m 0700 -o root -g root "$(dirname "$0")/keepfile" "$tmp/bin/backend/quorvane-keepfile" ||
    skip "cannot lay out the scheduler's programs"
"$cupsd" -f -c "$CUPS_SERVERROOT/cupsd.conf" -s "$CUPS_SERVERROOT/cups-files.conf" >"$tmp/log/cupsd.out" 2>&1 &
export CUPSD_PID=$!
for _ in $(seq 100); do
    kill -0 "$CUPSD_PID" 2>/dev/null || skip "cupsd ended: $(tail -n 5 "$tmp"/log/{cupsd.out,error_log} 2>/dev/null)"
    # The socket is there before the scheduler answers on it: ask it.
    [ -S "$CUPS_SERVER" ] && [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ] && break
    sleep 0.1
done
lpadmin -p "$QUORVANE_QUEUE" -v "quorvane-keepfile:$QUORVANE_KEEP_DIR" -E && lpadmin -d "$QUORVANE_QUEUE" ||
    { echo "FAIL: the queue could not be set up: $(tail -n 5 "$tmp/log/error_log")"; exit 1; }
"$@"
