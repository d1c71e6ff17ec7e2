#!/usr/bin/env bash
# Configures and builds one build tree: tools/build.sh <folder> [cmake options...]
set -euo pipefail
dir=$1; shift
cd "$(dirname "$0")/.."
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
