#pragma once

#include <string_view>

#include "cli/compound_pages.h"
#include "compounds/compound_table.h"
#include "compounds/correlation_result.h"
#include "compounds/heat_capacity_correlation.h"

namespace chemeng::cli {

// A page's result at full precision, with the temperature range (in K) the
// correlation holds for, for messages that name it.
struct ResultValue {
    CorrelationResult result;
    double low_K = 0.0;
    double high_K = 0.0;
};

// The result of a compound page for one row at t_K (and tr_K, the reference
// of the Enthalpies page): the compound engine the page itself calls, fed
// from the same table row, before any rounding for display.
ResultValue compoundResult(const CompoundPageSpec& page, const CompoundTable& table, int row,
                           Phase phase, double t_K, double tr_K);

// The Physical Properties page's two computed values, by key:
// "critical_density" and "enthalpy_of_vaporization".
double physicalValue(const CompoundTable& table, int row, std::string_view key);

}  // namespace chemeng::cli
