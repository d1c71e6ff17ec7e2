#!/usr/bin/env bash
# Builds the game alone (./test.sh builds and runs everything else) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target vostrelle

# The settings file lives beside the program. The first run writes one with
# the login name as score name and the game in a window; an existing file,
# with whatever the player set in it, is left alone.
settings=build/vostrelle.ini
if [ ! -e "$settings" ]; then
  name=$(id -un 2>/dev/null || true)
  printf 'scorename,%s\r\nwindowmode,0\r\n' "${name:-player}" > "$settings"
fi
echo "Starting $PWD/build/vostrelle (settings: $PWD/$settings)"
exec build/vostrelle
