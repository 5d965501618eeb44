#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the Windows installer under wine as scripts/test-windows.sh leaves it, once for everyone
# (Program Files) and once for the current user (%LOCALAPPDATA%\Programs): installs it silently; the
# programs, the Start menu entry and the Apps & features entry must be there, the installed programs
# must run and take their settings from %APPDATA%\Orvane; then the uninstaller registered there must
# leave the drive as it was before (but for Windows' temporary folder).
#   bash scripts/test-windows-installer.sh orvane-VERSION-setup.exe
# Uses the wine prefix in WINEPREFIX, with its server running.
set -euo pipefail
setup=$1
drive=${WINEPREFIX:?}/drive_c
uninstall_key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvane'

fail() { echo "installer test ($mode): $*" >&2; exit 1; }
windows_variable() { wine cmd /c echo "%$1%" | tr -d '\r'; }
unix_path() { winepath -u "$1"; }
# Every path on the drive but the temporary folders, where the uninstaller runs a copy of itself.
listing() { find "$drive" -path '*/Temp' -prune -o -print | sort; }
registry_value() {  # key, name
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}

appdata=$(unix_path "$(windows_variable APPDATA)")
settings_folder=$appdata/Orvane
[ ! -e "$settings_folder" ] || fail "$settings_folder exists before the test"
work=$(mktemp -d)
trap 'rm -rf "$work" "$settings_folder"' EXIT

for mode in AllUsers CurrentUser; do
    echo "   $mode"
    if [ "$mode" = AllUsers ]; then
        folder=$(unix_path "$(windows_variable ProgramW6432)\\Orvane")
        key=$uninstall_key
        start_menu=$(unix_path "$(windows_variable ProgramData)\\Microsoft\\Windows\\Start Menu\\Programs")
    else
        folder=$(unix_path "$(windows_variable LOCALAPPDATA)\\Programs\\Orvane")
        key=${uninstall_key/HKEY_LOCAL_MACHINE/HKEY_CURRENT_USER}
        start_menu=$appdata/Microsoft/Windows/Start\ Menu/Programs
    fi
    # Windows' known folder for programs of one user, which a fresh wine prefix lacks: the installer
    # would make it, and as a folder of Windows it stays.
    mkdir -p "$(unix_path "$(windows_variable LOCALAPPDATA)\\Programs")"
    listing >"$work/before"

    wine "$setup" /S "/$mode"
    for file in orvane.exe orvane-cli.exe readme.txt LICENSE uninstall.exe; do
        [ -f "$folder/$file" ] || fail "no $file in $folder"
    done
    [ -f "$start_menu/Orvane.lnk" ] || fail "no Start menu entry in $start_menu"
    [ "$(registry_value "$key" DisplayName)" = Orvane ] || fail "no Apps & features entry $key"

    # The installed programs keep their settings in %APPDATA%\Orvane: radians there, where the default
    # is degrees.
    mkdir -p "$settings_folder"
    printf '[Calculation]\r\nAngleMode=0\r\n' >"$settings_folder/Orvane.ini"
    result=$(wine "$folder/orvane-cli.exe" 'sin(90)' '6*7' | tr -d '\r' | tr '\n' ' ')
    [ "$result" = "0.893996663600558 42 " ] || fail "installed orvane-cli.exe calculated: $result"
    wine "$folder/orvane.exe" --help | grep -F 'AppData\Roaming\Orvane\Orvane.ini' >/dev/null ||
        fail "installed orvane.exe does not read %APPDATA%\\Orvane\\Orvane.ini"
    wine "$folder/orvane.exe" -platform offscreen --plot 'sin(x)' --export "$work/plot.png"
    [ -s "$work/plot.png" ] || fail "installed orvane.exe drew no picture"
    rm -rf "$settings_folder" "$work/plot.png"

    # As Apps & features runs it; the uninstaller goes on in a copy of itself after wine returns.
    uninstall=$(registry_value "$key" QuietUninstallString)
    eval "wine $(echo "$uninstall" | sed 's/\\/\\\\/g')"
    for _ in $(seq 60); do
        [ -e "$folder" ] || break
        sleep 1
    done
    if ! wine reg query "$key" >/dev/null 2>&1; then :; else fail "the uninstaller left $key"; fi
    listing >"$work/after"
    diff "$work/before" "$work/after" >&2 || fail "the uninstaller left the files above (>) or took (<)"
done
