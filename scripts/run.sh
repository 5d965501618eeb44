#!/usr/bin/env bash
# Sets up, builds and starts Orvane.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
exec build/dev/gui/orvane "$@"
