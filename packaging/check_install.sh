#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR under /usr and checks that every
# file lands where a desktop looks for it, and that the desktop entry and
# the AppStream metainfo pass their validators.
# Usage: check_install.sh BUILD_DIR EXPECTED   (EXPECTED: lastrino-driver,lastrino,icon)
set -euo pipefail
build=$1
expected=",$2,"
id=io.github.lastrino.Lastrino
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT

DESTDIR="$dest" cmake --install "$build" --prefix /usr >/dev/null
root="$dest/usr"
failed=0
need() { [ -e "$root/$1" ] || { echo "FAIL missing /usr/$1"; failed=1; }; }

need bin/lastrino-driver
need share/applications/$id.desktop
need share/metainfo/$id.metainfo.xml
need share/doc/lastrino/LICENSE
[[ $expected == *,lastrino,* ]] && need bin/lastrino
[[ $expected == *,icon,* ]] && need share/icons/hicolor/scalable/apps/$id.svg
for f in bin/lastrino-driver bin/lastrino; do
    if [ -e "$root/$f" ] && [ ! -x "$root/$f" ]; then echo "FAIL /usr/$f is not executable"; failed=1; fi
done

desktop-file-validate "$root/share/applications/$id.desktop" || failed=1
grep -qx 'Exec=lastrino' "$root/share/applications/$id.desktop" || { echo "FAIL Exec is not lastrino"; failed=1; }
grep -qx "Icon=$id" "$root/share/applications/$id.desktop" || { echo "FAIL Icon is not $id"; failed=1; }
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || failed=1

[ $failed -eq 0 ] && echo "installed files ok"
exit $failed
