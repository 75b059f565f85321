#!/usr/bin/env bash
# lastrino.exe is one file that loads only DLLs every Windows has (OLEACC,
# OLE32 and OLEAUT32 serve screen readers), and carries its resources: the
# icon group, the version information and a PerMonitorV2 manifest.
set -euo pipefail
exe=$1/lastrino.exe
status=0
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}')
[ -n "$dlls" ] || { echo "FAIL: no imports read from $exe"; exit 1; }
for dll in $dlls; do
    case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | OLEACC.DLL | OLE32.DLL | OLEAUT32.DLL | MSVCRT.DLL | \
        UCRTBASE.DLL | API-MS-WIN-CRT-*) ;;
    *) echo "FAIL: $exe needs $dll"; status=1 ;;
    esac
done
echo "imports:" $dlls

# Resource types at the top of the tree: 0xe icon group, 0x10 version, 0x18 manifest.
types=$(x86_64-w64-mingw32-objdump -x "$exe" | sed -n '/The .rsrc Resource Directory section/,$p' |
    sed -n 's/^[0-9a-f]\{3\}   Entry: ID: 0x0*\([0-9a-f]*\),.*/\1/p')
for type in e 10 18; do
    grep -qx "$type" <<<"$types" || { echo "FAIL: no resource of type 0x$type"; status=1; }
done
version=$(sed -n 's/^project(lastrino VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
texts=$(strings -el "$exe")
for want in "Lastrino!" "Lastrino!, il gioco delle tessere scorrevoli" "$version"; do
    grep -qxF "$want" <<<"$texts" || { echo "FAIL: no \"$want\" in the version information"; status=1; }
done
grep -q '<dpiAwareness[^>]*>PerMonitorV2</dpiAwareness>' <<<"$(strings "$exe")" || { echo "FAIL: no PerMonitorV2 manifest"; status=1; }
exit $status
