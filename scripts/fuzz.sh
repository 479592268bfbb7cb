#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for SECONDS (20 unless told), as many at once
# as there are cores. Fails when a target finds an input that breaks it; the input is kept
# in build-fuzz/fuzz/findings/. New inputs worth keeping accumulate in build-fuzz/fuzz/corpus/,
# so a later run goes on from there.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets by name, e.g. saved_game)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build-fuzz"
seconds=${1:-20}
shift $(($# > 0 ? 1 : 0))
# Allocation stacks are kept two frames deep: unwinding through Qt, which is built without
# frame pointers, makes nearly every allocation's stack a new one, and keeping them all grows a
# run of an hour past libFuzzer's 2 GB memory limit. A finding replayed by hand shows them whole.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:malloc_context_size=2
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
# The targets write their files on every input: a folder in memory keeps that cheap.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
CC=clang CXX=clang++ "$root/scripts/setup.sh" "$build_dir" --target fuzz -DVERTAN_FUZZ=ON -DVERTAN_BENCH=OFF \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

fuzz_dir="$build_dir/fuzz"
targets=("$@")
if ((${#targets[@]} == 0)); then
  for binary in "$fuzz_dir"/fuzz_*; do
    [ -f "$binary" ] && [ -x "$binary" ] && targets+=("${binary##*/fuzz_}")
  done
fi
mkdir -p "$fuzz_dir/findings" "$fuzz_dir/logs"

# Leaks are not looked for (detect_leaks=0 above); libFuzzer's own leak check would still run
# every input twice that leaves more allocated than it frees, as Qt's caches do.
run_target() {
  local name=$1
  mkdir -p "$fuzz_dir/corpus/$name"
  if "$fuzz_dir/fuzz_$name" -max_total_time="$seconds" -timeout=10 -max_len=65536 -print_final_stats=1 -detect_leaks=0 \
    -artifact_prefix="$fuzz_dir/findings/$name-" "$fuzz_dir/corpus/$name" "$fuzz_dir/seeds/$name" \
    >"$fuzz_dir/logs/$name.log" 2>&1; then
    echo "$name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$fuzz_dir/logs/$name.log" | grep -o '[0-9]*$') runs, no finding"
  else
    echo "$name: FINDING (log: $fuzz_dir/logs/$name.log)"
    tail -n 40 "$fuzz_dir/logs/$name.log"
    return 1
  fi
}
export -f run_target
export fuzz_dir seconds
status=0
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_target {}' | tee "$fuzz_dir/summary" || status=1
echo "fuzz: $(grep -c 'no finding' "$fuzz_dir/summary") passed, $(grep -c 'FINDING' "$fuzz_dir/summary") failed"
exit $status
