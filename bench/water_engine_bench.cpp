// The IAPWS-95 water engine: properties at (T, ρ), transport, and the state
// solvers for each input pair. Every benchmark runs over the same twelve
// single-phase states (four liquid, four vapour, four supercritical) and,
// for the solvers, over four two-phase states as well; one item is one call.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "water/energies_at.h"
#include "water/iapws95_properties.h"
#include "water/iapws95_saturation.h"
#include "water/iapws95_state.h"
#include "water/thermal_conductivity.h"
#include "water/transport_properties.h"
#include "water/viscosity.h"

namespace {

using namespace chemeng;
using namespace chemeng::water;

struct State {
    double t_K;
    double rho_kgm3;
};

constexpr std::array<State, 12> kSinglePhase{{
    {300, 997.0},
    {350, 974.0},
    {450, 891.0},
    {550, 760.0},
    {373.15, 0.5977},
    {450, 4.0},
    {500, 0.435},
    {600, 20.0},
    {650, 400.0},
    {700, 100.0},
    {900, 52.6},
    {1000, 300.0},
}};

// T and mixture density of four wet states (qualities 0.1 to 0.9).
constexpr std::array<State, 4> kTwoPhase{{
    {300, 0.25},
    {373.15, 1.5},
    {500, 30.0},
    {600, 200.0},
}};

std::vector<WaterState> references(bool withTwoPhase) {
    std::vector<WaterState> out;
    for (const State& s : kSinglePhase) out.push_back(stateTRho(s.t_K, s.rho_kgm3));
    if (withTwoPhase) {
        for (const State& s : kTwoPhase) out.push_back(stateTRho(s.t_K, s.rho_kgm3));
    }
    for (const WaterState& w : out) {
        if (w.status != Status::Ok) {
            std::fprintf(stderr, "benchmark state out of range\n");
            std::abort();
        }
    }
    return out;
}

template <typename Solve>
void runPairs(benchmark::State& state, bool withTwoPhase, Solve solve) {
    const std::vector<WaterState> refs = references(withTwoPhase);
    // The timing means nothing unless the solver lands on the state it came from.
    for (const WaterState& r : refs) {
        const WaterState back = solve(r);
        if (back.status != Status::Ok ||
            std::abs(back.mixture.rho_kgm3 - r.mixture.rho_kgm3) > 1e-8 * r.mixture.rho_kgm3) {
            std::fprintf(stderr, "solver missed %g K %g kg/m3\n", r.mixture.t_K,
                         r.mixture.rho_kgm3);
            std::abort();
        }
    }
    for (auto _ : state) {
        for (const WaterState& r : refs) benchmark::DoNotOptimize(solve(r));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(refs.size()));
}

void BM_EnergiesAt(benchmark::State& state) {
    for (auto _ : state) {
        for (const State& s : kSinglePhase) benchmark::DoNotOptimize(EnergiesAt(s.t_K, s.rho_kgm3));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_EnergiesAt);

void BM_PropertiesTRho(benchmark::State& state) {
    for (auto _ : state) {
        for (const State& s : kSinglePhase) {
            benchmark::DoNotOptimize(iapws95Properties(s.t_K, s.rho_kgm3));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_PropertiesTRho);

void BM_ViscosityAndConductivity(benchmark::State& state) {
    for (auto _ : state) {
        for (const State& s : kSinglePhase) {
            benchmark::DoNotOptimize(viscosity_Pas(s.t_K, s.rho_kgm3));
            benchmark::DoNotOptimize(thermalConductivity_WmK(s.t_K, s.rho_kgm3));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_ViscosityAndConductivity);

// Both from one IAPWS-95 evaluation and one correlation length.
void BM_TransportProperties(benchmark::State& state) {
    for (auto _ : state) {
        for (const State& s : kSinglePhase) {
            benchmark::DoNotOptimize(transportProperties(s.t_K, s.rho_kgm3));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSinglePhase.size()));
}
BENCHMARK(BM_TransportProperties);

void BM_SaturationAtTemperature(benchmark::State& state) {
    for (auto _ : state) {
        for (const State& s : kTwoPhase) benchmark::DoNotOptimize(saturationAtTemperature(s.t_K));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTwoPhase.size()));
}
BENCHMARK(BM_SaturationAtTemperature);

void BM_SaturationAtPressure(benchmark::State& state) {
    std::vector<double> pressures;
    for (const State& s : kTwoPhase) pressures.push_back(saturationAtTemperature(s.t_K).p_kPa);
    for (auto _ : state) {
        for (double p : pressures) benchmark::DoNotOptimize(saturationAtPressure(p));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(pressures.size()));
}
BENCHMARK(BM_SaturationAtPressure);

// Full states, transport and surface tension included.
void BM_StateTRho(benchmark::State& state) {
    runPairs(state, true,
             [](const WaterState& r) { return stateTRho(r.mixture.t_K, r.mixture.rho_kgm3); });
}
BENCHMARK(BM_StateTRho);

void BM_StateTP(benchmark::State& state) {
    runPairs(state, false,
             [](const WaterState& r) { return stateTP(r.mixture.t_K, r.mixture.p_kPa); });
}
BENCHMARK(BM_StateTP);

void BM_StatePH(benchmark::State& state) {
    runPairs(state, true,
             [](const WaterState& r) { return statePH(r.mixture.p_kPa, r.mixture.h_kJkg); });
}
BENCHMARK(BM_StatePH);

void BM_StatePS(benchmark::State& state) {
    runPairs(state, true,
             [](const WaterState& r) { return statePS(r.mixture.p_kPa, r.mixture.s_kJkgK); });
}
BENCHMARK(BM_StatePS);

void BM_StateHS(benchmark::State& state) {
    runPairs(state, true,
             [](const WaterState& r) { return stateHS(r.mixture.h_kJkg, r.mixture.s_kJkgK); });
}
BENCHMARK(BM_StateHS);

}  // namespace
