#include "compounds/critical_density.h"

#include <cmath>

namespace chemeng {

CorrelationResult criticalDensity(double molecularWeight_gPerMol, double criticalVolume_cm3PerMol) {
    const double rho_gPerCm3 = molecularWeight_gPerMol / criticalVolume_cm3PerMol;
    if (!std::isfinite(rho_gPerCm3)) return {0.0, CorrelationStatus::NotFinite};
    return {rho_gPerCm3, CorrelationStatus::Ok};
}

}  // namespace chemeng
