#!/usr/bin/env bash
# Full screen on an X server (Xvfb): another program's window that was moved
# during the run is back where it was once the game has quit.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without Xvfb xdotool xmessage
make_program_folder "$1"
printf 'scorename,e2e\r\nwindowmode,1\r\n' > "$dir/vostrelle.ini"
start_xvfb
export SDL_AUDIODRIVER=dummy LP_NUM_THREADS=2

xmessage -geometry +100+50 "another program" &
pids+=($!)
other=$(xdotool search --sync --limit 1 --name '^xmessage$') || fail "no other window"
position() { xdotool getwindowgeometry "$other" | sed -n 's/ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }
before=$(position)

"$dir/vostrelle" 2>"$dir/stderr" &
game=$!
pids+=($game)
wait_for 30 assets_loaded || fail "the assets did not load"
xdotool windowmove --sync "$other" 500 400
[ "$(position)" != "$before" ] || fail "the other window did not move"

window=$(xdotool search --sync --limit 1 --name 'ORB-VOSTRELLE Z #501b') || fail "no game window"
xdotool windowfocus --sync "$window"
xdotool key Escape
status=0
wait "$game" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(position)" = "$before" ] || fail "the other window stayed at $(position), not $before"
echo "window placements: OK"
