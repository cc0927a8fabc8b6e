#!/usr/bin/env bash
# Sets up, builds and starts Ulmaro.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build"
exec "$root/build/ulmaro"
