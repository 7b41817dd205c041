#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metainfo, then builds the Debian package and checks
# it with lintian. Exit 77: dpkg-deb is missing (the validation has passed by then).
set -u
build=${QUORVANE_BUILD_DIR:?}
src=${QUORVANE_SOURCE_DIR:?}
fail() { echo "FAIL: $*"; exit 1; }

desktop-file-validate "$src/share/applications/org.quorvane.Quorvane.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$src/share/metainfo/org.quorvane.Quorvane.metainfo.xml" || fail "metainfo"

command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing: no Debian package built"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/quorvane_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || fail "cpack made no quorvane_*.deb"
files=$(dpkg-deb -c "$deb" | awk '{print $6 $7 $8}')
for f in bin/quorvane{'->../lib/quorvane/quorvane','-rates->../lib/quorvane/quorvane-rates'} lib/quorvane/{quorvane{,-help,-rates},Zelvik.MDB,zelvik{,.de,.fr,.es}.hlp,installed-folder} \
         share/{doc/quorvane/copyright,applications/org.quorvane.Quorvane.desktop,man/man1/quorvane{,-rates}.1.gz} \
         share/icons/hicolor/{scalable/apps/org.quorvane.Quorvane.svg,256x256/apps/org.quorvane.Quorvane.png}; do
    grep -qxF -- "./usr/$f" <<<"$files" || fail "the package lacks /usr/$f"
done
files() { dpkg-deb --fsys-tarfile "$deb" | tar -xO "${@/#/./usr/}"; }
[ "$(files lib/quorvane/installed-folder)" = /usr/lib/quorvane ] || fail "the install marker does not name /usr/lib/quorvane"
# Each man page points to the other; no text claims more countries than the shipped data has.
for pair in quorvane:quorvane-rates quorvane-rates:quorvane; do
    other=${pair#*:}
    files "share/man/man1/${pair%%:*}.1.gz" | zcat | sed -n '/^\.SH SEE ALSO/,$p' | grep -qxF ".BR ${other//-/\\-} (1)" ||
        fail "${pair%%:*}(1) does not refer to ${pair#*:}(1)"
done
rows=$(($(wc -l <"$src/data/rates.csv") - 1))
for n in $( (dpkg-deb -f "$deb" Description; files share/metainfo/org.quorvane.Quorvane.metainfo.xml) |
            grep -o '[0-9]\+ countries' | cut -d' ' -f1); do
    [ "$n" -le "$rows" ] || fail "a text claims $n countries; the shipped data has $rows"
done
depends=$(dpkg-deb -f "$deb" Depends)
for d in libqt6widgets6 libqt6network6 libsqlite3-0 qt6-qpa-plugins; do
    grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
lintian --fail-on error,warning "$deb" 2>&1 | grep -v "root privileges"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "lintian"
echo "$(basename "$deb") built; lintian finds no error or warning"
