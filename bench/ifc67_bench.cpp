// Cost of the English-unit IFC-67 evaluations and inversions that the
// superheated-mode solvers call.
#include <benchmark/benchmark.h>

#include "water/ifc67_formulation.h"
#include "water/ifc67_inversions.h"

namespace chemeng {
namespace {

void steamProperty(benchmark::State& state, double p, double t, double x, PropertyKind kind) {
    Ifc67Context context;
    for (auto _ : state) {
        context.startSolve();
        benchmark::DoNotOptimize(SteamProperty(p, t, x, kind, context));
    }
}

// Subregion 1: compressed water at 1000 psia, 300 °F.
void BM_SteamPropertyLiquidVolume(benchmark::State& s) {
    steamProperty(s, 1000.0, 300.0, 0.0, PropertyKind::Volume);
}
void BM_SteamPropertyLiquidEnthalpy(benchmark::State& s) {
    steamProperty(s, 1000.0, 300.0, 0.0, PropertyKind::Enthalpy);
}
// Subregion 2: superheated steam at 1000 psia, 1000 °F.
void BM_SteamPropertyVapourVolume(benchmark::State& s) {
    steamProperty(s, 1000.0, 1000.0, 100.0, PropertyKind::Volume);
}
void BM_SteamPropertyVapourEnthalpy(benchmark::State& s) {
    steamProperty(s, 1000.0, 1000.0, 100.0, PropertyKind::Enthalpy);
}
// Subregion 3 with a fresh volume search every time: 3000 psia, 700 °F.
void BM_SteamPropertyNearCriticalVapourEnthalpy(benchmark::State& s) {
    steamProperty(s, 3000.0, 700.0, 100.0, PropertyKind::Enthalpy);
}
BENCHMARK(BM_SteamPropertyLiquidVolume);
BENCHMARK(BM_SteamPropertyLiquidEnthalpy);
BENCHMARK(BM_SteamPropertyVapourVolume);
BENCHMARK(BM_SteamPropertyVapourEnthalpy);
BENCHMARK(BM_SteamPropertyNearCriticalVapourEnthalpy);

void BM_KFunctionTemperature(benchmark::State& state) {
    Ifc67Context context;
    const double p = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(KFunctionTemperature(p, context));
    }
}
BENCHMARK(BM_KFunctionTemperature)->Arg(1)->Arg(100)->Arg(3000);

// (P, h) of superheated steam: the temperature at 1000 psia where h = 1400 Btu/lb.
void BM_SinglePhaseSearchTemperatureAtPressure(benchmark::State& state) {
    Ifc67Context context;
    for (auto _ : state) {
        context.startSolve();
        benchmark::DoNotOptimize(SinglePhaseSearch(1000.0, 1400.0, 100.0, PropertyKind::Enthalpy,
                                                   SearchMode::TemperatureAtPressure, context));
    }
}
BENCHMARK(BM_SinglePhaseSearchTemperatureAtPressure);

// (T, v) of superheated steam: the pressure at 600 °F where v = 1.0 ft³/lb.
void BM_SinglePhaseSearchPressureAtTemperature(benchmark::State& state) {
    Ifc67Context context;
    for (auto _ : state) {
        context.startSolve();
        benchmark::DoNotOptimize(SinglePhaseSearch(600.0, 1.0, 100.0, PropertyKind::Volume,
                                                   SearchMode::PressureAtTemperature, context));
    }
}
BENCHMARK(BM_SinglePhaseSearchPressureAtTemperature);

}  // namespace
}  // namespace chemeng
