#pragma once

namespace chemeng::water {

// Surface tension of water against its vapour, IAPWS R1-76(2014):
// σ = B τ^μ (1 + b τ), τ = 1 − T/Tc, in N/m at T in K. Valid from the triple
// point (273.16 K) to Tc = 647.096 K, where σ reaches 0; the release states
// that it extrapolates reasonably into supercooled liquid down to 248.15 K.
// Returns NaN outside 248.15 K … Tc.
double surfaceTension_Nm(double t_K);

}  // namespace chemeng::water
