#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Orvane for 64-bit Windows with MinGW-w64 (GCC, POSIX threads, static) and tests it under
# wine: the engine, common, orvane-cli and the desktop program orvane with their tests (the windows on
# Qt's offscreen platform), and orvane --plot ... --export against the Linux picture. The program must
# show the same numbers and give the same output there as on Linux. Qt for MinGW comes from
# scripts/build-qt-mingw.sh (built once, then cached). Leaves in build/mingw/
#   orvane-VERSION-windows-x86_64.zip   orvane.exe, orvane-cli.exe, readme.txt and LICENSE (portable)
#   orvane-VERSION-setup.exe            the installer (data/orvane.nsi), installed, run and uninstalled
#                                       here silently, for everyone and for the current user
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

bash scripts/setup.sh windows
start=$SECONDS

toolchain=$root/cmake/mingw-w64-x86_64.cmake
gtest_build=$root/build/mingw-googletest
build=$root/build/mingw
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix}
export WINEDEBUG=-all
# wine takes the Windows code page from the locale: without a UTF-8 one, file names beyond ASCII
# (the tests make a folder "Ørvane Ω") cannot be made. C.UTF-8 is on every Debian system.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

echo "== GoogleTest for MinGW-w64"
if [ ! -f "$gtest_build/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
    cmake -S /usr/src/googletest -B "$gtest_build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest_build/install" >/dev/null
    cmake --build "$gtest_build" -j "$jobs"
    cmake --install "$gtest_build" >/dev/null
fi

echo "== Qt for MinGW-w64"
qt_prefix=$(bash scripts/build-qt-mingw.sh)

echo "== engine, common, orvane-cli, orvane and their tests for MinGW-w64"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANE_BUILD_GUI=ON -DORVANE_BUILD_CLI=ON -DORVANE_BUILD_BENCH=OFF -DORVANE_WERROR=ON \
    -DCMAKE_PREFIX_PATH="$qt_prefix" -DQT_HOST_PATH=/usr \
    -DGTest_DIR="$gtest_build/install/lib/cmake/GTest" >/dev/null
# One wine server and its services for the whole run, started here with their output elsewhere: by
# default the server ends a moment after its last program, and a test that starts just then loses
# its connection ("recvmsg: Connection reset by peer"); services started by a test would hold that
# test's output open, and ctest would wait for it for ever.
wineserver -k 2>/dev/null || true  # the prefix is this build's own
wineboot --init </dev/null >/dev/null 2>&1 || true  # makes the prefix on the first run
wineserver -w
wineserver -p </dev/null >/dev/null
trap 'wineserver -k 2>/dev/null || true' EXIT
wineboot </dev/null >/dev/null 2>&1 || true
# wine does not pass on the QT_ variables of the environment: the Qt programs (the window tests, the
# installed orvane.exe) take them from the prefix's. The offscreen platform needs no display; Qt's
# messages go to standard error, not to the Windows debugger.
wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d offscreen /f >/dev/null
wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f >/dev/null
# On Windows the offscreen platform reads fonts from one folder, not the system's: DejaVu Sans, the
# font the Linux tests and docs/plot.png are drawn with.
fonts=$build/fonts
mkdir -p "$fonts"
ln -sf /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf "$fonts/"
wine reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(winepath -w "$fonts")" /f >/dev/null
cmake --build "$build" -j "$jobs"

echo "== tests under wine"
ctest --test-dir "$build" -j "$jobs" --output-on-failure

echo "== orvane --plot ... --export under wine"
# The picture of the README's command, drawn by the Linux program into docs/plot.png: the same size
# here (the fonts differ, so not every pixel).
plot=$build/plot.png
rm -f "$plot"
wine "$build/gui/orvane.exe" -platform offscreen --plot '1/(x-2)' --plot 'x^3/20-x' --from -6 --to 6 \
    --export "$plot"
png_size() { od -An -tx1 -j16 -N8 "$1" | tr -d ' \n'; }  # width and height from the IHDR chunk
if [ "$(png_size "$plot")" != "$(png_size docs/plot.png)" ]; then
    echo "orvane.exe drew $plot in another size than docs/plot.png" >&2
    exit 1
fi
if command -v compare >/dev/null; then  # ImageMagick's, where it is installed
    echo "   $(compare -metric AE "$plot" docs/plot.png null: 2>&1 || true) of its 400000 pixels differ from docs/plot.png"
fi

echo "== the zip"
version=$(sed -n 's/^project(Orvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
package=$build/orvane-$version-windows-x86_64
rm -rf "$package" "$package.zip"
mkdir -p "$package"
x86_64-w64-mingw32-strip -o "$package/orvane.exe" "$build/gui/orvane.exe"
x86_64-w64-mingw32-strip -o "$package/orvane-cli.exe" "$build/cli/orvane-cli.exe"
# Windows' Notepad before 2018 shows a file of LF line ends as one line.
sed 's/$/\r/' gui/readme.txt >"$package/readme.txt"
sed 's/$/\r/' LICENSE >"$package/LICENSE"
(cd "$package" && cmake -E tar cf "$package.zip" --format=zip orvane.exe orvane-cli.exe readme.txt LICENSE)
wine "$package/orvane-cli.exe" --version
echo "Left $package.zip"

echo "== the installer"
setup=$build/orvane-$version-setup.exe
size_kb=$(du -ck "$package"/* | tail -n 1 | cut -f 1)
makensis -V2 -DVERSION="$version" -DFILES="$package" -DICON="$build/gui/orvane.ico" -DSIZE_KB="$size_kb" \
    -DOUTFILE="$setup" data/orvane.nsi
bash scripts/test-windows-installer.sh "$setup"
echo "Left $setup"
echo "test-windows.sh took $(((SECONDS - start) / 60))m$(((SECONDS - start) % 60))s"
