#pragma once

#include "water/helmholtz_derivatives.h"

namespace chemeng {

// Residual part φʳ of the IAPWS-95 Helmholtz energy (56 terms) at reduced
// density δ > 0 and inverse reduced temperature τ > 0, with the selected
// derivatives. The long double form evaluates the same terms in extended
// precision for the phase-equilibrium solver; the steam page uses double.
HelmholtzValues HelmholtzResidual(double delta, double tau, HelmholtzSelection selection);
HelmholtzParts<long double> HelmholtzResidual(long double delta, long double tau,
                                              HelmholtzSelection selection);

}  // namespace chemeng
