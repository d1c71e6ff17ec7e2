#!/usr/bin/env bash
# The program without any display refuses to run unless SDL's offscreen driver
# is asked for; with it, it starts, loads its assets, runs the title and, on
# SIGTERM (which SDL turns into a window-close event), shuts down normally.
set -euo pipefail
source "$(dirname "$0")/common.sh"
make_program_folder "$1"

# Without a display, and without asking for the offscreen driver, it says so in one line and fails.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy timeout 20 "$dir/vostrelle" \
  2>"$dir/stderr" || status=$?
[ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "without a display: exit status $status"
[ "$(wc -l <"$dir/stderr")" -eq 1 ] && grep -q '^No display' "$dir/stderr" || fail "without a display: no line saying so"

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy LP_NUM_THREADS=2
start_game
sleep 1
kill -TERM "$game"
expect_clean_exit

expect_full_device_log
grep -q '^globaldifficulty,-1' "$dir/vostrelle.ini" || fail "difficulty not stored"
grep -q '^scorename,e2e' "$dir/vostrelle.ini" || fail "score name lost"
echo "offscreen run: OK"
