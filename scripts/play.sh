#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" -DVERTAN_TESTS=OFF -DVERTAN_BENCH=OFF
exec "$root/build/game/vertan"
