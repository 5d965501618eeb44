#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the engine, common, orvane-cli and their tests for 64-bit Windows with MinGW-w64 (GCC,
# POSIX threads, static) and runs them under wine: the program must show the same numbers and give the
# same output there as on Linux. Leaves build/mingw/orvane-cli-VERSION-windows-x86_64.zip with
# orvane-cli.exe and readme.txt. The Qt program is not built here (see the README).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

bash scripts/setup.sh windows

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

echo "== engine, common, orvane-cli and their tests for MinGW-w64"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANE_BUILD_GUI=OFF -DORVANE_BUILD_CLI=ON -DORVANE_BUILD_BENCH=OFF -DORVANE_WERROR=ON \
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
cmake --build "$build" -j "$jobs"

echo "== tests under wine"
ctest --test-dir "$build" -j "$jobs" --output-on-failure

echo "== orvane-cli for Windows"
version=$(sed -n 's/^project(Orvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
package=$build/orvane-cli-$version-windows-x86_64
rm -rf "$package" "$package.zip"
mkdir -p "$package"
x86_64-w64-mingw32-strip -o "$package/orvane-cli.exe" "$build/cli/orvane-cli.exe"
# Windows' Notepad before 2018 shows a file of LF line ends as one line.
sed 's/$/\r/' gui/readme.txt >"$package/readme.txt"
(cd "$package" && cmake -E tar cf "$package.zip" --format=zip orvane-cli.exe readme.txt)
wine "$package/orvane-cli.exe" --version
echo "Left $package.zip"
