#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh build
if [ ! -x build/vostrelle ]; then
  echo "Built the engine; the game program itself is not part of this build yet."
  exit 0
fi
exec build/vostrelle
