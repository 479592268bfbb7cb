#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for SECONDS (20 unless told), as many at once
# as there are cores. Fails when a target finds an input that breaks it; the input is kept
# in build-fuzz/fuzz/findings/. Fails too when a source of fuzz/ with an entry point has no
# target built from it, or when a target asked for was not built: a target left out of the
# build is not fuzzed. New inputs worth keeping accumulate in build-fuzz/fuzz/corpus/, so a
# later run goes on from there.
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
# The targets the build defines, a line "<target> <source of its entry point>" each.
built="$fuzz_dir/targets.txt"
[ -f "$built" ] || {
  echo "fuzz: $built is missing: the build defined no fuzz targets" >&2
  exit 1
}
status=0
while read -r source; do
  if ! cut -d' ' -f2 "$built" | grep -qxF "$source"; then
    echo "fuzz: no target is built from fuzz/$source"
    status=1
  fi
done < <(grep -l LLVMFuzzerTestOneInput "$root"/fuzz/*.cpp | xargs -n 1 basename)
targets=("$@")
((${#targets[@]})) || mapfile -t targets < <(cut -d' ' -f1 "$built")
((${#targets[@]})) || {
  echo "fuzz: no target to run" >&2
  exit 1
}
mkdir -p "$fuzz_dir/findings" "$fuzz_dir/logs"

# Leaks are not looked for (detect_leaks=0 above); libFuzzer's own leak check would still run
# every input twice that leaves more allocated than it frees, as Qt's caches do.
run_target() {
  local name=$1
  if ! cut -d' ' -f1 "$built" | grep -qxF "$name" || [ ! -x "$fuzz_dir/fuzz_$name" ]; then
    echo "$name: NOT BUILT"
    return 1
  fi
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
export fuzz_dir built seconds
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'run_target {}' | tee "$fuzz_dir/summary" || status=1
passed=$(grep -c 'no finding$' "$fuzz_dir/summary" || true)
echo "fuzz: $passed passed, $((${#targets[@]} - passed)) failed"
[ "$passed" -eq "${#targets[@]}" ] || status=1
exit $status
