#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the palettes, editor, preferences, about, info, plot and History windows
# in docs/ under Xvfb. Needs a built tree (cmake --preset dev), xvfb and imagemagick; with openbox (or twm and
# xfonts-base) installed the windows get title bars. Each picture comes twice: on a light palette
# and, as NAME_dark.png, on a dark one.
set -euo pipefail
cd "$(dirname "$0")/.."
scenes=build/dev/tests/gui/window_scenes
screen=800x580
source scripts/screenshot_lib.sh

shoot_light_and_dark palettes docs/palettes_window.png 790x260+0+0
shoot_light_and_dark editor docs/edit_window.png 410x392+30+0
shoot_light_and_dark preferences docs/preferences_window.png 320x350+30+0
shoot_light_and_dark about docs/about_window.png 260x305+30+0
shoot_light_and_dark info docs/info_window.png 335x175+30+0
shoot_light_and_dark plot docs/plot_window.png 790x565+0+0
shoot_light_and_dark history docs/history_window.png 380x330+0+0
