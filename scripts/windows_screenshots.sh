#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes docs/windows_main_window.png and docs/windows_plot_window.png: the orvane.exe that
# scripts/test-windows.sh built, under wine on Xvfb with openbox, typed at with xdotool as a person
# would (6*7 Enter in the main window; a formula of x, then Ctrl+Alt+P). Needs xvfb, openbox, xdotool
# and imagemagick. It has a wine prefix of its own: the tests' one puts Qt on the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEPREFIX=$PWD/build/wine-desktop WINEDEBUG=-all
program=$PWD/build/mingw/gui/orvane.exe
[ -x "$program" ] || { echo "run scripts/test-windows.sh first" >&2; exit 1; }

# shellcheck disable=SC2016  # expanded by the inner shell
xvfb-run -a -s "-screen 0 1280x1000x24" bash -c '
    set -euo pipefail
    openbox >/dev/null 2>&1 &
    sleep 2
    wine "$1" >/dev/null 2>&1 &
    main=$(xdotool search --sync --onlyvisible --name "^Orvane [0-9.]*$" | head -n 1)
    xdotool windowactivate --sync "$main"
    sleep 1
    xdotool type --delay 80 "6*7"
    xdotool key Return
    sleep 1
    import -frame -window "$main" docs/windows_main_window.png
    xdotool key ctrl+a
    xdotool type --delay 80 "x^3/20-x"
    xdotool key ctrl+alt+p
    plot=$(xdotool search --sync --onlyvisible --name "^Plot$" | head -n 1)
    sleep 3
    import -frame -window "$plot" docs/windows_plot_window.png
    xdotool windowclose "$main" 2>/dev/null || true
    wineserver -k
' screenshots "$program"
echo "docs/windows_main_window.png docs/windows_plot_window.png"
