#pragma once

#include "water/helmholtz_derivatives.h"

namespace chemeng {

// Ideal-gas part φ° of the IAPWS-95 Helmholtz energy at reduced density δ > 0
// and inverse reduced temperature τ > 0. φ° has no mixed derivatives: δτ, δδτ
// and δττ are always zero. The long double form serves the phase-equilibrium
// solver, which needs more than double precision for the liquid's pressure.
HelmholtzValues HelmholtzIdeal(double delta, double tau, HelmholtzSelection selection);
HelmholtzParts<long double> HelmholtzIdeal(long double delta, long double tau,
                                           HelmholtzSelection selection);

}  // namespace chemeng
