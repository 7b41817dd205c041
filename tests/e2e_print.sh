#!/usr/bin/env bash
# Prints a calculated chart from the program through a private CUPS scheduler
# and reads back the page the printer was sent: one PDF page, every cell's text
# in its column and row, the frame about 7 by 3.7 inches. The page is rendered
# into the test output for a person to look at.
# Usage: bash tests/e2e_print.sh <path to the quorvane executable>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
exe=${1:?usage: e2e_print.sh path/to/quorvane}
build=$(cd "$(dirname "$exe")/.." && pwd)
runner=$build/tests/qtest_print_e2e
out=${QUORVANE_TEST_OUTPUT:-$build/test-output}
export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 QT_QPA_PLATFORM=offscreen
export QUORVANE_PROGRAM_DIR=${QUORVANE_PROGRAM_DIR:-$(dirname "$exe")}

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$runner" ] || fail "no test runner at $runner (build the target qtest_print_e2e)"
for tool in pdftotext pdfinfo pdftoppm lpadmin lpstat; do
  command -v "$tool" >/dev/null || fail "$tool is missing (packages poppler-utils, cups-client)"
done
magick=$(command -v magick || command -v convert) || fail "ImageMagick is missing (package imagemagick)"

# shellcheck source=cups/private_cupsd.sh
source "$here/cups/private_cupsd.sh"
trap stop_private_cupsd EXIT
start_private_cupsd
case $? in
  0) ;;
  1) echo "SKIP: the private CUPS scheduler cannot start: $CUPSD_REASON"; exit 77 ;;
  *) fail "the print queue could not be set up" ;;
esac

mkdir -p "$CUPS_TMP/home" "$out"
cells=$CUPS_TMP/cells.txt
HOME=$CUPS_TMP/home QUORVANE_E2E_PRINT=$cells "$runner" || fail "printing from the program failed"
[ -s "$cells" ] || fail "the runner wrote no cell texts"

job=""
for _ in $(seq 1 300); do
  job=$(ls "$QUORVANE_KEEP_DIR"/job-*.pdf 2>/dev/null | head -n 1)
  [ -n "$job" ] && break
  sleep 0.1
done
if [ -z "$job" ]; then
  lpstat -o >&2; tail -n 20 "$CUPS_TMP/log/error_log" >&2
  fail "no job reached the printer within 30 seconds"
fi
cp "$job" "$out/print_chart.pdf"

[ "$(head -c 5 "$job")" = "%PDF-" ] || fail "the job is not a PDF: $(head -c 16 "$job" | od -c | head -n 1)"
pages=$(pdfinfo "$job" | awk '/^Pages:/ {print $2}')
[ "$pages" = "1" ] || fail "the job has $pages pages, not one"

# Word boxes in points: "xMin yMin word".
pdftotext -bbox "$job" - |
  sed -n 's|.*<word xMin="\([0-9.]*\)" yMin="\([0-9.]*\)"[^>]*>\(.*\)</word>.*|\1 \2 \3|p' |
  sed 's/&amp;/\&/g; s/&lt;/</g; s/&gt;/>/g; s/&quot;/"/g; s/&apos;/'"'"'/g; s/&#39;/'"'"'/g' >"$CUPS_TMP/words.txt"

# Each cell's text starts where the routine put it, relative to the first cell:
# columns 2500 twips plus a grid-line pixel apart, rows 425 (header) and 220.
awk -F'\t' -v words="$CUPS_TMP/words.txt" '
  function evenround(t,   f, d) { f = int(t); d = t - f; if (d > 0.5 || (d == 0.5 && f % 2 == 1)) f++; return f }
  function abs(v) { return v < 0 ? -v : v }
  BEGIN {
    n = 0
    while ((getline line < words) > 0) {
      split(line, p, " "); wx[n] = p[1] + 0; wy[n] = p[2] + 0; wt[n] = substr(line, length(p[1]) + length(p[2]) + 3); n++
    }
  }
  $1 == "dpi" { px = evenround(1440 / $2); py = px; next }
  { text[$1, $2] = $3; if ($3 != "") filled++ }
  END {
    if (filled != 84) { printf "FAIL: the chart holds %d cell texts, not 84 (was it calculated?)\n", filled; exit 1 }
    split(text[0, 0], first, " ")
    best = -1
    for (i = 0; i < n; i++) if (wt[i] == first[1] && (best < 0 || wx[i] + wy[i] < wx[best] + wy[best])) best = i
    if (best < 0) { print "FAIL: the first header is not on the page"; exit 1 }
    x0 = wx[best]; y0 = wy[best]; bad = 0
    for (c = 0; c <= 3; c++) for (r = 0; r <= 20; r++) {
      ex = x0 + c * (2500 + px) / 20
      ey = y0 + (r == 0 ? 0 : 425 + py + (r - 1) * (220 + py)) / 20
      k = split(text[r, c], w, " ")
      for (j = 1; j <= k; j++) {
        found = 0
        for (i = 0; i < n && !found; i++)
          if (wt[i] == w[j] && abs(wy[i] - ey) < 2.5 && (j == 1 ? abs(wx[i] - ex) < 2.5 : (wx[i] > ex && wx[i] < ex + 300))) found = 1
        if (!found) { printf "FAIL: cell (%d, %d) \"%s\": no \"%s\" near (%.1f, %.1f) pt\n", r, c, text[r, c], w[j], ex, ey; bad++ }
      }
    }
    if (bad) exit 1
    printf "all 84 cell texts in place (pixel %d twips)\n", px
  }' "$cells" || fail "the page does not show the chart as the grid holds it"

# The frame is the outermost mark on the page: measure it on a 100 dpi picture.
pdftoppm -r 100 -png -singlefile "$job" "$out/print_chart" || fail "pdftoppm could not render the page"
read -r fw fh < <("$magick" "$out/print_chart.png" -trim -format '%w %h' info:)
echo "frame ${fw} x ${fh} pixels at 100 dpi (picture: $out/print_chart.png)"
# 10100 by 5275 twips: 7.01 by 3.66 inches.
[ "$fw" -ge 695 ] && [ "$fw" -le 708 ] || fail "the frame is $fw/100 inch wide, not about 7 inches"
[ "$fh" -ge 360 ] && [ "$fh" -le 373 ] || fail "the frame is $fh/100 inch high, not about 3.7 inches"
echo "PASS: the chart was printed through CUPS as one framed page"
