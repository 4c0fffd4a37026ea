#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs
# each for a set time on a working copy of its starting corpus (the copy grows
# from run to run; the repository's corpus is never changed). Fails when a
# target finds a crash, a hang, a leak, undefined behaviour or a broken check:
# the input that shows it is left in <build>/artifacts/.
# Usage: tools/fuzz.sh [build folder] [seconds per target]
set -euo pipefail

build=${1:-build-fuzz}
seconds_per_target=${2:-300}
targets=(ini_reader round_trip)

cmake -S . -B "$build" -G Ninja -DDATEVANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"

mkdir -p "$build/artifacts" "$build/logs"
status=0
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  for file in fuzz/corpus/"$target"/*; do
    [ -e "$corpus/${file##*/}" ] || cp "$file" "$corpus/"
  done
  log="$build/logs/$target.log"
  echo "Fuzzing $target for $seconds_per_target s (log: $log)"
  if "$build/fuzz/fuzz_$target" -max_total_time="$seconds_per_target" -max_len=8192 -timeout=10 \
       -print_final_stats=1 -dict=fuzz/ini.dict -artifact_prefix="$build/artifacts/$target-" \
       "$corpus" >"$log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|^stat::average_exec_per_sec' "$log" || true
  else
    status=1
    tail -n 40 "$log"
    echo "fuzz_$target found a fault; reproduce it with: $build/fuzz/fuzz_$target $build/artifacts/$target-*" >&2
  fi
done
exit $status
