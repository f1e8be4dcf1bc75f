#pragma once

#include <filesystem>

#include "compounds/compound_table.h"
#include "framework/message_sink.h"

namespace chemeng {

// The load sequences of the five compound pages. Each reads the page's files
// from dataDir in a fixed order into a fresh table and its counts; the first
// file that cannot be opened is reported through report and ends the
// sequence, leaving what was loaded before it.

CompoundTable loadPhysicalPropertiesTable(const std::filesystem::path& dataDir,
                                          const MessageSink& report);

// The Heat Capacities and Enthalpies pages read the same files. Main rows
// carry no gas range of their own: they get 298-1000 K, except that on the
// Heat Capacities page the formulas exactly "CO" and "CO2" get 273-3800 K.
enum class GasRangeRule { CarbonOxidesWide, Uniform };
CompoundTable loadHeatCapacityTable(const std::filesystem::path& dataDir, GasRangeRule rule,
                                    const MessageSink& report);

CompoundTable loadDensityTable(const std::filesystem::path& dataDir, const MessageSink& report);

CompoundTable loadVaporPressureTable(const std::filesystem::path& dataDir,
                                     const MessageSink& report);

}  // namespace chemeng
