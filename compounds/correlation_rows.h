#pragma once

#include "compounds/antoine.h"
#include "compounds/compound_table.h"
#include "compounds/heat_capacity_correlation.h"
#include "compounds/rackett_density.h"

namespace chemeng {

// The fitted constants of one row of a page's compound table, as numbers
// (cells read by cellNumber). Each reads the table laid out by its page's
// load sequence (compounds/table_cells.h).

// A heat-capacity table row (Cpgas/Cpliq/HCG/HCL): the chosen phase's
// polynomial and range; the liquid has no d.
HeatCapacityCoefficients heatCapacityCoefficients(const CompoundTable& table, int row, Phase phase);

// A main row of the density table (Density.txt).
RackettCoefficients rackettCoefficients(const CompoundTable& table, int row);

// A row of the vapour-pressure table: main rows (Psat.txt) are fitted in °C,
// Miscellaneous rows (PhysProps.txt) in K.
AntoineCoefficients antoineCoefficients(const CompoundTable& table, int row);

}  // namespace chemeng
