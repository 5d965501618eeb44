#!/usr/bin/env bash
# Takes the screenshots of the palettes, editor, preferences, about, info and plot windows in docs/ under
# Xvfb. Needs a built tree (cmake --preset dev); with twm installed the windows get title bars.
set -euo pipefail
cd "$(dirname "$0")/.."
scenes=build/dev/tests/gui/window_scenes
wm=$(command -v twm || true)
# twm leaves dialogs without a title bar unless told to decorate them, and would wait for a click to
# place each window without RandomPlacement and UsePPosition.
twmrc=$(mktemp)
trap 'rm -f "$twmrc"' EXIT
printf 'DecorateTransients\nRandomPlacement\nUsePPosition "on"\n' >"$twmrc"

shoot() {  # scene, output, crop geometry
    xvfb-run -a -s "-screen 0 800x580x24" bash -c "
        if [ -n '$wm' ]; then '$wm' -f '$twmrc' >/dev/null 2>&1 & sleep 1; fi
        '$scenes' '$1' & pid=\$!
        sleep 3
        import -window root /tmp/orvane-window-shot.png
        kill \$pid"
    convert /tmp/orvane-window-shot.png -crop "$3" +repage "$2"
    rm -f /tmp/orvane-window-shot.png
}

shoot palettes docs/palettes_window.png 790x260+0+0
shoot editor docs/edit_window.png 410x392+30+0
shoot preferences docs/preferences_window.png 320x350+30+0
shoot about docs/about_window.png 260x305+30+0
shoot info docs/info_window.png 335x175+30+0
shoot plot docs/plot_window.png 790x540+0+0
