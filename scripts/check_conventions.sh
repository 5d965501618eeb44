#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The conventions a reader relies on (CONTRIBUTING.md): every source file names its licence in its
# first lines, every CMakeLists.txt lists its sources by name, and a quoted include names the folder of
# its header unless the header is in the includer's own folder. Prints what breaks them; fails if any.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$PWD" ]; then
    mapfile -t files < <(git ls-files)
else
    mapfile -t files < <(find . \( -path ./build -o -path './fuzz/corpus*' -o -path ./.git \) -prune -o \
                              -type f -print | sed 's|^\./||' | sort)
fi

problems=0
problem() { echo "$1"; problems=$((problems + 1)); }

sources=()
for file in "${files[@]}"; do
    case "$file" in
        *.cpp | *.h | *.sh | *.py | *.cmake | CMakeLists.txt | */CMakeLists.txt | .ci/run) sources+=("$file") ;;
    esac
done

for file in $(awk 'FNR <= 2 && /SPDX-License-Identifier: GPL-3.0-or-later/ { seen[FILENAME] = 1 }
                   END { for (i = 1; i < ARGC; i++) if (!(ARGV[i] in seen)) print ARGV[i] }' "${sources[@]}"); do
    problem "$file: no SPDX-License-Identifier line at the top"
done
for file in $(grep -l "file(GLOB" $(printf '%s\n' "${sources[@]}" | grep 'CMakeLists.txt$') || true); do
    problem "$file: file(GLOB ...); list the sources by name"
done
# A bare name is the includer's own neighbour; the engine's shared pieces sit at the top of engine/src,
# its include root. Qt's generated .moc files are the build's.
while IFS=$'\t' read -r file header; do
    folder=$(dirname "$file")
    [ -e "$folder/$header" ] || [ -e "engine/src/$header" ] ||
        problem "$file: #include \"$header\" does not name its folder"
done < <(awk 'match($0, /^[ \t]*#[ \t]*include[ \t]*"[^"\/]*"/) {
                  header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
                  if (header !~ /\.moc$/) print FILENAME "\t" header }' \
          $(printf '%s\n' "${sources[@]}" | grep -E '\.(cpp|h)$'))

if [ "$problems" -gt 0 ]; then
    echo "check_conventions.sh: $problems problems (see CONTRIBUTING.md)"
    exit 1
fi
