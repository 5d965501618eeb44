#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Orvane (the app preset: the two programs, no tests). The desktop program
# needs a desktop session; without one this says so before it builds anything.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display found (DISPLAY and WAYLAND_DISPLAY are not set); start it in a desktop session." >&2
    echo "Without one, 'bash scripts/test.sh' builds and tests both programs, and orvane-cli needs no display." >&2
    exit 3
fi
bash scripts/setup.sh run
cmake --preset app >/dev/null
cmake --build --preset app -j "$(nproc)"
exec build/app/gui/orvane "$@"
