#!/usr/bin/env bash
# talco-tape as a script sees it: the real program, its bytes and its exit status. The
# keys before a bad option are done, but no partial tape gets out: only a message.
set -uo pipefail
tape=$1
fail() {
    echo "talco_tape: $*" >&2
    exit 1
}
keys=(--locale fr_FR --keys '13896,78+756+1256,25=')

out=$("$tape" "${keys[@]}" | od -An -c | tr -s ' \n' ' ') || fail "the tape ended with status $?"
# Row 3 in Windows-1252 with CR LF: the no-break space is the single byte 240 (octal).
case "$out" in
*'\n 3 \t = \t 1 5 240 9 0 9 , 0 3 \r \n 4 '*) ;;
*) fail "row 3 is not the total in Windows-1252 with CR LF: $out" ;;
esac

written=$(mktemp)
trap 'rm -f "$written"' EXIT
err=$("$tape" "${keys[@]}" --bogus 2>&1 >"$written")
status=$?
bytes=$(wc -c <"$written")
[ "$status" -ne 0 ] || fail "a bad option ended with status 0"
[ "$bytes" -eq 0 ] || fail "a bad option still wrote $bytes bytes of tape"
[[ "$err" == *--bogus* ]] || fail "the message does not name the bad option: $err"
echo "talco_tape: PASS"
