#!/usr/bin/env bash
# Starts the real program under a virtual X server from a fresh folder, types a
# calculation and clicks another on the keypad with xdotool, switches to three
# decimals in the options window, closes it by its close button and checks the
# ecran.txt it leaves. Then: figures and a note written a few seconds before a kill -9
# are there at the next start; a restart under English settings keeps every value; and SIGTERM while
# a message box waits at start-up saves the tape and ends with status 0.
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
    for tool in xvfb-run xauth xdotool xprop python3 pdftotext; do
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

# A copy keeps its files beside itself when its folder is writable: a first start, in a
# session without a runtime folder (as under su or in a container), where Qt would complain.
cp "$talco" "$work/talco"
say "starting $work/talco on display $DISPLAY"
env -u XDG_RUNTIME_DIR LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 LANGUAGE=fr QT_QPA_PLATFORM=xcb \
    "$work/talco" >"$work/talco.log" 2>&1 &
pid=$!

window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Talco$' | head -n 1) ||
    fail "no window named Talco within 15 s; the program said: $(cat "$work/talco.log")"
say "window $window"
# The window manager gets the icon, from the compiled-in pixels, once the window is drawn.
# Read whole before it is searched: grep -q leaving early would end xprop with SIGPIPE.
icons=
for _ in $(seq 50); do
    icons=$(xprop -id "$window" _NET_WM_ICON 2>/dev/null || true)
    [[ $icons == *'Icon (64 x 64)'* ]] && break
    sleep 0.1
done
[[ $icons == *'Icon (16 x 16)'* ]] || fail "the window has no 16 x 16 icon: ${icons:0:200}"
[[ $icons == *'Icon (64 x 64)'* ]] || fail "the window has no 64 x 64 icon: ${icons:0:200}"
timeout 10 xdotool windowfocus --sync "$window" || fail "could not give the window the focus"

shots=$(dirname "$talco")
shoot() {
    command -v import >/dev/null || return 0
    timeout 10 import -window root "$shots/talco_e2e_$1.png" && say "screenshot: $shots/talco_e2e_$1.png" ||
        say "no screenshot (import failed)"
}

# A left click at a screen pixel, once the pointer is there.
click_at() {
    timeout 5 xdotool mousemove --sync "$1" "$2" click 1 || fail "xdotool could not click at $1,$2"
    sleep 0.2
}

# The window opens at screen pixel (100, 100), 2850 twips (190 px) wide and 469 px high;
# the keypad's keys are 32 px apart from (13, 469 - 169) in the window, each 30 px wide.
key() { click_at $((100 + 13 + 32 * $1 + 15)) $((100 + 300 + 32 * $2 + 15)); }

# The sample tape fills rows 0 to 3; the focus waits in row 4.
timeout 20 xdotool type --delay 60 '1234.5+10=' || fail "xdotool could not type"
sleep 0.5

# 2 + 3 = on the keypad: rows 7 to 9.
key 1 2 # 2
key 3 3 # +
key 2 2 # 3
key 2 3 # =
shoot keypad

# The options window opens against the main window's right edge; its "3 chiffres" box
# is 112 px (1680 twips) from its top, 16 px in.
click_at $((100 + 24)) $((100 + 452))
options=$(timeout 10 xdotool search --sync --onlyvisible --name '^Options$' | head -n 1) ||
    fail "no options window within 10 s"
geometry=$(timeout 5 xdotool getwindowgeometry --shell "$options") ||
    fail "no geometry for the options window"
eval "$geometry"
say "options window $options at $X,$Y"
[ "$X" -eq 290 ] && [ "$Y" -eq 100 ] || fail "options window at $X,$Y, expected 290,100"
click_at $((X + 16 + 8)) $((Y + 112 + 8))
shoot options

# Back to the tape: "=" on the empty row after the result reformats the whole tape.
timeout 5 xdotool mousemove --sync 150 200 || true
timeout 10 xdotool windowactivate --sync "$window" 2>/dev/null ||
    timeout 10 xdotool windowfocus --sync "$window" || fail "could not focus the window again"
timeout 10 xdotool type --delay 60 '=' || fail "xdotool could not type"
sleep 0.5
shoot end

# The close button, 167 px in and 3 px down.
click_at $((100 + 167 + 9)) $((100 + 3 + 9))
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 10 s after the close button"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status after the close button; the program said: $(cat "$work/talco.log")"
! grep -q XDG_RUNTIME_DIR "$work/talco.log" ||
    fail "the program complained about its runtime folder: $(cat "$work/talco.log")"
[ -f "$work/ecran.txt" ] || fail "no ecran.txt in $work"
grep -q '3CHIFFRES.1' "$work/params.txt" || fail "params.txt without 3 decimals: $(cat -A "$work/params.txt")"

# Windows-1252, CR LF, 100 lines; the French group separator is the byte A0.
python3 - "$work/ecran.txt" <<'EOF'
import sys

data = open(sys.argv[1], "rb").read()
rows = {
    0: b"\t13\xa0896,780",
    1: b"+\t756,000",
    2: b"+\t1\xa0256,250",
    3: b"=\t15\xa0909,030",
    4: b"\t1\xa0234,500",
    5: b"+\t10,000",
    6: b"=\t1\xa0244,500",
    7: b"\t2,000",
    8: b"+\t3,000",
    9: b"=\t5,000",
    11: b"=\t5,000",
}
expected = b"".join(b"%d\t%s\r\n" % (i, rows.get(i, b"\t")) for i in range(100))
expected += b"separators\tU+002C\tU+00A0\r\n"
if data != expected:
    got = data.split(b"\r\n")
    want = expected.split(b"\r\n")
    for i, (g, w) in enumerate(zip(got, want)):
        if g != w:
            sys.exit(f"talco_e2e: FAIL: ecran.txt line {i}: got {g!r}, expected {w!r}")
    sys.exit(f"talco_e2e: FAIL: ecran.txt has {len(data)} bytes, expected {len(expected)}")
EOF
# True when the file holds the bytes, written with Python's escapes (\r, \t, \xa0).
has_bytes() { # FILE ESCAPED
    python3 -c 'import sys; want = sys.argv[2].encode("latin-1").decode("unicode_escape").encode("latin-1"); sys.exit(want not in open(sys.argv[1], "rb").read())' "$1" "$2"
}

start_talco() { # LOCALE [ARGS...]
    local locale=$1
    shift
    LC_ALL=$locale LANG=$locale QT_QPA_PLATFORM=xcb "$work/talco" "$@" >"$work/talco.log" 2>&1 &
    pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Talco$' | head -n 1) ||
        fail "no window named Talco within 15 s; the program said: $(cat "$work/talco.log")"
    timeout 10 xdotool windowfocus --sync "$window" || fail "could not give the window the focus"
}

# Typed figures and a note reach ecran.txt within seconds: a kill -9 three seconds later
# loses nothing. F2 opens the note editor; Ctrl+Enter keeps the note.
start_talco fr_FR.UTF-8
timeout 5 xdotool key F2 || fail "xdotool could not press F2"
timeout 10 xdotool search --sync --onlyvisible --name '^Note$' >/dev/null || fail "no note editor after F2"
timeout 20 xdotool type --delay 60 'Essence' && timeout 5 xdotool key ctrl+Return ||
    fail "xdotool could not write the note"
sleep 0.5
timeout 20 xdotool type --delay 60 '5+5' || fail "xdotool could not type"
sleep 3
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
pid=
has_bytes "$work/ecran.txt" '\r\n12\t\t5\r\n13\t+\t5\r\n' &&
    has_bytes "$work/ecran.txt" '\r\nnote\t12\tEssence\r\n' ||
    fail "the figures typed before kill -9 are not in ecran.txt: $(cat -A "$work/ecran.txt" | sed -n 12,15p)"

# Under English settings the same tape keeps its values, and is saved in English.
start_talco en_US.UTF-8
click_at $((100 + 167 + 9)) $((100 + 3 + 9))
timeout 10 tail --pid="$pid" -f /dev/null || fail "still running 10 s after the close button"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status after the close button under English settings"
python3 - "$work/ecran.txt" <<'EOF'
import sys

lines = open(sys.argv[1], "rb").read().split(b"\r\n")
want = {
    0: b"0\t\t13,896.780",
    3: b"3\t=\t15,909.030",
    6: b"6\t=\t1,244.500",
    12: b"12\t\t5.000",
    13: b"13\t+\t5.000",
    100: b"separators\tU+002E\tU+002C",
    101: b"note\t12\tEssence",
}
for i, line in want.items():
    if lines[i] != line:
        sys.exit(f"talco_e2e: FAIL: under English, ecran.txt line {i}: got {lines[i]!r}, expected {line!r}")
EOF

# SIGTERM while the message about a refused command-line file waits: the tape (the
# sample, on this first start) is saved and the program ends with status 0.
mkdir "$work/fresh"
cp "$talco" "$work/fresh/talco"
printf '0\t\t1\0\r\n' >"$work/bad.kvt"
LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 QT_QPA_PLATFORM=xcb "$work/fresh/talco" "$work/bad.kvt" \
    >"$work/talco.log" 2>&1 &
pid=$!
timeout 15 xdotool search --sync --onlyvisible --name '^Attention$' >/dev/null ||
    fail "no message box about the refused file within 15 s"
kill -TERM "$pid"
timeout 10 tail --pid="$pid" -f /dev/null || fail "still running 10 s after SIGTERM"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM with a message box open"
has_bytes "$work/fresh/ecran.txt" '\r\n3\t=\t15\xa0909,03\r\n' ||
    fail "SIGTERM with a message box open left no tape in ecran.txt"

# A portable copy: exactly what README.md lists for one, copied from beside the program into
# a folder of its own, with no installed files anywhere near. It prints through its own
# print plugin; TALCO_PRINT_PDF sends the print to a PDF file instead of the print dialog.
readme=$(dirname "$(readlink -f "$0")")/../../README.md
mapfile -t portable < <(awk '/^A portable copy of Talco is/ { on = 1; next }
    on && /^- `/ { print; seen = 1; next }
    on && seen { exit }' "$readme" | sed 's/^- `\([^`]*\)`.*/\1/')
[ ${#portable[@]} -gt 0 ] || fail "README.md lists nothing for a portable copy"
say "portable copy: ${portable[*]}"
mkdir "$work/portable"
for item in "${portable[@]}"; do
    cp -r "$(dirname "$talco")/${item%/}" "$work/portable/" ||
        fail "README.md lists $item for a portable copy, which the build does not have"
done
TALCO_PRINT_PDF=$work/ticket.pdf LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 QT_QPA_PLATFORM=xcb \
    "$work/portable/talco" >"$work/talco.log" 2>&1 &
pid=$!
window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Talco$' | head -n 1) ||
    fail "the portable copy showed no window within 15 s: $(cat "$work/talco.log")"
# The Print button: 2270 twips (151 px) in, 3990 twips (266 px) down, 20 x 16 px.
click_at $((100 + 161)) $((100 + 274))
for _ in $(seq 100); do
    [ -s "$work/ticket.pdf" ] && break
    sleep 0.1
done
if [ ! -s "$work/ticket.pdf" ]; then
    shoot print
    fail "the portable copy wrote no PDF within 10 s: $(cat "$work/talco.log")"
fi
sleep 0.5 # the PDF is complete once the program is idle again
# Every row of the sample in the tape's order, then the first empty row as the dotted
# separator.
printed=$(pdftotext -layout "$work/ticket.pdf" - | sed 's/\xc2\xa0/ /g' | tr -s ' \n' '  ')
case "$printed" in
*"13 896,78 + 756,00 + 1 256,25 = 15 909,03 ......"*) ;;
*) fail "the printed ticket is not the sample tape in order: $printed" ;;
esac
kill -TERM "$pid"
timeout 10 tail --pid="$pid" -f /dev/null || fail "the portable copy still runs 10 s after SIGTERM"
wait "$pid" 2>/dev/null || true
pid=

say "PASS"
