#pragma once

#include "compounds/correlation_result.h"

namespace chemeng {

// The density at the critical point, rho_c = M / Vc, in g/cm³ from the molar
// mass in g/mol and the critical molar volume in cm³/mol. NotFinite when the
// quotient has no finite value (a volume of 0, a missing one).
CorrelationResult criticalDensity(double molecularWeight_gPerMol, double criticalVolume_cm3PerMol);

}  // namespace chemeng
