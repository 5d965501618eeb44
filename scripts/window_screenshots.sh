#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the palettes, editor, preferences, about, info and plot windows in docs/ under
# Xvfb. Needs a built tree (cmake --preset dev), xvfb and imagemagick; with twm (and xfonts-base for its
# font) installed the windows get title bars.
set -euo pipefail
cd "$(dirname "$0")/.."
scenes=build/dev/tests/gui/window_scenes
screen=800x580
source scripts/screenshot_lib.sh

shoot palettes docs/palettes_window.png 790x260+0+0
shoot editor docs/edit_window.png 410x392+30+0
shoot preferences docs/preferences_window.png 320x350+30+0
shoot about docs/about_window.png 260x305+30+0
shoot info docs/info_window.png 335x175+30+0
shoot plot docs/plot_window.png 790x540+0+0
