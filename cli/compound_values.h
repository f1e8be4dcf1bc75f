#pragma once

#include "cli/compound_pages.h"
#include "compounds/compound_table.h"

namespace chemeng::cli {

enum class Phase { Gas, Liquid };

enum class ValueStatus { Ok, NoData, OutOfRange, NotFinite };

// A page's result at full precision, with the temperature range (in K) the
// correlation holds for, for messages that name it.
struct ResultValue {
    double value = 0.0;
    ValueStatus status = ValueStatus::NoData;
    double low_K = 0.0;
    double high_K = 0.0;
};

// A table cell as a number (its leading number; 0 when it has none or reads
// as not finite), as the pages read their cells.
double cellValue(const CompoundTable& table, int row, int cell);

// The result of a compound page for one row at t_K (and tr_K, the reference
// of the Enthalpies page), from the same correlation the page evaluates, in
// the page's unit, before any rounding for display. The Physical Properties
// page's two computed fields are asked for by key.
ResultValue compoundResult(const CompoundPageSpec& page, const CompoundTable& table, int row,
                           Phase phase, double t_K, double tr_K);
double physicalValue(const CompoundTable& table, int row, std::string_view key);

}  // namespace chemeng::cli
