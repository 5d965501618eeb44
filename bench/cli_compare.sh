#!/usr/bin/env bash
# orvane-cli against bc -l and a python3 eval loop (and qalc, when installed) on the same 100,000
# short formulas piped through one process each, in one run. Prints the best of three runs of each
# tool, the time per formula and the machine's load before and after.
#
# Usage: bench/cli_compare.sh [ORVANE_CLI ...]   (default: build/dev/cli/orvane-cli)
# Needs: bc and python3 (Debian packages bc, python3); qalc (package qalc) is optional.
set -euo pipefail
cd "$(dirname "$0")/.."

count=${FORMULA_COUNT:-100000}
python=/usr/bin/python3  # Debian's, not a version manager's shim that costs a start of its own
[ -x "$python" ] || python=python3
runs=3
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=(build/dev/cli/orvane-cli)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
formulas="$work/formulas.txt"
# Short formulas every tool reads alike: decimals, + - * / and brackets (no ^, which python takes
# for xor).
python3 - "$count" >"$formulas" <<'PY'
import random, sys
rng = random.Random(2024)
for _ in range(int(sys.argv[1])):
    a, b, c, d = (rng.randint(1, 999) for _ in range(4))
    print(f"{a}.{rng.randint(0, 99)}*{b}+{c}/({d}-0.5)")
PY

best_ms() {  # runs "$@" with the formulas on standard input; prints the best wall time in ms
    local best=
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" <"$formulas" >/dev/null
        end=$(date +%s%N)
        local ms=$(((end - start) / 1000000))
        if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
    done
    echo "$best"
}

echo "machine: $(nproc) cores, load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "formulas: $count, for example: $(head -1 "$formulas")"
printf '%-44s %10s %14s\n' tool "ms" "us/formula"
report() {
    local name=$1 ms=$2
    printf '%-44s %10d %14.2f\n' "$name" "$ms" "$(echo "$ms * 1000 / $count" | bc -l)"
}
for program in "${programs[@]}"; do
    report "orvane-cli ($program)" "$(best_ms "$program")"
done
report "bc -l" "$(best_ms bc -l)"
report "python3 eval loop" "$(best_ms "$python" -c 'import sys
for line in sys.stdin: print(eval(line))')"
if command -v qalc >/dev/null; then
    report "qalc" "$(best_ms qalc -t)"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
