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

need libexec/lastrino/lastrino-driver
need share/applications/$id.desktop
need share/metainfo/$id.metainfo.xml
need share/doc/lastrino/copyright
need share/man/man6/lastrino.6.gz
[[ $expected == *,lastrino,* ]] && need games/lastrino
[[ $expected == *,icon,* ]] && need share/icons/hicolor/scalable/apps/$id.svg
for f in libexec/lastrino/lastrino-driver games/lastrino; do
    if [ -e "$root/$f" ] && [ ! -x "$root/$f" ]; then echo "FAIL /usr/$f is not executable"; failed=1; fi
done

desktop-file-validate "$root/share/applications/$id.desktop" || failed=1
grep -qx 'Exec=lastrino' "$root/share/applications/$id.desktop" || { echo "FAIL Exec is not lastrino"; failed=1; }
grep -qx "Icon=$id" "$root/share/applications/$id.desktop" || { echo "FAIL Icon is not $id"; failed=1; }
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || failed=1

# The installed game starts, and a desktop can tie its window to the entry
# (by the window's class) and so to the installed icon.
if [[ $expected == *,lastrino,* && $expected == *,icon,* ]]; then
    class=$(sed -n 's/^StartupWMClass=//p' "$root/share/applications/$id.desktop")
    [ -n "$class" ] || { echo "FAIL the desktop entry names no StartupWMClass"; failed=1; }
    # On an X server of its own (tests/private_x.sh); the window has 30 s to map.
    props=$(timeout 60 "$(dirname "$0")/../tests/private_x.sh" 800x600 bash -c '
        "$1" & pid=$!
        for _ in $(seq 300); do
            info=$(xwininfo -name "Lastrino!" 2>/dev/null) && grep -q IsViewable <<<"$info" && break
            sleep 0.1
        done
        id=$(awk "/Window id:/ {print \$4; exit}" <<<"$info")
        [ -n "$id" ] && xprop -id "$id" WM_CLASS _NET_WM_ICON | head -n 3
        kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
        true' _ "$root/games/lastrino" 2>/dev/null) || true
    grep -q "WM_CLASS(STRING) = \"lastrino\", \"$class\"" <<<"$props" ||
        { echo "FAIL the installed game's window is not of class $class: $props"; failed=1; }
    grep -q '_NET_WM_ICON(CARDINAL)' <<<"$props" || { echo "FAIL the window has no icon"; failed=1; }
fi

[ $failed -eq 0 ] && echo "installed files ok"
exit $failed
