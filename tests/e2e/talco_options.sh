#!/usr/bin/env bash
# talco --help and --version answer on standard output and exit 0 without a display; with
# anything after them they are an error. Run with no display at all, as over ssh.
# Usage: talco_options.sh path/to/talco VERSION
set -euo pipefail
talco=${1:?usage: talco_options.sh path/to/talco VERSION}
version=${2:?usage: talco_options.sh path/to/talco VERSION}

fail() {
    echo "talco_options: FAIL: $*" >&2
    exit 1
}

out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# check EXPECTED-STATUS ARGS...: runs talco without a display; sets status.
check() {
    local want=$1
    shift
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$talco" "$@" >"$out" 2>"$err" ||
        status=$?
    [ "$status" -eq "$want" ] ||
        fail "talco $* exited with $status, expected $want; it said: $(cat "$out" "$err")"
}

check 0 --version
[ "$(cat "$out")" = "Talco $version" ] || fail "talco --version printed '$(cat "$out")'"
[ ! -s "$err" ] || fail "talco --version wrote to standard error: $(cat "$err")"

check 0 --help
head -n 1 "$out" | grep -q '^usage: talco \[FILE\]$' || fail "talco --help printed: $(cat "$out")"
grep -q -- '--version' "$out" || fail "talco --help does not name --version: $(cat "$out")"
[ ! -s "$err" ] || fail "talco --help wrote to standard error: $(cat "$err")"

check 2 --help extra.kvt
[ ! -s "$out" ] || fail "talco --help extra.kvt printed: $(cat "$out")"
grep -q -- '--help takes no other arguments\.$' "$err" || fail "talco --help extra.kvt said: $(cat "$err")"

echo "talco_options: PASS"
