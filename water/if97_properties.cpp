#include "water/if97_properties.h"

#include <cmath>
#include <limits>

#include "water/if97_constants.h"

namespace chemeng::water::if97 {

Properties gibbsProperties(double p_MPa, double t_K, double pi, double tau,
                           const GibbsDerivatives& g, Detail detail) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const double rt = kR_kJkgK * t_K;  // kJ/kg
    Properties out;
    out.t_K = t_K;
    out.p_MPa = p_MPa;
    out.h_kJkg = rt * tau * g.gt;
    out.s_kJkgK = kR_kJkgK * (tau * g.gt - g.g);
    if (detail == Detail::Thermal) {
        out.cp_kJkgK = -kR_kJkgK * tau * tau * g.gtt;
        out.v_m3kg = out.u_kJkg = out.cv_kJkgK = out.w_ms = out.dvdT_m3kgK = kNaN;
        return out;
    }
    // R·T/p in kJ/(kg·MPa) is 10⁻³ m³/kg.
    out.v_m3kg = 1e-3 * rt * pi * g.gp / p_MPa;
    out.u_kJkg = rt * (tau * g.gt - pi * g.gp);
    if (detail == Detail::Basic) {
        out.cp_kJkgK = out.cv_kJkgK = out.w_ms = out.dvdT_m3kgK = kNaN;
        return out;
    }
    out.cp_kJkgK = -kR_kJkgK * tau * tau * g.gtt;
    const double a = g.gp - tau * g.gpt;
    out.cv_kJkgK = kR_kJkgK * (-tau * tau * g.gtt + a * a / g.gpp);
    // R in J/(kg·K) for the speed of sound in m/s.
    out.w_ms = std::sqrt(1e3 * rt * g.gp * g.gp / (a * a / (tau * tau * g.gtt) - g.gpp));
    out.dvdT_m3kgK = 1e-3 * kR_kJkgK * pi * a / p_MPa;
    return out;
}

}  // namespace chemeng::water::if97
