#!/usr/bin/env bash
# Runs the real program on a virtual X server with a session bus of its own and the
# accessibility bus, as under a screen reader, and drives it through AT-SPI with
# talco_atspi.py: the keys "Seven" and "Equals" found by name and pressed, the result
# cell read back. Everything it starts is ended on the way out.
# Usage: talco_atspi.sh path/to/talco
set -euo pipefail

talco=$(readlink -f "${1:?usage: talco_atspi.sh path/to/talco}")
here=$(dirname "$(readlink -f "$0")")
# The system's Python, which has pyatspi, whatever python3 comes first on the PATH.
python=/usr/bin/python3

say() { echo "talco_atspi: $*" >&2; }
fail() {
    say "FAIL: $*"
    exit 1
}

# On a display and a session bus of our own.
if [ -z "${TALCO_ATSPI_READY:-}" ]; then
    for tool in xvfb-run xauth dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher "$python"; do
        command -v "$tool" >/dev/null || fail "$tool is missing (script/bootstrap installs it)"
    done
    "$python" -c 'import pyatspi' 2>/dev/null || fail "pyatspi is missing (script/bootstrap installs it)"
    export TALCO_ATSPI_READY=1
    exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 800x600x24 -nolisten tcp" \
        dbus-run-session -- bash "$0" "$talco"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The accessibility bus: asking the session bus for its address starts its launcher, and
# the registry is started on it when the program first calls. Both end with the session.
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >"$work/bus.log" 2>&1 && break
    sleep 0.1
done
grep -q 'string "unix:' "$work/bus.log" || fail "no accessibility bus within 5 s: $(cat "$work/bus.log")"

# A first start, in English, from a fresh folder.
cp "$talco" "$work/talco"
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 LANGUAGE=en QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/talco" >"$work/talco.log" 2>&1 &
pids+=($!)

status=0
timeout 60 "$python" "$here/talco_atspi.py" 20 || status=$?
[ "$status" -eq 0 ] || fail "the AT-SPI check ended with status $status; the program said: $(cat "$work/talco.log")"
