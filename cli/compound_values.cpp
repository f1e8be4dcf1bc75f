#include "cli/compound_values.h"

#include "compounds/antoine.h"
#include "compounds/correlation_rows.h"
#include "compounds/critical_density.h"
#include "compounds/enthalpy_change.h"
#include "compounds/rackett_density.h"
#include "compounds/table_cells.h"
#include "framework/temperature_unit.h"

namespace chemeng::cli {

double physicalValue(const CompoundTable& table, int row, std::string_view key) {
    using namespace PhysPropsCell;
    if (key == "critical_density") {
        return criticalDensity(cellNumber(table, row, MolecularWeight),
                               cellNumber(table, row, CriticalVolume))
            .value;
    }
    // Main rows keep it from Hvap.txt, Miscellaneous rows from otherDat.txt.
    return row < table.mainCount ? cellNumber(table, row, EnthalpyOfVaporization)
                                 : cellNumber(table, row, MiscEnthalpyOfVaporization);
}

ResultValue compoundResult(const CompoundPageSpec& page, const CompoundTable& table, int row,
                           Phase phase, double t_K, double tr_K) {
    switch (page.page) {
        case PageKind::HeatCapacities: {
            const HeatCapacityCoefficients k = heatCapacityCoefficients(table, row, phase);
            return {heatCapacity(phase, k, t_K), k.tmin_K, k.tmax_K};
        }
        case PageKind::Enthalpies: {
            const HeatCapacityCoefficients k = heatCapacityCoefficients(table, row, phase);
            return {enthalpyChange(phase, integratedCoefficients(k), t_K, tr_K), k.tmin_K,
                    k.tmax_K};
        }
        case PageKind::Density: {
            // A Miscellaneous compound has one tabulated density and no fit.
            if (row >= table.mainCount) return {};
            const RackettCoefficients k = rackettCoefficients(table, row);
            return {rackettDensity(k, t_K), k.tmin_K, k.tc_K};
        }
        case PageKind::VaporPressure: {
            const AntoineCoefficients k = antoineCoefficients(table, row);
            return {antoineVaporPressure(k, t_K), k.tmin_C + kZeroCelsius_K,
                    k.tmax_C + kZeroCelsius_K};
        }
        default:
            return {};
    }
}

}  // namespace chemeng::cli
