// SPDX-License-Identifier: GPL-3.0-or-later
// Nanoseconds per result text, for values like those a calculation shows and for random bit
// patterns, against the text formed from the full exact expansion. Run: build/dev/bench/result_text_bench
#include <benchmark/benchmark.h>

#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "common/result_text.h"
#include "support/exact_result_text.h"

namespace {

std::vector<double> TypicalValues() {
    return {2,
            1.0 / 3,
            3.141592653589793,
            0.0001,
            1e-5,
            123456789012345,
            1e15,
            1152921504606846976.0,
            -2.5,
            6.123233995736766e-17,
            2.718281828459045,
            4096,
            0.1 + 0.2,
            1e100,
            -7.25e-300,
            42};
}

std::vector<double> RandomBitPatterns() {
    std::mt19937_64 random(20261209);
    std::vector<double> values;
    while (values.size() < 4096) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) values.push_back(value);
    }
    return values;
}

template <std::string (*Format)(double, char)>
void Run(benchmark::State& state, const std::vector<double>& values) {
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Format(values[next], '.'));
        next = next + 1 == values.size() ? 0 : next + 1;
    }
}

void BM_ResultText_Typical(benchmark::State& state) {
    Run<ResultText>(state, TypicalValues());
}
void BM_ResultText_RandomBits(benchmark::State& state) {
    Run<ResultText>(state, RandomBitPatterns());
}
void BM_ExactExpansion_Typical(benchmark::State& state) {
    Run<exact_result_text::ExactResultText>(state, TypicalValues());
}
void BM_ExactExpansion_RandomBits(benchmark::State& state) {
    Run<exact_result_text::ExactResultText>(state, RandomBitPatterns());
}

}  // namespace

BENCHMARK(BM_ResultText_Typical);
BENCHMARK(BM_ResultText_RandomBits);
BENCHMARK(BM_ExactExpansion_Typical);
BENCHMARK(BM_ExactExpansion_RandomBits);
BENCHMARK_MAIN();
