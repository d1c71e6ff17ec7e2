#!/usr/bin/env bash
# Full screen on an X server without a window manager (Xvfb): the window keeps
# its 640 × 480 however large SDL asked it to be, and shows the whole picture
# in it, centred on the screen, not a corner of one scaled for the screen.
set -euo pipefail
source "$(dirname "$0")/common.sh"
skip_without Xvfb python3
make_program_folder "$1"
printf 'scorename,e2e\r\nwindowmode,1\r\n' > "$dir/vostrelle.ini"
start_xvfb 1280x800x24
export SDL_AUDIODRIVER=dummy LP_NUM_THREADS=2
start_game
sleep 1

# Of the points down the HUD strip (picture x 80) and beside the picture, how
# many are not black on the screen: "<strip> <left> <right>".
counts=$(python3 - <<'PYTHON'
import ctypes
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = x.XGetImage.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = x.XGetPixel.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_int] * 2 + [ctypes.c_uint] * 2 + [ctypes.c_ulong, ctypes.c_int]
x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
display = x.XOpenDisplay(None)
root = x.XDefaultRootWindow(display)
lit = lambda px, py: x.XGetPixel(x.XGetImage(display, root, px, py, 1, 1, 0xFFFFFF, 2), 0, 0) & 0xFFFFFF != 0
print(sum(lit(400, 165 + 10 * i) for i in range(48)), sum(lit(300, 165 + 10 * i) for i in range(48)),
      sum(lit(980, 165 + 10 * i) for i in range(48)))
PYTHON
)
read -r strip left right <<<"$counts"
[ "$strip" -ge 40 ] || fail "the HUD strip is not at the centred picture's left: $counts"
[ "$left" -eq 0 ] && [ "$right" -eq 0 ] || fail "something drawn beside the centred picture: $counts"
kill -TERM "$game"
expect_clean_exit
echo "full screen without a window manager: OK"
