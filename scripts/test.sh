#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test.
# With --sanitize the suite is built with clang and run under AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own. That build takes in the
# benchmarks and tools too: with the fuzz targets, which scripts/fuzz.sh builds, clang
# builds every target that g++ builds. A warning fails either build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"
# The tests and benchmarks are asked for by name: scripts/play.sh turns them off in the same
# build folder, and CMake keeps an option's last value, so the test programs built before
# would run again over the changed code.
options=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DVERTAN_TESTS=ON -DVERTAN_BENCH=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir="$root/build-sanitize"
  export CXX=clang++
  options+=(-DVERTAN_SANITIZE=ON)
  # CMake keeps the compiler a folder was first configured with: one set up for another
  # compiler is configured afresh.
  grep -qs '^CMAKE_CXX_COMPILER:.*/clang++$' "$build_dir/CMakeCache.txt" || options+=(--fresh)
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
"$root/scripts/setup.sh" "$build_dir" "${options[@]}"

# Formatting is not a debate: every source follows .clang-format.
if ! git -C "$root" ls-files '*.cpp' '*.h' | (cd "$root" && xargs clang-format --dry-run --Werror); then
  echo "Sources are not formatted: run clang-format -i on the files above." >&2
  exit 1
fi
log="$build_dir/ctest.log"
# A build that defines no tests passes nothing: finding none is a failure.
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --parallel "$(nproc)" --timeout 300 | tee "$log"
# A skipped test is a failure: what cannot run here must be made to run, not passed over.
if grep -q "The following tests did not run" "$log"; then
  echo "Tests were skipped (listed above): a test that cannot run here fails the run." >&2
  exit 1
fi
