#!/usr/bin/env bash
# Takes the screenshots of the main window in docs/ under Xvfb: after a calculation, the progress
# window over the disabled main window during a long one, a parse error's box, a stale result and a
# memory key's feedback. Needs a built tree (cmake --preset dev), xvfb and imagemagick; with twm (and
# xfonts-base for its font) installed the windows get title bars.
set -euo pipefail
cd "$(dirname "$0")/.."
scenes=build/dev/tests/gui/screenshot_scenes
wm=$(command -v twm || true)
# twm needs fonts that a bare Xvfb has ("fixed"), and would wait for a click to place each window
# without RandomPlacement and UsePPosition.
twmrc=$(mktemp)
trap 'rm -f "$twmrc"' EXIT
printf 'DecorateTransients\nRandomPlacement\nUsePPosition "on"\n' >"$twmrc"
for font in TitleFont ResizeFont MenuFont IconFont IconManagerFont; do echo "$font \"fixed\"" >>"$twmrc"; done

shoot() {  # scene, output, crop geometry
    xvfb-run -a -s "-screen 0 700x460x24" bash -c "
        if [ -n '$wm' ]; then '$wm' -f '$twmrc' >/dev/null 2>&1 & sleep 1; fi
        '$scenes' '$1' & pid=\$!
        sleep 3
        import -window root /tmp/orvane-shot.png
        kill \$pid"
    convert /tmp/orvane-shot.png -crop "$3" +repage "$2"
    rm -f /tmp/orvane-shot.png
}

shoot main docs/main_window.png 500x250+0+0
shoot progress docs/progress_window.png 640x380+0+0
shoot error docs/parse_error.png 500x250+0+0
shoot stale docs/stale_result.png 500x250+0+0
shoot stored docs/memory_key.png 500x250+0+0
