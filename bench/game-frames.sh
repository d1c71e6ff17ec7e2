#!/usr/bin/env bash
# Frame times of the real program on an X server of its own (Xvfb), as a
# player without a GPU driver sees them (Mesa llvmpipe, LP_NUM_THREADS=2
# unless set): the idle title, the shipped stage 1 demo and stage 0 from its
# start, side by side in one run, each window measured `rounds` times in turn.
# For each: frames per second, the share of frames over 20 ms (swap to swap)
# and the CPU time of the whole process (all threads) per frame.
#   bench/game-frames.sh <vostrelle> <demo/stage1.dat> [seconds per window] [rounds]
set -euo pipefail
program=$1 demo=$2 seconds=${3:-30} rounds=${4:-2}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../tests/e2e/common.sh"
skip_without Xvfb xdotool g++
make_program_folder "$program"
mkdir "$dir/demo"
cp "$demo" "$dir/demo/"
g++ -O2 -shared -fPIC -o "$dir/swaptimer.so" "$here/frametime/SwapTimer.cpp" -ldl
start_xvfb
export SDL_AUDIODRIVER=dummy LP_NUM_THREADS=${LP_NUM_THREADS:-2} SWAP_TIMES="$dir/swaps"
marks="$dir/marks"
: > "$marks"

# measure <name>: notes the window of the next $seconds seconds.
measure() {
  local from=$EPOCHREALTIME
  sleep "$seconds"
  echo "$1 $from $EPOCHREALTIME" >> "$marks"
}

LD_PRELOAD="$dir/swaptimer.so" start_game
window=$(xdotool search --sync --limit 1 --name 'ORB-VOSTRELLE Z #501b') || fail "no window"
xdotool windowfocus --sync "$window"
sleep 2
for (( round = 0; round < rounds; round++ )); do
  measure title
  press a
  wait_for 5 grep -qs "Start Replay" "$dir/log/events.txt" || fail "the demo did not start"
  sleep 2
  measure stage1-demo
  press 1 3
  sleep 1
  press 3
  press 1
  sleep 2
  measure stage0
  press 1 3
  sleep 2
done
press Escape
expect_clean_exit

python3 - "$dir/swaps" "$marks" <<'PY'
import sys
swaps = [tuple(int(v) for v in line.split()) for line in open(sys.argv[1])]
rows = {}
for line in open(sys.argv[2]):
    name, start, end = line.split()
    start, end = float(start) * 1e9, float(end) * 1e9
    inside = [s for s in swaps if start <= s[0] <= end]
    gaps = [(b[0] - a[0]) / 1e6 for a, b in zip(inside, inside[1:])]
    row = rows.setdefault(name, [0, 0.0, 0, 0.0])
    row[0] += len(gaps)
    row[1] += (inside[-1][0] - inside[0][0]) / 1e9
    row[2] += sum(g > 20.0 for g in gaps)
    row[3] += (inside[-1][1] - inside[0][1]) / 1e6
print(f"{'window':12} {'fps':>6} {'>20ms':>7} {'cpu ms/frame':>13}")
for name, (frames, wall, slow, cpu) in rows.items():
    print(f"{name:12} {frames / wall:6.1f} {100 * slow / frames:6.1f}% {cpu / frames:13.2f}")
if 'stage0' in rows and 'stage1-demo' in rows:
    ratio = (rows['stage0'][3] / rows['stage0'][0]) / (rows['stage1-demo'][3] / rows['stage1-demo'][0])
    print(f"stage 0 CPU per frame / stage 1 demo's: {ratio:.2f}")
PY
