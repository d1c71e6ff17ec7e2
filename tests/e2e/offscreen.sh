#!/usr/bin/env bash
# The program without any display (SDL's offscreen driver) starts, loads its
# assets, runs the title and, on SIGTERM (which SDL turns into a window-close
# event), shuts down normally.
set -euo pipefail
source "$(dirname "$0")/common.sh"
make_program_folder "$1"

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LP_NUM_THREADS=2
"$dir/vostrelle" 2>"$dir/stderr" &
pids+=($!)
wait_for 30 assets_loaded || fail "the assets did not load"
sleep 1
kill -TERM "${pids[0]}"
status=0
wait "${pids[0]}" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"

expect_full_device_log
grep -q '^globaldifficulty,-1' "$dir/vostrelle.ini" || fail "difficulty not stored"
grep -q '^scorename,e2e' "$dir/vostrelle.ini" || fail "score name lost"
echo "offscreen run: OK"
