#!/usr/bin/env bash
# Takes the screenshots in docs/ under Xvfb: the main window after a calculation, and the progress
# window over the disabled main window during a long one. Needs a built tree (cmake --preset dev),
# xvfb and imagemagick;
# with twm installed the windows get title bars.
set -euo pipefail
cd "$(dirname "$0")/.."
scenes=build/dev/tests/gui/screenshot_scenes
wm=$(command -v twm || true)

shoot() {  # scene, output, crop geometry
    xvfb-run -a -s "-screen 0 700x460x24" bash -c "
        if [ -n '$wm' ]; then '$wm' -f /dev/null >/dev/null 2>&1 & sleep 1; fi
        '$scenes' '$1' & pid=\$!
        sleep 3
        import -window root /tmp/orvane-shot.png
        kill \$pid"
    convert /tmp/orvane-shot.png -crop "$3" +repage "$2"
    rm -f /tmp/orvane-shot.png
}

shoot main docs/main_window.png 500x250+0+0
shoot progress docs/progress_window.png 540x360+0+0
