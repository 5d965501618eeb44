#!/usr/bin/env bash
# Sets up, builds and starts Orvane (the app preset: the two programs, no tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake --preset app >/dev/null
cmake --build --preset app -j "$(nproc)"
exec build/app/gui/orvane "$@"
