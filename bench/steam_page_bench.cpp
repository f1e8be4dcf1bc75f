// The Steam Tables page's calculations, each one OK press through a windowless
// dialog: both saturation paths, the table look-up and the five pair solvers.
// Run from the repository root so that data/sat.txt is found.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/headless_dialog.h"
#include "pages/steam_tables_layout.h"
#include "pages/steam_tables_page.h"

namespace {

using namespace chemeng;
namespace C = SteamTablesCtl;

void pressOk(benchmark::State& state, const std::vector<int>& clicks,
             const std::vector<std::pair<int, std::string>>& typed) {
    HeadlessDialog dialog(steamTablesLayout());
    CSteamTables page(dialog, "data");
    dialog.attach(page);
    page.onInitDialog();
    for (int id : clicks) dialog.click(id);
    for (const auto& [edit, text] : typed) dialog.type(edit, text);
    dialog.takeMessages();
    for (auto _ : state) {
        page.Compute();
        benchmark::DoNotOptimize(page.results());
    }
    if (!dialog.messages().empty()) state.SkipWithError(dialog.messages().front().c_str());
}

void BM_SaturationAtTemperature(benchmark::State& state) {
    pressOk(state, {C::SI}, {{C::Temperature, "100"}});
}
void BM_SaturationAtPressureWithQuality(benchmark::State& state) {
    pressOk(state, {C::SI, C::PressureChoice, C::QualityChoice},
            {{C::Pressure, "101.325"}, {C::Quality, "50"}});
}
void BM_SaturationTableLookUp(benchmark::State& state) {
    pressOk(state, {C::SI, C::EnthalpyChoice}, {{C::LiquidEnthalpy, "1000"}});
}
void BM_SolveTemperaturePressure(benchmark::State& state) {
    pressOk(state, {C::SI, C::SuperheatedMode, C::TemperatureChoice, C::PressureChoice},
            {{C::Temperature, "200"}, {C::Pressure, "100"}});
}
void BM_SolveTemperaturePressureNearCritical(benchmark::State& state) {
    pressOk(state, {C::SI, C::SuperheatedMode, C::TemperatureChoice, C::PressureChoice},
            {{C::Temperature, "370"}, {C::Pressure, "21500"}});
}
void BM_SolveTemperatureVolume(benchmark::State& state) {
    pressOk(state, {C::SI, C::SuperheatedMode, C::TemperatureChoice, C::VolumeChoice},
            {{C::Temperature, "200"}, {C::VapourVolume, "1"}});
}
void BM_SolveTemperatureEnthalpy(benchmark::State& state) {
    pressOk(state, {C::SI, C::SuperheatedMode, C::TemperatureChoice, C::EnthalpyChoice},
            {{C::Temperature, "200"}, {C::VapourEnthalpy, "2875.3"}});
}
void BM_SolvePressureVolume(benchmark::State& state) {
    pressOk(state, {C::SI, C::SuperheatedMode, C::PressureChoice, C::VolumeChoice},
            {{C::Pressure, "100"}, {C::VapourVolume, "2.1723"}});
}
void BM_SolvePressureEnthalpy(benchmark::State& state) {
    pressOk(state, {C::SI, C::SuperheatedMode, C::PressureChoice, C::EnthalpyChoice},
            {{C::Pressure, "100"}, {C::VapourEnthalpy, "2875.3"}});
}
// Near the critical point: 3000 psia and 1100 Btu/lb, superheated vapour in
// subregion 3, where every trial temperature needs a subregion-3 volume search.
void BM_SolvePressureEnthalpyNearCritical(benchmark::State& state) {
    pressOk(state, {C::SuperheatedMode, C::Psia, C::PressureChoice, C::EnthalpyChoice},
            {{C::Pressure, "3000"}, {C::VapourEnthalpy, "1100"}});
}

BENCHMARK(BM_SaturationAtTemperature);
BENCHMARK(BM_SaturationAtPressureWithQuality);
BENCHMARK(BM_SaturationTableLookUp);
BENCHMARK(BM_SolveTemperaturePressure);
BENCHMARK(BM_SolveTemperaturePressureNearCritical);
BENCHMARK(BM_SolveTemperatureVolume);
BENCHMARK(BM_SolveTemperatureEnthalpy);
BENCHMARK(BM_SolvePressureVolume);
BENCHMARK(BM_SolvePressureEnthalpy);
BENCHMARK(BM_SolvePressureEnthalpyNearCritical);

}  // namespace
