#!/usr/bin/env bash
# The program on an X server (Xvfb), played with real key presses (xdotool):
# a credit, a start, flying and every other key of the play, a screenshot, start and credit
# together (the play's replay is written), that replay copied to "demo" and
# started by the blade in the title, a screenshot of the playback, Esc.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without Xvfb xdotool
make_program_folder "$1"
start_xvfb
export SDL_AUDIODRIVER=dummy LP_NUM_THREADS=2

start_game
window=$(xdotool search --sync --limit 1 --name 'ORB-VOSTRELLE Z #501b') || fail "no window"
xdotool windowfocus --sync "$window"
xdotool mousemove --window "$window" 320 240
sleep 0.5

# non_black_in_strip <bmp>: how many of 48 points down the HUD strip are not black.
non_black_in_strip() {
  local y count=0
  for (( y = 5; y < 480; y += 10 )); do
    [ "$(pixel "$1" 80 "$y")" != "0 0 0" ] && count=$(( count + 1 ))
  done
  echo "$count"
}

# The menu: automatic reload off, then the harder course of stage 0.
press Up
press Right
press Down
press 3
press 1
sleep 1.2  # the weapons are ready a second after the start
xdotool keydown z Up
sleep 1
xdotool keyup Up keydown Right
sleep 1
xdotool keydown x
sleep 0.6  # a loaded machine may draw only a few frames in this time
xdotool keyup x Right keydown Left
sleep 1
xdotool keyup Left z
for key in Shift_L s d Control_L a; do press "$key"; done
press F11
wait_for 5 test "$(snapshots)" -ge 1 || fail "no screenshot"
play_shot=$(ls "$dir"/snapshot/*.bmp | head -1)
[ "$(stat -c %s "$play_shot")" -eq $(( 54 + 640 * 480 * 3 )) ] || fail "the screenshot is not 640 × 480"
[ "$(non_black_in_strip "$play_shot")" -ge 40 ] || fail "the HUD strip is missing from the screenshot"

press 1 3
wait_for 5 compgen -G "$dir/replay/*_0.dat" >/dev/null || fail "no replay written"
# Each gameplay key reached the recording: the seven flags after the two
# floats of the 15-byte frame records (shot, ray, blade, dash, reload, the
# rolls) are each set in some frame.
for flag in 0 1 2 3 4 5 6; do
  od -An -v -tu1 -w15 -j 84 "$dir"/replay/*_0.dat | awk -v f=$(( 9 + flag )) '$f == 1 { seen = 1 } END { exit !seen }' ||
    fail "input flag $flag never recorded"
done
mkdir "$dir/demo"
cp "$dir"/replay/*_0.dat "$dir/demo/"
# Back to the normal course and automatic reload on: the demo brings its own.
press Up
press Left
press Down

press a
wait_for 5 grep -q 'Start Replay.' "$dir/log/events.txt" || fail "the demo did not start"
# The scene fades in over two seconds first.
sleep 2
for attempt in 1 2 3 4; do
  press F11
  wait_for 5 test "$(snapshots)" -ge $(( attempt + 1 )) || fail "no screenshot of the playback"
  replay_shot=$(ls -t "$dir"/snapshot/*.bmp | head -1)
  is_mark_red "$replay_shot" && break
  [ "$attempt" -lt 4 ] || fail "no replay mark in the playback ($(pixel "$replay_shot" 569 446))"
  sleep 1
done
is_mark_red "$play_shot" && fail "a replay mark during the play"

press Escape
expect_clean_exit

expect_full_device_log
# Esc during the demo: the settings keep the player's own values, not the demo's.
grep -q '^globaldifficulty,-1' "$dir/vostrelle.ini" || fail "the player's difficulty was not kept"
grep -q '^automaticreload,1' "$dir/vostrelle.ini" || fail "the player's automatic reload was not kept"
grep -q 'Save Replay File.' "$dir/log/events.txt" || fail "no save in the events log"
echo "key-driven run: OK"
