#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static, release Qt 6.4.2 (qtbase only: Core, Gui, Widgets, PrintSupport, Test, the windows
# and offscreen platform plugins) and a static QCustomPlot for 64-bit Windows with MinGW-w64 (GCC,
# POSIX threads), from Debian's own sources (apt-get source), so that the Qt program can be
# cross-built here as one .exe without DLLs. Qt's host tools (moc, rcc, uic) are Debian's
# qt6-base-dev-tools of the same version.
#
#   bash scripts/build-qt-mingw.sh                  builds what is missing; prints the prefix last
#   bash scripts/build-qt-mingw.sh --print-prefix   only prints the prefix (status 1: not built yet)
#
# The result lives outside the checkout, in ${XDG_CACHE_HOME:-~/.cache}/orvane/, in a folder named
# by the Qt version and a hash of this script and the MinGW toolchain file, comment lines left out: a
# change to either builds afresh, otherwise a run takes a second. The folder appears complete or not at all (built beside it,
# renamed when done). Progress and step times go to stderr; stdout gets the prefix only, so
#   qt_prefix=$(bash scripts/build-qt-mingw.sh)
# works. Use the prefix with the project's toolchain file:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_PREFIX_PATH="$qt_prefix" \
#         -DQT_HOST_PATH=/usr ...
# (QT_HOST_PATH=/usr and its CMake folder are also the defaults this Qt recorded.) The offscreen
# platform plugin is linked only on request: qt_import_plugins(TARGET INCLUDE
# Qt6::QOffscreenIntegrationPlugin); the windows one and the windowsvista style come by themselves.
# A cold build compiles about a thousand files; the log of the last build is kept beside the prefix
# (build-qt-mingw.log).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

qt_version=6.4.2
toolchain=$root/cmake/mingw-w64-x86_64.cmake
hash=$(cat "$root/scripts/build-qt-mingw.sh" "$toolchain" | grep -v '^[[:space:]]*#' | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/orvane
name=qt-$qt_version-mingw-$hash
prefix=$cache/$name
# Debian's host Qt: its CMake packages are in the multiarch folder, where find_package under a cross
# toolchain does not look by itself.
host_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

case "${1:-}" in
    --print-prefix) echo "$prefix"; [ -d "$prefix" ]; exit ;;
    "") ;;
    *) echo "usage: build-qt-mingw.sh [--print-prefix]" >&2; exit 2 ;;
esac

say() { echo "$*" >&2; }
if [ -d "$prefix" ]; then
    say "Qt $qt_version for MinGW-w64 is already built: $prefix"
    echo "$prefix"
    exit 0
fi

bash scripts/setup.sh windows >&2

mkdir -p "$cache"
# One build at a time; a second run waits, then finds the first one's result.
exec 9>"$cache/.build-qt-mingw.lock"
flock 9
if [ -d "$prefix" ]; then
    say "Qt $qt_version for MinGW-w64 was built meanwhile: $prefix"
    echo "$prefix"
    exit 0
fi
# Under the lock no other build runs: what a killed build left is garbage.
rm -rf "$cache"/.qt-*.tmp.*

work=$(mktemp -d "$cache/.$name.tmp.XXXXXX")
log=$cache/build-qt-mingw.log
: >"$log"
failed_step=""
finish() {
    local status=$?
    if [ "$status" -ne 0 ]; then
        say ""
        say "FAILED${failed_step:+ in: $failed_step} (status $status). The end of $log:"
        tail -n 40 "$log" >&2 || true
    fi
    rm -rf "$work"
}
trap finish EXIT

jobs=$(nproc)
start=$SECONDS
step_start=$SECONDS
step_name=""
elapsed() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }
step() {
    [ -z "$step_name" ] || say "   done in $(elapsed $((SECONDS - step_start)))"
    step_name=$1
    failed_step=$1
    step_start=$SECONDS
    say "== $1 (at $(elapsed $((SECONDS - start))))"
    echo "== $1" >>"$log"
}
# Runs a command with its output in the log.
logged() { "$@" >>"$log" 2>&1; }
# Runs a build with its output in the log, and a line on stderr every 5 % (or every minute) of
# ninja's [done/total] count.
with_progress() {
    local next=5 last=$SECONDS line n total pct
    "$@" 2>&1 | while IFS= read -r line; do
        printf '%s\n' "$line" >>"$log"
        if [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
            n=${BASH_REMATCH[1]} total=${BASH_REMATCH[2]}
            pct=$((n * 100 / total))
            if [ "$pct" -ge "$next" ] || [ $((SECONDS - last)) -ge 60 ]; then
                say "   $step_name: $pct % ($n/$total) after $(elapsed $((SECONDS - step_start)))"
                last=$SECONDS
                while [ "$next" -le "$pct" ]; do next=$((next + 5)); done
            fi
        fi
    done
}

say "Building Qt $qt_version (qtbase) and QCustomPlot for MinGW-w64 into $prefix"

step "Debian's source packages"
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
if [ "${host_qt%%+*}" != "$qt_version" ]; then
    say "Debian's qt6-base-dev is $host_qt, this script builds Qt $qt_version: its host tools must match."
    exit 1
fi
# A deb-src line for each deb line of the system's sources (one-line .list or deb822 .sources).
debsrc=/etc/apt/sources.list.d/orvane-deb-src.list
sources=()
[ ! -f /etc/apt/sources.list ] || sources+=(/etc/apt/sources.list)
for f in /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ ! -f "$f" ] || [ "$f" = "$debsrc" ] || sources+=("$f")
done
wanted=$({
    echo "# Source packages from the same mirrors and suites, for scripts/build-qt-mingw.sh (Orvane)."
    for f in "${sources[@]}"; do
        case "$f" in
        *.sources)
            awk '
                function flush() {
                    if (types ~ /(^| )deb( |$)/ && enabled != "no")
                        for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++)
                            printf "deb-src%s %s %s %s\n", (signed ~ /^\// ? " [signed-by=" signed "]" : ""),
                                uri[u], suite[s], comps
                    types = ""; nu = 0; ns = 0; comps = ""; signed = ""; enabled = ""
                }
                /^[ \t]*#/ || /^[ \t]+[^ \t]/ { next }  # comments; continued fields (an inline key)
                /^[ \t]*$/ { flush(); next }
                {
                    key = tolower($1); sub(/:$/, "", key); $1 = ""; sub(/^[ \t]+/, ""); val = $0
                    if (key == "types") types = val
                    else if (key == "uris") nu = split(val, uri, " ")
                    else if (key == "suites") ns = split(val, suite, " ")
                    else if (key == "components") comps = val
                    else if (key == "signed-by") signed = val
                    else if (key == "enabled") enabled = tolower(val)
                }
                END { flush() }' "$f" ;;
        *) sed -n 's/^[[:space:]]*deb[[:space:]]\+/deb-src /p' "$f" ;;
        esac
    done
})
if [ "$(cat "$debsrc" 2>/dev/null)" != "$wanted" ]; then
    printf '%s\n' "$wanted" >"$debsrc"
    say "   wrote $debsrc"
fi
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -x "Version: $host_qt" >/dev/null; then
    logged apt-get update
fi
mkdir "$work/src"
# As root apt would hand the download to the user _apt, who may not write here.
(cd "$work/src" && logged apt-get source -o APT::Sandbox::User=root "qt6-base=$host_qt" qcustomplot)
qtbase_src=$(echo "$work"/src/qt6-base-"$qt_version"*/)
qcp_src=$(echo "$work"/src/qcustomplot-*/)
[ -f "$qtbase_src/CMakeLists.txt" ] && [ -f "$qcp_src/qcustomplot.cpp" ]
qcp_version=$(cd "$qcp_src" && dpkg-parsechangelog -S Version)

step "configuring qtbase"
# Only what the program and its tests use: no SQL, network, D-Bus, OpenGL, Vulkan, Concurrent or Xml
# modules, no JPEG/GIF/ICO plugins (PNG stays, inside QtGui), no ODF or Markdown text formats, no
# tray icon or undo stack, no direct2d platform plugin (Direct2D itself stays: Qt 6.4 builds its
# DirectWrite font engine, which the windows plugin and PrintSupport use, only with it). Debian's
# repacked source lacks src/3rdparty/wintab, which tablet events on Windows need. The bundled third-party code (zlib, libpng, FreeType, HarfBuzz, PCRE2,
# double-conversion) is built in; nothing comes from the host. FreeType is what the offscreen
# plugin draws text with on Windows.
qt_options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_MANUAL_TESTS=OFF
    -DFEATURE_pkg_config=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_androiddeployqt=OFF -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_systemtrayicon=OFF -DFEATURE_undocommand=OFF
)
cross_options=(
    -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir"
)
logged cmake -S "$qtbase_src" -B "$work/build-qtbase" "${cross_options[@]}" "${qt_options[@]}"

step "building qtbase"
with_progress cmake --build "$work/build-qtbase" --parallel "$jobs"

step "installing qtbase"
# Into a staging folder, with the final prefix as the paths Qt records; renamed into place last.
stage=$work/stage
DESTDIR=$stage logged cmake --install "$work/build-qtbase"

step "QCustomPlot $qcp_version"
mkdir "$work/qcustomplot"
cat >"$work/qcustomplot/CMakeLists.txt" <<'EOF'
# SPDX-License-Identifier: GPL-3.0-or-later
# QCustomPlot as a static library, found as Debian's libqcustomplot-dev is found:
# find_package(QCustomPlotQt6) gives QCustomPlotQt6::QCustomPlotQt6.
cmake_minimum_required(VERSION 3.25)
project(QCustomPlotQt6 VERSION 2.1.0 LANGUAGES CXX)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
set(CMAKE_AUTOMOC ON)
add_library(QCustomPlotQt6 STATIC ${QCP_SOURCE_DIR}/qcustomplot.cpp ${QCP_SOURCE_DIR}/qcustomplot.h)
target_link_libraries(QCustomPlotQt6 PUBLIC Qt6::Widgets Qt6::PrintSupport)
target_include_directories(QCustomPlotQt6 INTERFACE $<INSTALL_INTERFACE:include>)
install(TARGETS QCustomPlotQt6 EXPORT QCustomPlotQt6Targets ARCHIVE DESTINATION lib)
install(FILES ${QCP_SOURCE_DIR}/qcustomplot.h DESTINATION include)
install(EXPORT QCustomPlotQt6Targets NAMESPACE QCustomPlotQt6:: DESTINATION lib/cmake/QCustomPlotQt6)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/QCustomPlotQt6Config.cmake [[
include(CMakeFindDependencyMacro)
find_dependency(Qt6 COMPONENTS Widgets PrintSupport)
include(${CMAKE_CURRENT_LIST_DIR}/QCustomPlotQt6Targets.cmake)
]])
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/QCustomPlotQt6ConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/QCustomPlotQt6Config.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/QCustomPlotQt6ConfigVersion.cmake DESTINATION lib/cmake/QCustomPlotQt6)
EOF
logged cmake -S "$work/qcustomplot" -B "$work/build-qcustomplot" "${cross_options[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$stage$prefix" -DQCP_SOURCE_DIR="$qcp_src"
with_progress cmake --build "$work/build-qcustomplot" --parallel "$jobs"
DESTDIR=$stage logged cmake --install "$work/build-qcustomplot"

step "finishing"
{
    echo "Built by scripts/build-qt-mingw.sh (hash $hash) on $(date -u +%Y-%m-%dT%H:%M:%SZ)"
    echo "qtbase: Debian source qt6-base $host_qt; QCustomPlot: Debian source qcustomplot $qcp_version"
    echo "compiler: $(x86_64-w64-mingw32-g++-posix --version | head -n 1)"
    echo "qtbase options: ${qt_options[*]}"
} >"$stage$prefix/orvane-build-info.txt"
mv -T "$stage$prefix" "$prefix"
failed_step=""
say "   done in $(elapsed $((SECONDS - step_start)))"
say "Qt $qt_version for MinGW-w64 built in $(elapsed $((SECONDS - start))): $prefix"
echo "$prefix"
