#!/usr/bin/env bash
# The replay file chooser on an X server (Xvfb): the real zenity, handed the
# X window of the program that asked, driven with xdotool. A path typed into
# it comes back whole; Escape gives none.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without Xvfb xdotool zenity
make_test_folder
start_xvfb
# No accessibility bus or settings daemon to look for; GTK's list of recent
# files goes into the test folder.
export NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory HOME=$dir
mkdir "$dir/my replays"
replay="$dir/my replays/run 1.dat"
: > "$replay"

# ask <command...>: runs the asking program, waits for its chooser, checks
# that the chooser was handed the program's window and runs the command to
# answer it; the program's answer is then in $dir/answer. (zenity's file
# chooser takes --attach but does not mark itself transient for the window.)
ask() {
  "$program" >"$dir/answer" 2>"$dir/stderr" &
  asker=$!
  pids+=("$asker")
  local chooser owner
  chooser=$(timeout 20 xdotool search --sync --onlyvisible --limit 1 --name '^Open$') || fail "no chooser"
  owner=$(xdotool search --limit 1 --name '^replay chooser owner$') || fail "no owner window"
  tr '\0' '\n' <"/proc/$(pgrep -P "$asker")/cmdline" | grep -qx -- "--attach=$owner" ||
    fail "the chooser was not handed the window $owner"
  xdotool windowfocus --sync "$chooser"
  "$@"
  wait "$asker" || fail "the asking program failed"
}

# A key the chooser may take only once it has caught up (a first Return after
# typing a path is not taken as the answer): pressed until the program ends.
press_until_answered() {
  wait_for 10 answered "$1" || fail "the chooser did not take $1"
}
answered() {
  xdotool key "$1"
  sleep 0.1
  ! kill -0 "$asker" 2>/dev/null
}

choose_by_path() {
  xdotool key ctrl+l
  xdotool type --delay 5 -- "$replay"
  press_until_answered Return
}

program=$1
ask choose_by_path
[ "$(cat "$dir/answer")" = "true [$replay]" ] || fail "chosen: $(cat "$dir/answer")"
ask press_until_answered Escape
[ "$(cat "$dir/answer")" = "false []" ] || fail "cancelled: $(cat "$dir/answer")"
grep -qx 'vostrelle: no replay file chosen' "$dir/stderr" || fail "no line about the cancel"
echo "replay file chooser: OK"
