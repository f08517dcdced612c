#!/usr/bin/env bash
# Starts the real program under a virtual X server from a fresh folder, types a
# calculation with xdotool, ends it with SIGTERM and checks the ecran.txt it leaves.
# Usage: talco_e2e.sh path/to/talco
set -euo pipefail

talco=$(readlink -f "${1:?usage: talco_e2e.sh path/to/talco}")

say() { echo "talco_e2e: $*" >&2; }
fail() {
    say "FAIL: $*"
    exit 1
}

# Run the rest on a display of our own. The search starts at a random display
# number so that parallel runs rarely race for the same one.
if [ -z "${TALCO_E2E_DISPLAY_READY:-}" ]; then
    for tool in xvfb-run xauth xdotool python3; do
        command -v "$tool" >/dev/null || fail "$tool is missing (script/bootstrap installs it)"
    done
    export TALCO_E2E_DISPLAY_READY=1
    exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 800x600x24 -nolisten tcp" \
        bash "$0" "$talco"
fi

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A copy keeps its files beside itself when its folder is writable: a first start.
cp "$talco" "$work/talco"
say "starting $work/talco on display $DISPLAY"
LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 LANGUAGE=fr QT_QPA_PLATFORM=xcb \
    "$work/talco" >"$work/talco.log" 2>&1 &
pid=$!

window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Talco$' | head -n 1) ||
    fail "no window named Talco within 15 s; the program said: $(cat "$work/talco.log")"
say "window $window"
timeout 10 xdotool windowfocus --sync "$window" || fail "could not give the window the focus"

# The sample tape fills rows 0 to 3; the focus waits in row 4.
timeout 20 xdotool type --delay 60 '1234.5+10=' || fail "xdotool could not type"
sleep 1

if command -v import >/dev/null; then
    shot="$(dirname "$talco")/talco_e2e.png"
    timeout 10 import -window root "$shot" && say "screenshot: $shot" ||
        say "no screenshot (import failed)"
fi

kill -TERM "$pid"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 10 s after SIGTERM"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM; the program said: $(cat "$work/talco.log")"
[ -f "$work/ecran.txt" ] || fail "no ecran.txt in $work"

# Windows-1252, CR LF, 100 lines; the French group separator is the byte A0.
python3 - "$work/ecran.txt" <<'EOF'
import sys

data = open(sys.argv[1], "rb").read()
rows = {
    0: b"\t13\xa0896,78",
    1: b"+\t756,00",
    2: b"+\t1\xa0256,25",
    3: b"=\t15\xa0909,03",
    4: b"\t1\xa0234,50",
    5: b"+\t10,00",
    6: b"=\t1\xa0244,50",
}
expected = b"".join(b"%d\t%s\r\n" % (i, rows.get(i, b"\t")) for i in range(100))
if data != expected:
    got = data.split(b"\r\n")
    want = expected.split(b"\r\n")
    for i, (g, w) in enumerate(zip(got, want)):
        if g != w:
            sys.exit(f"talco_e2e: FAIL: ecran.txt line {i}: got {g!r}, expected {w!r}")
    sys.exit(f"talco_e2e: FAIL: ecran.txt has {len(data)} bytes, expected {len(expected)}")
EOF
say "PASS"
