#!/usr/bin/env bash
# Fuzzes every parser of outside data: tools/fuzz.sh [seconds per target, default 60].
# FUZZ_JOBS targets run at a time (default 2). Without clang it says so and fuzzes nothing.
# Each target keeps its corpus in build-fuzz/runs/<target>/ from run to run. A finding fails
# the run and its input is copied to tests/fuzz/<target>/, which ctest runs from then on.
set -euo pipefail
seconds=${1:-60}
jobs=${FUZZ_JOBS:-2}
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang is not installed, nothing fuzzed"
  exit 0
fi
targets=(settings replay png_to_bmp bmp ogg_to_wave wave xfile map_grid resources)

# The normal build generates the assets the fuzzers start from.
tools/build.sh build >/dev/null
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVOSTRELLE_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzzers -j "$(nproc)" >/dev/null
rm -rf build-fuzz/seeds
build/fuzz_seeds build/generated/assets build-fuzz/seeds

fuzz_one() {
  local target=$1 seconds=$2 run=build-fuzz/runs/$1
  rm -rf "$run/findings"
  mkdir -p "$run/corpus" "$run/findings"
  if build-fuzz/fuzz/fuzz_"$target" "$run/corpus" "build-fuzz/seeds/$target" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$run/findings/" >"$run/log" 2>&1; then
    echo "fuzz_$target: $(grep -o 'number_of_executed_units: [0-9]*' "$run/log" | grep -o '[0-9]*') runs," \
         "$(grep -o 'average_exec_per_sec: *[0-9]*' "$run/log" | grep -o '[0-9]*')/s, no finding"
  else
    mkdir -p "tests/fuzz/$target"
    cp "$run"/findings/* "tests/fuzz/$target/" 2>/dev/null || true
    echo "fuzz_$target: FINDING (log: $run/log), input kept in tests/fuzz/$target/"
    return 1
  fi
}
export -f fuzz_one

printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c "fuzz_one {} $seconds"
