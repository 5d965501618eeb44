# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash disable=SC2154  # $scenes and $screen come from the script that sources this one
# What scripts/screenshots.sh and scripts/window_screenshots.sh share: sourced after they set $scenes
# (the program that shows one scene, named by its first argument) and $screen (the Xvfb screen's
# size, WIDTHxHEIGHT). ORVANE_SCENE_PALETTE=dark in the environment shows the scenes on a dark palette.
# The window manager is openbox, else twm, else none (the windows then have no title bars).
wm=$(command -v openbox || command -v twm || true)
twmrc=$(mktemp)
shot=$(mktemp --suffix=.png)
trap 'rm -f "$twmrc" "$shot"' EXIT
# twm needs fonts that a bare Xvfb has ("fixed"), leaves dialogs without a title bar unless told to
# decorate them, and would wait for a click to place each window without RandomPlacement and
# UsePPosition.
printf 'DecorateTransients\nRandomPlacement\nUsePPosition "on"\n' >"$twmrc"
for font in TitleFont ResizeFont MenuFont IconFont IconManagerFont; do echo "$font \"fixed\"" >>"$twmrc"; done

shoot() {  # scene, output, crop geometry
    xvfb-run -a -s "-screen 0 ${screen}x24" bash -c "
        case '$wm' in
            */openbox) '$wm' >/dev/null 2>&1 & sleep 1 ;;
            ?*) '$wm' -f '$twmrc' >/dev/null 2>&1 & sleep 1 ;;
        esac
        '$scenes' '$1' & pid=\$!
        sleep 3
        import -window root '$shot'
        kill \$pid"
    convert "$shot" -crop "$3" +repage "$2"
}

shoot_light_and_dark() {  # scene, output, crop geometry: the output and beside it OUTPUT_dark.png
    ORVANE_SCENE_PALETTE=light shoot "$1" "$2" "$3"
    ORVANE_SCENE_PALETTE=dark shoot "$1" "${2%.png}_dark.png" "$3"
}
