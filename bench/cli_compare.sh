#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# orvane-cli against bc -l and a python3 eval loop (and qalc, when asked) on the same 100,000
# short formulas piped through one process each, in one run. Prints the best of three runs of each
# tool, wall and processor time, per formula too, and the machine's load before and after.
#
# Usage: bench/cli_compare.sh [ORVANE_CLI ...]   (default: build/dev/cli/orvane-cli)
#        QALC_FORMULAS=1000 bench/cli_compare.sh   also times qalc on the first 1,000 formulas
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

# Runs "$@" with the formulas on standard input, three times; prints the best wall time and the best
# processor time (user + system, steadier on a busy machine), both in ms.
best_times() {
    local best_wall= best_cpu=
    for _ in $(seq "$runs"); do
        local times wall cpu
        times=$( { TIMEFORMAT='%R %U %S'; time "$@" <"$formulas" >/dev/null; } 2>&1 )
        read -r wall user system <<<"$times"
        wall=$(echo "$wall * 1000 / 1" | bc)
        cpu=$(echo "($user + $system) * 1000 / 1" | bc)
        if [ -z "$best_wall" ] || [ "$wall" -lt "$best_wall" ]; then best_wall=$wall; fi
        if [ -z "$best_cpu" ] || [ "$cpu" -lt "$best_cpu" ]; then best_cpu=$cpu; fi
    done
    echo "$best_wall $best_cpu"
}

echo "machine: $(nproc) cores, load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "formulas: $count, for example: $(head -1 "$formulas")"
printf '%-48s %9s %11s %9s %11s\n' tool "wall ms" "us/formula" "cpu ms" "us/formula"
report() {
    local name=$1 wall cpu
    read -r wall cpu <<<"$2"
    printf '%-48s %9d %11.2f %9d %11.2f\n' "$name" "$wall" "$(echo "$wall * 1000 / $count" | bc -l)" \
        "$cpu" "$(echo "$cpu * 1000 / $count" | bc -l)"
}
for program in "${programs[@]}"; do
    report "orvane-cli ($program)" "$(best_times "$program")"
done
report "bc -l" "$(best_times bc -l)"
report "python3 eval loop ($python)" "$(best_times "$python" -c 'import sys
for line in sys.stdin: print(eval(line))')"
# qalc waits about 20 ms of wall time per line read from a file or a pipe, so it runs only when asked,
# on the first QALC_FORMULAS formulas, and its figures are per formula like the others'.
if [ -n "${QALC_FORMULAS:-}" ] && command -v qalc >/dev/null; then
    head -n "$QALC_FORMULAS" "$formulas" >"$work/qalc.txt"
    times=$( { TIMEFORMAT='%R %U %S'; time qalc -t -f "$work/qalc.txt" >/dev/null; } 2>&1 )
    read -r wall user system <<<"$times"
    scale=$(echo "$count / $QALC_FORMULAS" | bc -l)
    report "qalc -t (first $QALC_FORMULAS, scaled to $count)" \
        "$(echo "$wall * 1000 * $scale / 1" | bc) $(echo "($user + $system) * 1000 * $scale / 1" | bc)"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
