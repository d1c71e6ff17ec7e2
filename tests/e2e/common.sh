# Shared by the end-to-end tests: a program folder of its own for the game
# (a copy of the program, since the program folder is the one the executable
# really lives in), and checks of what the game wrote there.

# make_test_folder: sets $dir, removed when the test ends.
make_test_folder() {
  dir=$(mktemp -d "${TMPDIR:-/tmp}/vostrelle-e2e.XXXXXX")
  trap 'stop_everything; rm -rf "$dir"' EXIT
}

# make_program_folder <executable>: a test folder with the program in it.
make_program_folder() {
  make_test_folder
  cp "$1" "$dir/vostrelle"
  printf 'scorename,e2e\r\nwindowmode,0\r\n' > "$dir/vostrelle.ini"
}

pids=()
stop_everything() {
  local pid
  for pid in "${pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
}

fail() {
  echo "FAILED: $*" >&2
  [ -f "$dir/log/d3d9.txt" ] && { echo "--- log/d3d9.txt" >&2; cat "$dir/log/d3d9.txt" >&2; }
  [ -f "$dir/stderr" ] && { echo "--- stderr" >&2; cat "$dir/stderr" >&2; }
  exit 1
}

# start_xvfb [screen]: a display of our own for the rest of the test.
start_xvfb() {
  local displayfd display
  exec {displayfd}<> <(:)
  Xvfb -displayfd "$displayfd" -screen 0 "${1:-1024x768x24}" -nolisten tcp 2>"$dir/xvfb.log" &
  pids+=($!)
  read -r -t 10 -u "$displayfd" display || fail "Xvfb did not start"
  export DISPLAY=":$display"
  unset SDL_VIDEODRIVER
}

# skip_without <command...>: ends the test as skipped when one is not installed.
skip_without() {
  local command
  for command in "$@"; do
    if ! command -v "$command" >/dev/null; then
      echo "skipped: $command is not installed"
      exit 77
    fi
  done
}

# wait_for <seconds> <command...>: polls the command every 50 ms.
wait_for() {
  local limit=$(( $1 * 20 )); shift
  local i
  for (( i = 0; i < limit; i++ )); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}

# The master loading is the last step before the title.
assets_loaded() {
  grep -A1 -x 'Load Master Model Binaries.' "$dir/log/d3d9.txt" 2>/dev/null | grep -qx ' -> Finished.'
}

# start_game: runs the program in the background (its id in $game) up to the title.
start_game() {
  "$dir/vostrelle" 2>"$dir/stderr" &
  game=$!
  pids+=("$game")
  wait_for 30 assets_loaded || fail "the assets did not load"
}

# expect_clean_exit: waits for the program to end and fails unless it ended normally.
expect_clean_exit() {
  local status=0
  wait "$game" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status"
}

# expect_lines_in_order <file> <line...>: each line appears, after the one before.
expect_lines_in_order() {
  local file=$1; shift
  local line
  while IFS= read -r line; do
    if [ $# -gt 0 ] && [ "$line" = "$1" ]; then shift; fi
  done < "$file"
  [ $# -eq 0 ] || fail "\"$1\" missing (or out of order) in $file"
}

# The device log of a whole run, start to end.
expect_full_device_log() {
  expect_lines_in_order "$dir/log/d3d9.txt" \
    "Create DirectInput8 Object." "Create Keyboard Device." "Create Direct3D9 Object." \
    "Initialize Direct3D9 Device (Primary)." "Initialize Render States." \
    "Load Master Texture Binaries." "Load Master Sound Binaries." "Load Master Model Binaries." \
    "Release KeyBoard Device." "Release Sound Device." "Release Mesh." "Release Direct3D9 Device."
}

# Key presses and screenshots on the X server of start_xvfb.

# press <key...>: held for a few frames, then released together.
press() {
  xdotool keydown "$@"
  sleep 0.15
  xdotool keyup "$@"
  sleep 0.15
}

snapshots() { { ls "$dir/snapshot" 2>/dev/null || true; } | wc -l; }

# screenshot: F11, then the path of the new picture in $shot.
screenshot() {
  local before
  before=$(snapshots)
  press F11
  wait_for 5 test "$(snapshots)" -gt "$before" || fail "no screenshot"
  shot=$(ls -t "$dir"/snapshot/*.bmp | head -1)
}

# pixel <bmp> <x> <y>: "r g b" of a pixel of a 640 × 480 24-bit bottom-up BMP.
pixel() {
  local bgr
  bgr=$(od -An -tu1 -j $(( 54 + ((479 - $3) * 640 + $2) * 3 )) -N 3 "$1")
  set -- $bgr
  echo "$3 $2 $1"
}

# count_pixels <bmp> <x0> <y0> <x1> <y1> <awk test of r, g, b>: pixels of the
# rectangle (x1, y1 excluded) that pass the test.
count_pixels() {
  od -An -tu1 -v -w3 -j 54 "$1" | awk -v x0="$2" -v y0="$3" -v x1="$4" -v y1="$5" '
    { x = (NR - 1) % 640; y = 479 - int((NR - 1) / 640); b = $1; g = $2; r = $3 }
    x >= x0 && x < x1 && y >= y0 && y < y1 && ('"$6"') { n++ }
    END { print n + 0 }'
}

# The replay mark's red arrow, drawn at (560, 430), covers (569, 446).
is_mark_red() {
  local r g b
  read -r r g b <<<"$(pixel "$1" 569 446)"
  (( r > 150 && r > 2 * g && r > 2 * b ))
}
