#include "water/energies_at.h"

#include <cmath>

#include "water/helmholtz_ideal.h"
#include "water/helmholtz_residual.h"
#include "water/iapws95_constants.h"

namespace chemeng {

Energies EnergiesAt(double T_K, double rho_kgm3) {
    if (!std::isfinite(T_K) || !std::isfinite(rho_kgm3) || T_K <= 0.0 || rho_kgm3 < 0.0) {
        return {0.0, 0.0, EnergiesStatus::InvalidInput};
    }
    const double theta = T_K * iapws95::kInverseCriticalTemperature_perK;
    const double tau = 1.0 / theta;
    const double delta = rho_kgm3 * iapws95::kInverseCriticalDensity_m3kg;
    const double RT = T_K * iapws95::kGasConstant_kJkgK;

    // Only φ°_τ, φʳ_τ and φʳ_δ enter u and h.
    const HelmholtzValues ideal = HelmholtzIdeal(delta, tau, HelmholtzSelection{.t = true});
    if (rho_kgm3 == 0.0) {
        // Every residual term vanishes with δ, and so does δ φʳ_δ in the limit.
        const double uOverRT = tau * ideal.t;
        return {uOverRT * RT, (1.0 + uOverRT) * RT, EnergiesStatus::ZeroDensity};
    }
    const HelmholtzValues residual =
        HelmholtzResidual(delta, tau, HelmholtzSelection{.d = true, .t = true});

    const double uOverRT = tau * (ideal.t + residual.t);
    const double hOverRT = 1.0 + tau * (ideal.t + residual.t) + delta * residual.d;
    return {uOverRT * RT, hOverRT * RT, EnergiesStatus::Ok};
}

}  // namespace chemeng
