#!/usr/bin/env bash
# Builds the game and its tests with gcc's coverage counters in a build folder of their own,
# runs the tests and prints the line coverage of every folder of sources (each room of app/,
# engine/, platform/) and of each top-level folder as a whole.
# Usage: scripts/coverage.sh [BUILD_DIR]   (default: build-coverage beside the sources)
# The e2e tests are left out: they drive the game under X displays. VERTAN_JOBS caps the
# build's and the tests' parallel jobs (default: every core).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(realpath -m "${1:-$root/build-coverage}")
jobs=${VERTAN_JOBS:-$(nproc)}

if ! dpkg-query -W -f='${Status}' gcovr 2>/dev/null | grep -q "install ok installed"; then
  echo "Installing: gcovr"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends gcovr
fi

# Unoptimised, so that every line the tests run counts as run.
VERTAN_JOBS=$jobs "$root/scripts/setup.sh" "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DVERTAN_BENCH=OFF \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage

# Counters of an earlier run would add up with this one's.
find "$build_dir" -name '*.gcda' -delete
status=0
ctest --test-dir "$build_dir" -E e2e --parallel "$jobs" --timeout 300 >"$build_dir/coverage-tests.log" 2>&1 || status=$?
sed -n '/tests passed/,$p' "$build_dir/coverage-tests.log"

filters=()
for folder in platform engine app dialogs; do
  [ -d "$root/$folder" ] && filters+=(--filter "$root/$folder/")
done
summary="$build_dir/coverage-summary.json"
# CMake's own probe of the compiler leaves counters of a source that is gone.
(cd "$root" && gcovr --root "$root" --object-directory "$build_dir" "${filters[@]}" -j "$jobs" \
  --exclude-directories "$build_dir/CMakeFiles/" --json-summary "$summary" >/dev/null)

python3 - "$summary" <<'PYTHON'
import json, os, sys
from collections import defaultdict

# Lines run and lines in all, by folder of sources and by top-level folder.
rooms = defaultdict(lambda: [0, 0])
tops = defaultdict(lambda: [0, 0])
for f in json.load(open(sys.argv[1]))["files"]:
    folder = os.path.dirname(f["filename"])
    for counts in (rooms[folder], tops[folder.split("/")[0] + "/"], tops["all"]):
        counts[0] += f["line_covered"]
        counts[1] += f["line_total"]

def show(name, counts):
    covered, total = counts
    print(f"{name:<16} {covered:>7} {total:>7} {100.0 * covered / max(total, 1):6.1f}%")

print(f"{'room':<16} {'covered':>7} {'lines':>7} {'cover':>7}")
for name in sorted(rooms):
    show(name + (" (root)" if any(r.startswith(name + "/") for r in rooms) else ""), rooms[name])
print("whole folders")
for name in sorted(tops):
    show(name, tops[name])
PYTHON
exit "$status"
