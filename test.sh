#!/usr/bin/env bash
# Builds everything and runs every test: unit, headless game, end to end,
# then the whole suite again under the address and undefined-behaviour sanitizers,
# then every fuzz target for a short while (when clang is installed).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

tools/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"

tools/build.sh build-sanitize -DVOSTRELLE_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

tools/fuzz.sh 10
