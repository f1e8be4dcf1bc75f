#pragma once

#include "water/iapws95_properties.h"
#include "water/water_state.h"

namespace chemeng::water {

// Densities of the coexisting phases at T below Tc, exact (IAPWS-95 phase
// equilibrium) or from the 1992 auxiliary equations when T is far enough
// from the state asked about that their small error cannot matter.
struct SaturationBounds {
    bool exact = false;
    double p_kPa = 0.0;
    double rhoLiquid_kgm3 = 0.0;
    double rhoVapour_kgm3 = 0.0;
};

// Which side of the saturation line a single-phase state at T < Tc is on.
enum class Branch { Liquid, Vapour, Fluid /* T ≥ Tc: no saturation */ };

struct DensityResult {
    Status status = Status::Ok;
    Branch branch = Branch::Fluid;
    Iapws95Point point;  // full evaluation at the answer
};

// The stable single-phase density at T (K) and p (kPa): liquid above the
// saturation pressure, vapour below it, one fluid above Tc. `guess_kgm3`,
// when positive, starts Newton's method (a previous answer nearby). On the
// saturation pressure itself the liquid is returned.
DensityResult densityAtTP(double t_K, double p_kPa, double guess_kgm3 = 0.0);

// Within a density interval the caller knows to hold the root (from a
// saturation at p, say): p must be below the target at lo and above it at
// hi. lo_kgm3 ≤ 0 takes a tenth of the ideal-gas density.
DensityResult densityInInterval(double t_K, double p_kPa, Branch branch, double lo_kgm3,
                                double hi_kgm3, double guess_kgm3);

// The same with the branch given (the caller knows the side already).
DensityResult densityOnBranch(double t_K, double p_kPa, Branch branch, double guess_kgm3);

}  // namespace chemeng::water
