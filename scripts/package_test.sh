#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installable program, from a built tree (cmake --preset dev): validates the desktop entry and the
# AppStream metadata, builds the Debian package and checks what it holds and depends on, and runs the
# programs unpacked from it into a temporary folder, in installed mode, with a temporary config folder.
# Needs desktop-file-utils, appstream, dpkg-dev and man-db (scripts/setup.sh test).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/dev
id=org.orvane.Orvane
version=$(sed -n 's/^project(Orvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { echo "FAILED: $*"; failed=$((failed + 1)); }
expect() {  # what, expected, actual
    if [ "$2" = "$3" ]; then pass; else fail "$1: expected '$2', got '$3'"; fi
}

echo "-- desktop entry and AppStream metadata"
if desktop-file-validate "data/$id.desktop"; then pass; else fail "desktop-file-validate"; fi
# In a UTF-8 locale, so that every note is printed, pedantic ones too.
if LC_ALL=C.UTF-8 appstreamcli validate --pedantic --no-net "data/$id.metainfo.xml"; then pass; else
    fail "appstreamcli validate"
fi
if grep -q "<release version=\"$version\"" "data/$id.metainfo.xml"; then pass; else
    fail "the AppStream metadata names no release $version"
fi

echo "-- Debian package"
(cd "$build" && cpack --config CPackConfig.cmake -B "$work/package" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/orvane_*.deb)
echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(usr/bin/orvane usr/bin/orvane-cli
          "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
          "usr/share/icons/hicolor/scalable/apps/$id.svg"
          usr/share/man/man1/orvane.1.gz usr/share/man/man1/orvane-cli.1.gz
          usr/share/doc/orvane/readme.txt usr/share/doc/orvane/LICENSE
          usr/share/doc/orvane/copyright usr/share/doc/orvane/changelog.gz)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${expected[@]}"; do
    if grep -qxF "./$file" <<<"$contents"; then pass; else fail "$file is not in the package"; fi
done
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    if dpkg-deb -f "$deb" Depends | grep -qw "$library"; then pass; else fail "no dependency on $library"; fi
done
# Debian's own checks of a package: no error and no warning (informational tags are allowed).
if lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
    pass
else
    cat "$work/lintian.log"
    fail "lintian found errors or warnings"
fi

echo "-- the package unpacked into a temporary folder"
root="$work/root"
dpkg-deb -x "$deb" "$root"
bin="$root/usr/bin"
export XDG_CONFIG_HOME="$work/config" XDG_CONFIG_DIRS="$work/xdg" QT_QPA_PLATFORM=offscreen
settings="Settings are read from $XDG_CONFIG_HOME/orvane/Orvane.ini"
expect "orvane-cli '2+3'" 5 "$("$bin/orvane-cli" '2+3')"
expect "orvane-cli --help" "$settings" "$("$bin/orvane-cli" --help | tail -n 1)"
expect "orvane --version" "orvane $version" "$("$bin/orvane" --version)"
expect "orvane --help" "$settings" "$("$bin/orvane" --help | tail -n 1)"
status=0
"$bin/orvane" --no-such-option 2>/dev/null || status=$?
expect "orvane --no-such-option exit status" 2 "$status"
for page in orvane orvane-cli; do
    expect "man page $page warnings" "" \
        "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
done

# Without a display the program says what to do and ends with status 3; a picture needs none.
status=0
message=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$bin/orvane" 2>&1) || status=$?
expect "orvane without a display" "3 orvane: no display found" "$status ${message%% (*}"
# ... and nothing on standard error, also where no runtime folder is set.
expect "--plot --export without a display says" "" "$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY \
    -u XDG_RUNTIME_DIR "$bin/orvane" --plot 'x^2' --export "$work/x2.png" 2>&1)"
if [ -s "$work/x2.png" ]; then pass; else fail "--plot --export without a display"; fi

# The desktop program starts and keeps running until it is ended.
"$bin/orvane" >"$work/orvane.log" 2>&1 &
pid=$!
sleep 3
if kill -0 "$pid" 2>/dev/null; then pass; else fail "orvane ended at start: $(cat "$work/orvane.log")"; fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# The windows, run from the installed bin/ folder, write the preferences into the config folder.
cp "$build/tests/gui/installed_check" "$bin/"
if "$bin/installed_check" >"$work/check.log" 2>&1; then pass; else cat "$work/check.log"; fail "installed_check"; fi
rm "$bin/installed_check"
if [ -f "$XDG_CONFIG_HOME/orvane/Orvane.ini" ] && [ ! -e "$bin/Orvane.ini" ]; then
    pass
else
    fail "the preferences were not written to $XDG_CONFIG_HOME/orvane/Orvane.ini alone"
fi

echo "package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
