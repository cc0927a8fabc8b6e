#!/usr/bin/env bash
# Sets up, builds and starts Ulmaro.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build" -DULMARO_WERROR=OFF
exec "$root/build/ulmaro"
