#!/usr/bin/env bash
# The shipped demo on an X server (Xvfb): a blade press in the title plays
# stage 1; after the first volley the field holds red enemies and their
# pink-rimmed shots, which an early picture of the empty field does not. Flown
# as recorded, the ship outlives the volleys of the first 25 seconds (left
# without its input it is hit within 13). Start and credit together return to
# the title, which holds neither enemies nor shots.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without Xvfb xdotool
make_program_folder "$1"
mkdir "$dir/demo"
cp "$2" "$dir/demo/"
start_xvfb
export SDL_AUDIODRIVER=dummy LP_NUM_THREADS=2

start_game
window=$(xdotool search --sync --limit 1 --name 'ORB-VOSTRELLE Z #501b') || fail "no window"
xdotool windowfocus --sync "$window"
sleep 0.5

# The volley enemies' red and their shots' pink rims, in the play field.
enemy_pixels() { count_pixels "$1" 160 0 640 480 'r > 200 && g < 90 && b > 50 && b < 140'; }

press a
wait_for 5 grep -qs "$(basename "$2") -> Start Replay." "$dir/log/events.txt" || fail "the demo did not start"
started=$SECONDS
sleep 3
screenshot
before=$(enemy_pixels "$shot")

# The first volley comes 8 s into the stage and fires from about 10 s on.
sleep 8
for attempt in 1 2 3 4 5 6; do
  screenshot
  during=$(enemy_pixels "$shot")
  (( during > before + 100 )) && break
  [ "$attempt" -lt 6 ] || fail "no enemies or shots in the demo ($during enemy pixels, $before before)"
  sleep 1
done

sleep $(( started + 25 - SECONDS > 0 ? started + 25 - SECONDS : 0 ))
grep -q 'Player Dying' "$dir/log/events.txt" && fail "the demo lost a ship: $(grep -m1 'Player Dying' "$dir/log/events.txt")"

press 1 3
sleep 0.5
screenshot
is_mark_red "$shot" && fail "still in the demo after start and credit"
title=$(enemy_pixels "$shot")
(( title <= before + 20 )) || fail "enemies in the title ($title enemy pixels)"

press Escape
expect_clean_exit
echo "shipped demo: OK ($before enemy pixels before the first volley, $during after, $title in the title)"
