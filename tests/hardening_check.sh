#!/usr/bin/env bash
# Checks that an ELF binary was built hardened: a position-independent
# executable, full RELRO, the stack protector linked in, and with
# --fortified also the fortified libc calls (__*_chk).
# Usage: hardening_check.sh BINARY [--fortified]
set -uo pipefail
bin=$1
fortified=${2:-}
failed=0
fail() { echo "FAIL $bin: $*"; failed=1; }

header=$(readelf -hW "$bin") || { echo "FAIL cannot read $bin"; exit 1; }
segments=$(readelf -lW "$bin")
dynamic=$(readelf -dW "$bin")
symbols=$(readelf -sW --dyn-syms "$bin")

grep -Eq 'Type:[[:space:]]+DYN' <<<"$header" || fail "not position-independent (Type is not DYN)"
grep -q 'GNU_RELRO' <<<"$segments" || fail "no GNU_RELRO segment"
grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic" || fail "no BIND_NOW: RELRO is only partial"
grep -Eq '\(FLAGS_1\).*PIE' <<<"$dynamic" || fail "not flagged PIE"
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no __stack_chk_fail: built without the stack protector"
if [ "$fortified" = --fortified ]; then
    grep -Eq '__[a-z0-9_]+_chk(@|[[:space:]]|$)' <<<"$(grep -v __stack_chk_fail <<<"$symbols")" ||
        fail "no fortified libc calls (__*_chk)"
fi
[ $failed -eq 0 ] && echo "ok $bin"
exit $failed
