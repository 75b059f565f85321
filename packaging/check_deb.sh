#!/usr/bin/env bash
# Builds the .deb with CPack and checks its contents and control fields, and
# that lintian finds nothing to say at its default level.
# Usage: check_deb.sh BUILD_DIR EXPECTED   (EXPECTED: lastrino-driver,lastrino,icon)
set -euo pipefail
build=$1
expected=",$2,"
id=io.github.lastrino.Lastrino
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAIL cpack"; exit 1; }
debs=("$out"/lastrino_*.deb)
[ -f "${debs[0]}" ] || { cat "$out/cpack.log"; echo "FAIL no .deb made"; exit 1; }
deb=${debs[0]}
contents=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
failed=0
has() {  # mode-prefix path
    grep -Eq "^$1[^ ]* \\./usr/$2\$" <<<"$contents" || { echo "FAIL the .deb lacks /usr/$2"; failed=1; }
}

has -rwxr-xr-x libexec/lastrino/lastrino-driver
has -rw-r--r-- share/applications/$id.desktop
has -rw-r--r-- share/metainfo/$id.metainfo.xml
[[ $expected == *,lastrino,* ]] && has -rwxr-xr-x games/lastrino
[[ $expected == *,icon,* ]] && has -rw-r--r-- share/icons/hicolor/scalable/apps/$id.svg

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = lastrino ] || { echo "FAIL Package: $(field Package)"; failed=1; }
[ "$(field Section)" = games ] || { echo "FAIL Section: $(field Section)"; failed=1; }
[ -n "$(field Maintainer)" ] || { echo "FAIL no Maintainer"; failed=1; }
[ -n "$(field Description)" ] || { echo "FAIL no Description"; failed=1; }
# dpkg-shlibdeps writes versioned library packages; a hand-written list
# would not know the versions.
depends=$(field Depends)
grep -Eq 'libc6 \(>= [0-9]' <<<"$depends" || { echo "FAIL Depends lacks a versioned libc6: $depends"; failed=1; }
grep -Eq 'libstdc\+\+6 \(>= [0-9]' <<<"$depends" || { echo "FAIL Depends lacks libstdc++6: $depends"; failed=1; }
if [[ $expected == *,lastrino,* ]]; then
    grep -Eq 'libqt6widgets6[^,]*\(>= [0-9]' <<<"$depends" || { echo "FAIL Depends lacks Qt Widgets: $depends"; failed=1; }
fi

# lintian says nothing for a package it has no errors or warnings for.
report=$(lintian "$deb" 2>/dev/null) || true
[ -z "$report" ] || { echo "FAIL lintian:"; echo "$report"; failed=1; }

[ $failed -eq 0 ] && echo "$(basename "$deb") ok: Depends: $depends"
exit $failed
