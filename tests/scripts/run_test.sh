#!/usr/bin/env bash
# script/run in a copy of the repository's layout, with stand-ins for the installer, CMake
# and the program: a relative FILE is found from the folder script/run was called in, and
# the program's options pass as they are.
# Usage: run_test.sh SOURCE-FOLDER
set -euo pipefail
source=${1:?usage: run_test.sh SOURCE-FOLDER}

fake=$(mktemp -d)
trap 'rm -rf "$fake"' EXIT
mkdir -p "$fake/repo/script" "$fake/repo/build" "$fake/bin" "$fake/here"
cp "$source/script/run" "$fake/repo/script/run"
printf '#!/bin/sh\n' >"$fake/repo/script/bootstrap" # nothing to install
printf '#!/bin/sh\n' >"$fake/bin/cmake"             # nothing to build
# The program notes its arguments, one a line.
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/args"\n' "$fake" >"$fake/repo/build/talco"
chmod +x "$fake/repo/script/run" "$fake/repo/script/bootstrap" "$fake/bin/cmake" \
    "$fake/repo/build/talco"

failed=0
# check "EXPECTED ARGUMENTS, one a line" ARGS...: runs script/run from $fake/here.
check() {
    local want=$1
    shift
    rm -f "$fake/args"
    (cd "$fake/here" && PATH="$fake/bin:$PATH" ../repo/script/run "$@")
    local got
    got=$(cat "$fake/args")
    if [ "$got" != "$want" ]; then
        echo "run_test: FAIL: script/run $*: the program got '$got', expected '$want'" >&2
        failed=1
    fi
}

check "$fake/here/tape.kvt" tape.kvt
check "$fake/here/../my tape.kvt" ../my tape.kvt # one path, as the program joins its words
check "/srv/tapes/a.kvt" /srv/tapes/a.kvt
check "--version" --version
check "" # no file

[ "$failed" -eq 0 ] && echo "run_test: PASS"
exit "$failed"
