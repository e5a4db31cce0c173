#!/usr/bin/env bash
# run-isolated.sh plain|window <program> [args...]
# Runs a test program with its own temporary folder and, in window mode, its
# own X server (Xvfb with Mesa's software OpenGL), so tests can run in parallel.
# VENDRIL_TEST_SCREEN gives the X screen's size (1280x1024x24 when unset).
# Windows open at their screen's own size (VENDRIL_SCALE=1) unless a test
# chooses a scale itself.
set -uo pipefail
mode=$1; shift

scratch=$(mktemp -d)
export TEMP=$scratch TMPDIR=$scratch
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
export VENDRIL_SCALE=${VENDRIL_SCALE:-1}

xvfb_pid=
cleanup() {
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

if [[ $mode == window ]]; then
  fifo=$scratch/display
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${VENDRIL_TEST_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$fifo" 2>"$scratch/xvfb.log" &
  xvfb_pid=$!
  read -r -t 20 display <"$fifo" || { echo "Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
  export DISPLAY=:$display
fi

"$@"
