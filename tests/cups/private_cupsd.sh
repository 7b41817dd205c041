#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests: its own configuration, spool,
# cache and logs in a temporary folder, listening only on its own Unix socket,
# with one raw queue "quorvane-keep" as the default whose backend keeps each
# job's data as a file in $QUORVANE_KEEP_DIR.
#
# Sourced: start_private_cupsd (returns 1 with the reason in $CUPSD_REASON when
# the scheduler cannot start) and stop_private_cupsd.
# Run: bash tests/cups/private_cupsd.sh <command...> runs the command against it.

_cups_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
QUORVANE_QUEUE=quorvane-keep

start_private_cupsd() {
  CUPSD_REASON=""
  local cupsd i root backend=/usr/lib/cups/backend/quorvane-keepfile
  cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
  [ -x "$cupsd" ] || CUPSD_REASON="cupsd is not installed (package cups)"
  [ "$(id -u)" -eq 0 ] || CUPSD_REASON="cupsd must run as root to run the job backend"
  [ -d /usr/lib/cups/backend ] || CUPSD_REASON="no CUPS backend folder /usr/lib/cups/backend"
  [ -z "$CUPSD_REASON" ] || return 1

  CUPS_TMP=$(mktemp -d /tmp/quorvane-cups.XXXXXX) && chmod 755 "$CUPS_TMP"
  root=$CUPS_TMP/etc QUORVANE_KEEP_DIR=$CUPS_TMP/jobs CUPS_SOCKET=$CUPS_TMP/cups.sock
  mkdir -p "$root"/{ppd,ssl} "$CUPS_TMP"/{spool/tmp,cache,state/certs,log,jobs} && chmod 1777 "$QUORVANE_KEEP_DIR"

  cat >"$root/cupsd.conf" <<CONF
LogLevel debug
Listen $CUPS_SOCKET
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
WebInterface No
DefaultShared No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CacheDir $CUPS_TMP/cache
StateDir $CUPS_TMP/state
RequestRoot $CUPS_TMP/spool
TempDir $CUPS_TMP/spool/tmp
AccessLog $CUPS_TMP/log/access_log
ErrorLog $CUPS_TMP/log/error_log
PageLog $CUPS_TMP/log/page_log
FileDevice No
SystemGroup root
CONF
  chmod 644 "$root/cupsd.conf" "$root/cups-files.conf"

  # The backend runs as root (mode 0700) so it may write wherever the test wants.
  if ! cmp -s "$_cups_here/keepfile" "$backend" 2>/dev/null; then
    install -m 0700 -o root -g root "$_cups_here/keepfile" "$backend.$$" && mv -f "$backend.$$" "$backend" \
      || { CUPSD_REASON="cannot install the backend into /usr/lib/cups/backend"; return 1; }
  fi

  "$cupsd" -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" >"$CUPS_TMP/log/cupsd.out" 2>&1 &
  CUPSD_PID=$!

  export CUPS_SERVER=$CUPS_SOCKET CUPS_SERVERROOT=$root  # the client reads no system client.conf or lpoptions
  unset PRINTER LPDEST
  for i in $(seq 1 100); do
    if ! kill -0 "$CUPSD_PID" 2>/dev/null; then
      CUPSD_REASON="cupsd exited at start: $(tail -n 5 "$CUPS_TMP/log/cupsd.out" "$CUPS_TMP/log/error_log" 2>/dev/null | tr '\n' ' ')"
      return 1
    fi
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! lpstat -r >/dev/null 2>&1; then CUPSD_REASON="cupsd does not answer on $CUPS_SOCKET"; return 1; fi

  lpadmin -p "$QUORVANE_QUEUE" -v "quorvane-keepfile:$QUORVANE_KEEP_DIR" -E 2>"$CUPS_TMP/log/lpadmin.err" \
    || { echo "lpadmin failed: $(cat "$CUPS_TMP/log/lpadmin.err")" >&2; return 2; }
  lpadmin -d "$QUORVANE_QUEUE" || return 2
  # The print tests also stop the scheduler and make its queue reject jobs.
  export QUORVANE_KEEP_DIR CUPS_TMP CUPSD_PID QUORVANE_QUEUE
  return 0
}

stop_private_cupsd() {
  if [ -n "${CUPSD_PID:-}" ]; then
    kill "$CUPSD_PID" 2>/dev/null
    kill -CONT "$CUPSD_PID" 2>/dev/null  # a test may have left it stopped
    wait "$CUPSD_PID" 2>/dev/null
    CUPSD_PID=""
  fi
  if [ -n "${CUPS_TMP:-}" ] && [ -z "${QUORVANE_KEEP_CUPS_TMP:-}" ]; then rm -rf "$CUPS_TMP"; fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -u
  if [ $# -eq 0 ]; then echo "usage: $0 command [args...]" >&2; exit 2; fi
  trap stop_private_cupsd EXIT
  start_private_cupsd
  rc=$?
  if [ $rc -ne 0 ]; then echo "private cupsd: ${CUPSD_REASON:-queue set-up failed}" >&2; exit 77; fi
  "$@"
fi
