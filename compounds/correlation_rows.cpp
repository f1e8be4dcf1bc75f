#include "compounds/correlation_rows.h"

#include "compounds/table_cells.h"

namespace chemeng {

HeatCapacityCoefficients heatCapacityCoefficients(const CompoundTable& table, int row,
                                                  Phase phase) {
    using namespace HeatCapacityCell;
    const auto number = [&](int cell) { return cellNumber(table, row, cell); };
    if (phase == Phase::Gas) {
        return {number(GasA), number(GasB),    number(GasC),
                number(GasD), number(GasTmin), number(GasTmax)};
    }
    return {number(LiquidA),    number(LiquidB),   number(LiquidC), 0.0,
            number(LiquidTmin), number(LiquidTmax)};
}

RackettCoefficients rackettCoefficients(const CompoundTable& table, int row) {
    using namespace DensityCell;
    return {cellNumber(table, row, A), cellNumber(table, row, B), cellNumber(table, row, Tc),
            cellNumber(table, row, Tmin)};
}

AntoineCoefficients antoineCoefficients(const CompoundTable& table, int row) {
    using namespace VaporPressureCell;
    return {cellNumber(table, row, A),
            cellNumber(table, row, B),
            cellNumber(table, row, C),
            cellNumber(table, row, Tmin),
            cellNumber(table, row, Tmax),
            row >= table.mainCount ? AntoineScale::Kelvin : AntoineScale::Celsius};
}

}  // namespace chemeng
