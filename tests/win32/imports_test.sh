#!/usr/bin/env bash
# lastrino.exe is one file: it may load only DLLs that every Windows has
# (OLEACC, OLE32 and OLEAUT32 serve screen readers).
set -euo pipefail
exe=$1/lastrino.exe
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print toupper($3)}')
[ -n "$dlls" ] || { echo "FAIL: no imports read from $exe"; exit 1; }
status=0
for dll in $dlls; do
    case $dll in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | OLEACC.DLL | OLE32.DLL | OLEAUT32.DLL | MSVCRT.DLL | UCRTBASE.DLL | API-MS-WIN-CRT-*) ;;
    *) echo "FAIL: $exe needs $dll"; status=1 ;;
    esac
done
echo "imports:" $dlls
exit $status
