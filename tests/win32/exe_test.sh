#!/usr/bin/env bash
# lastrino.exe is one file that loads only DLLs every Windows has (OLEACC,
# OLE32 and OLEAUT32 serve screen readers), and carries its resources: the
# icon group (its 256-pixel frame a PNG), the version information and a
# PerMonitorV2 manifest, in at most 1.2 MB.
set -euo pipefail
exe=$1/lastrino.exe
status=0
problem() { echo "FAIL: $*"; status=1; }
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}')
[ -n "$dlls" ] || problem "no imports read from $exe"
grep -vxE '(KERNEL32|USER32|GDI32|COMCTL32|OLEACC|OLE32|OLEAUT32|MSVCRT|UCRTBASE|API-MS-WIN-CRT-.*)\.DLL' <<<"$dlls" |
    while read -r dll; do echo "FAIL: $exe needs $dll"; done | grep . && status=1
[ -n "$(wrestool -l --type=14 "$exe")" ] || problem "no icon group"
[ "$(wrestool -x --raw --type=3 "$exe" | LC_ALL=C grep -ca IHDR)" -gt 0 ] || problem "no icon frame is a PNG"
size=$(stat -c %s "$exe")
[ "$size" -le 1200000 ] || problem "$exe is $size bytes, more than 1.2 MB"
version=$(sed -n 's/^project(lastrino VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
texts=$(wrestool -x --raw --type=16 "$exe" | strings -el)
for want in "Lastrino!" "Lastrino!, il gioco delle tessere scorrevoli" "$version"; do
    grep -qxF "$want" <<<"$texts" || problem "no \"$want\" in the version information"
done
grep -q '<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>' <<<"$(wrestool -x --raw --type=24 "$exe")" || problem "no PerMonitorV2 manifest"
exit $status
