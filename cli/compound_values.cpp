// Full-precision values of the compound pages' correlations, read from the
// pages' tables. The pages round these to thousandths for display; scripts
// want the double itself.
#include "cli/compound_values.h"

#include <algorithm>
#include <cmath>

#include "compounds/table_cells.h"
#include "framework/range_bounds.h"
#include "framework/text_number.h"

namespace chemeng::cli {

namespace {

constexpr double kZeroCelsius_K = 273.15;
constexpr double kRackettExponent = 2.0 / 7.0;  // H. G. Rackett, J. Chem. Eng. Data 15 (1970) 514

ResultValue finite(double value, double low_K, double high_K) {
    if (!std::isfinite(value)) return {0.0, ValueStatus::NotFinite, low_K, high_K};
    return {value, ValueStatus::Ok, low_K, high_K};
}

struct Polynomial {
    double a, b, c, d, tmin_K, tmax_K;
};

Polynomial heatCapacityRow(const CompoundTable& t, int row, Phase phase) {
    using namespace HeatCapacityCell;
    if (phase == Phase::Gas) {
        return {cellValue(t, row, GasA), cellValue(t, row, GasB),    cellValue(t, row, GasC),
                cellValue(t, row, GasD), cellValue(t, row, GasTmin), cellValue(t, row, GasTmax)};
    }
    return {cellValue(t, row, LiquidA),    cellValue(t, row, LiquidB),
            cellValue(t, row, LiquidC),    0.0,
            cellValue(t, row, LiquidTmin), cellValue(t, row, LiquidTmax)};
}

ResultValue heatCapacity(const Polynomial& k, double t_K) {
    if (k.tmin_K == 0.0 && k.tmax_K == 0.0) return {0.0, ValueStatus::NoData, 0.0, 0.0};
    if (!withinBounds(t_K, k.tmin_K, k.tmax_K))
        return {0.0, ValueStatus::OutOfRange, k.tmin_K, k.tmax_K};
    if (k.a == 0.0 && k.b == 0.0 && k.c == 0.0 && k.d == 0.0)
        return {0.0, ValueStatus::NoData, k.tmin_K, k.tmax_K};
    return finite(((k.d * t_K + k.c) * t_K + k.b) * t_K + k.a, k.tmin_K, k.tmax_K);
}

// The integral of Cp from tr_K to t_K, term by term: A1 = a, A2 = b/2,
// A3 = c/3, A4 = d/4.
ResultValue enthalpyChange(const Polynomial& k, double t_K, double tr_K) {
    if (k.tmin_K == 0.0 && k.tmax_K == 0.0) return {0.0, ValueStatus::NoData, 0.0, 0.0};
    if (!std::isfinite(tr_K) || !withinBounds(t_K, k.tmin_K, k.tmax_K))
        return {0.0, ValueStatus::OutOfRange, k.tmin_K, k.tmax_K};
    if (k.a == 0.0 && k.b == 0.0 && k.c == 0.0 && k.d == 0.0)
        return {0.0, ValueStatus::NoData, k.tmin_K, k.tmax_K};
    const double a1 = k.a, a2 = k.b * 0.5, a3 = k.c / 3.0, a4 = k.d * 0.25;
    const double t2 = t_K * t_K, t3 = t2 * t_K, t4 = t3 * t_K;
    const double tr2 = tr_K * tr_K, tr3 = tr2 * tr_K, tr4 = tr3 * tr_K;
    return finite(((a4 * (t4 - tr4) + a3 * (t3 - tr3)) + a2 * (t2 - tr2)) + a1 * (t_K - tr_K),
                  k.tmin_K, k.tmax_K);
}

ResultValue rackettDensity(const CompoundTable& t, int row, double t_K) {
    using namespace DensityCell;
    const double a = cellValue(t, row, A), b = cellValue(t, row, B);
    const double tc_K = cellValue(t, row, Tc), tmin_K = cellValue(t, row, Tmin);
    if (row >= t.mainCount || !(tc_K > 0.0)) return {0.0, ValueStatus::NoData, tmin_K, tc_K};
    if (!withinBounds(t_K, tmin_K, tc_K)) return {0.0, ValueStatus::OutOfRange, tmin_K, tc_K};
    // A temperature a rounding step above Tc is Tc: 1 - T/Tc must not go
    // negative under the 2/7 power.
    const double clamped = std::clamp(t_K, tmin_K, tc_K);
    return finite(a * std::pow(b, -std::pow(1.0 - clamped / tc_K, kRackettExponent)), tmin_K, tc_K);
}

// log10 p* = A - B / (T + C), p* in mmHg; main rows take T in °C,
// Miscellaneous rows in K; every range is in °C.
ResultValue antoine(const CompoundTable& t, int row, double t_K) {
    using namespace VaporPressureCell;
    const double a = cellValue(t, row, A), b = cellValue(t, row, B), c = cellValue(t, row, C);
    const double low_K = cellValue(t, row, Tmin) + kZeroCelsius_K;
    const double high_K = cellValue(t, row, Tmax) + kZeroCelsius_K;
    if (a == 0.0 && b == 0.0 && c == 0.0) return {0.0, ValueStatus::NoData, low_K, high_K};
    // The page compares in °C; so does this, to meet its bounds exactly.
    const double t_C = t_K - kZeroCelsius_K;
    if (!withinBounds(t_C, low_K - kZeroCelsius_K, high_K - kZeroCelsius_K))
        return {0.0, ValueStatus::OutOfRange, low_K, high_K};
    const double x = row >= t.mainCount ? t_C + kZeroCelsius_K : t_C;
    if (x + c == 0.0) return {0.0, ValueStatus::NotFinite, low_K, high_K};
    return finite(std::pow(10.0, a - b / (x + c)), low_K, high_K);
}

}  // namespace

double cellValue(const CompoundTable& table, int row, int cell) {
    const double value = parseLeadingNumber(table.cell(row, cell));
    return std::isfinite(value) ? value : 0.0;
}

double physicalValue(const CompoundTable& table, int row, std::string_view key) {
    using namespace PhysPropsCell;
    if (key == "critical_density") {
        return parseLeadingNumber(table.cell(row, MolecularWeight)) /
               parseLeadingNumber(table.cell(row, CriticalVolume));
    }
    return row < table.mainCount ? cellValue(table, row, EnthalpyOfVaporization)
                                 : cellValue(table, row, MiscEnthalpyOfVaporization);
}

ResultValue compoundResult(const CompoundPageSpec& page, const CompoundTable& table, int row,
                           Phase phase, double t_K, double tr_K) {
    switch (page.page) {
        case PageKind::HeatCapacities:
            return heatCapacity(heatCapacityRow(table, row, phase), t_K);
        case PageKind::Enthalpies:
            return enthalpyChange(heatCapacityRow(table, row, phase), t_K, tr_K);
        case PageKind::Density:
            return rackettDensity(table, row, t_K);
        case PageKind::VaporPressure:
            return antoine(table, row, t_K);
        default:
            return {};
    }
}

}  // namespace chemeng::cli
