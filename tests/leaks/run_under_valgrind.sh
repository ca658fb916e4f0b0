#!/usr/bin/env bash
# Starts a program offscreen under memcheck, lets it paint its first frame and
# close, and fails on a definite or indirect leak, on any memory error, and
# when the program never reached its first frame.
#
#   run_under_valgrind.sh <program> [arguments...]
set -euo pipefail

# A fresh runtime folder (mktemp makes it 0700): the single-instance lock of
# a copy that runs on this desktop must not stop the one under test.
runtime="$(mktemp -d)"
trap 'rm -rf "$runtime"' EXIT
log="$runtime/stderr.txt"

status=0
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen CALC_QUIT_AFTER_FIRST_FRAME=1 \
    valgrind --leak-check=full --show-leak-kinds=definite,indirect \
    --errors-for-leak-kinds=definite,indirect --error-exitcode=99 --num-callers=40 \
    "$@" 2>"$log" || status=$?
cat "$log" >&2

if ((status != 0)); then
    echo "FAILED: exit status $status (99: memcheck found leaks or memory errors)" >&2
    exit 1
fi
if ! grep -q '^first-frame ' "$log"; then
    echo "FAILED: the program ended before its first frame was painted" >&2
    exit 1
fi
echo "no leak, no memory error"
