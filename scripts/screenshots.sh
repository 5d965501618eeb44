#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the main window in docs/ under Xvfb: after a calculation, the progress
# window over the disabled main window during a long one, a parse error's box, a stale result and a
# memory key's feedback. Needs a built tree (cmake --preset dev), xvfb and imagemagick; with openbox (or
# twm and xfonts-base) installed the windows get title bars. Each picture comes twice: on a light
# palette and, as NAME_dark.png, on a dark one.
set -euo pipefail
cd "$(dirname "$0")/.."
scenes=build/dev/tests/gui/screenshot_scenes
screen=700x460
source scripts/screenshot_lib.sh

shoot_light_and_dark main docs/main_window.png 500x250+0+0
shoot_light_and_dark progress docs/progress_window.png 640x380+0+0
shoot_light_and_dark error docs/parse_error.png 500x250+0+0
shoot_light_and_dark stale docs/stale_result.png 500x250+0+0
shoot_light_and_dark stored docs/memory_key.png 500x250+0+0
