// IAPWS-IF97 states: (p, T) → h, v, s (alone and with the full state), and
// the inversions (p, h) → T and
// (p, s) → T with the full state, each over a spread of states in every
// region they reach. One iteration runs all states of a set; items/s gives
// the calls per second.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "water/if97_backward_region1_2.h"
#include "water/if97_region1.h"
#include "water/if97_region2.h"
#include "water/if97_state.h"

namespace {

using namespace chemeng::water;

struct PT {
    double t_K;
    double p_kPa;
};

// Compressed liquid, vapour, supercritical steam (region 2) and the
// high-temperature region 5: the states an industrial calculation meets most.
constexpr std::array<PT, 12> kSinglePhase{{
    {300.0, 3000.0},
    {350.0, 101.325},
    {450.0, 20000.0},
    {550.0, 80000.0},
    {400.0, 100.0},
    {500.0, 1000.0},
    {600.0, 5000.0},
    {700.0, 3.5},
    {800.0, 20000.0},
    {1000.0, 60000.0},
    {1500.0, 500.0},
    {2000.0, 30000.0},
}};

// Two states in region 3, near the critical point and at high pressure.
constexpr std::array<PT, 2> kRegion3{{{650.0, 30000.0}, {700.0, 50000.0}}};

struct Pair {
    double p_kPa;
    double value;
};

// (p, h) or (p, s) pairs made from (T, p) states, checked once before timing.
template <std::size_t N>
std::array<Pair, N> pairsOf(const std::array<PT, N>& states, bool entropy) {
    std::array<Pair, N> out{};
    for (std::size_t i = 0; i < N; ++i) {
        const WaterState w = if97StateTP(states[i].t_K, states[i].p_kPa);
        if (w.status != Status::Ok) {
            std::fprintf(stderr, "no state at %g K, %g kPa\n", states[i].t_K, states[i].p_kPa);
            std::abort();
        }
        out[i] = {states[i].p_kPa, entropy ? w.mixture.s_kJkgK : w.mixture.h_kJkg};
    }
    return out;
}

template <std::size_t N>
void runPH(benchmark::State& state, const std::array<PT, N>& states) {
    const auto pairs = pairsOf(states, false);
    for (auto _ : state) {
        for (const Pair& s : pairs) benchmark::DoNotOptimize(if97StatePH(s.p_kPa, s.value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(N));
}

template <std::size_t N>
void runPS(benchmark::State& state, const std::array<PT, N>& states) {
    const auto pairs = pairsOf(states, true);
    for (auto _ : state) {
        for (const Pair& s : pairs) benchmark::DoNotOptimize(if97StatePS(s.p_kPa, s.value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(N));
}

void BM_If97StateTP(benchmark::State& state) {
    for (auto _ : state) {
        for (const PT& s : kSinglePhase) benchmark::DoNotOptimize(if97StateTP(s.t_K, s.p_kPa));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_If97StateTP);

void BM_If97BasicPropertiesTP(benchmark::State& state) {
    for (auto _ : state) {
        for (const PT& s : kSinglePhase) {
            benchmark::DoNotOptimize(if97BasicPropertiesTP(s.t_K, s.p_kPa));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_If97BasicPropertiesTP);

void BM_If97StateTPRegion3(benchmark::State& state) {
    for (auto _ : state) {
        for (const PT& s : kRegion3) benchmark::DoNotOptimize(if97StateTP(s.t_K, s.p_kPa));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kRegion3.size()));
}
BENCHMARK(BM_If97StateTPRegion3);

void BM_If97StatePH(benchmark::State& state) {
    runPH(state, kSinglePhase);
}
BENCHMARK(BM_If97StatePH);

void BM_If97StatePHRegion3(benchmark::State& state) {
    runPH(state, kRegion3);
}
BENCHMARK(BM_If97StatePHRegion3);

void BM_If97StatePS(benchmark::State& state) {
    runPS(state, kSinglePhase);
}
BENCHMARK(BM_If97StatePS);

void BM_If97StatePSRegion3(benchmark::State& state) {
    runPS(state, kRegion3);
}
BENCHMARK(BM_If97StatePSRegion3);

// The pieces: one basic-equation evaluation with all derivatives, and one
// backward equation.
void BM_If97Region1(benchmark::State& state) {
    for (auto _ : state) {
        for (const PT& s : kSinglePhase) {
            benchmark::DoNotOptimize(if97::region1(1e-3 * s.p_kPa, s.t_K));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_If97Region1);

void BM_If97Region2(benchmark::State& state) {
    for (auto _ : state) {
        for (const PT& s : kSinglePhase) {
            benchmark::DoNotOptimize(if97::region2(1e-3 * s.p_kPa, s.t_K));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_If97Region2);

void BM_If97BackwardRegion2TPH(benchmark::State& state) {
    for (auto _ : state) {
        for (double h = 2600.0; h < 4000.0; h += 100.0) {
            benchmark::DoNotOptimize(if97::region2TemperaturePH(1.0, h));
        }
    }
    state.SetItemsProcessed(state.iterations() * 14);
}
BENCHMARK(BM_If97BackwardRegion2TPH);

}  // namespace
