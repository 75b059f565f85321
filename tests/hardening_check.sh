#!/usr/bin/env bash
# Checks that an ELF binary was built hardened: a position-independent
# executable, full RELRO, the stack protector linked in, and with
# --fortified also the fortified libc calls (__*_chk).
# Usage: hardening_check.sh BINARY [--fortified]
set -uo pipefail
bin=$1
elf=$(readelf -hldW --dyn-syms "$bin") || { echo "FAIL cannot read $bin"; exit 1; }
failed=0
want() { grep -Eq "$1" <<<"$elf" || { echo "FAIL $bin: $2"; failed=1; }; }
want 'Type:[[:space:]]+DYN' "not position-independent (Type is not DYN)"
want 'GNU_RELRO' "no GNU_RELRO segment"
want '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' "no BIND_NOW: RELRO is only partial"
want '\(FLAGS_1\).*PIE' "not flagged PIE"
want '__stack_chk_fail' "no __stack_chk_fail: built without the stack protector"
# __stack_chk_fail is not one of them: no "@" or blank follows its "_chk".
[ "${2:-}" != --fortified ] || want '__[a-z0-9_]+_chk(@|[[:space:]]|$)' "no fortified libc calls (__*_chk)"
[ $failed -eq 0 ] && echo "ok $bin"
exit $failed
