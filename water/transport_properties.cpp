#include "water/transport_properties.h"

#include "water/critical_enhancement.h"
#include "water/iapws95_constants.h"
#include "water/thermal_conductivity.h"
#include "water/viscosity.h"

namespace chemeng::water {

TransportProperties transportProperties(const Iapws95Point& point) {
    const double t = point.t_K();
    const double rho = point.rho_kgm3();
    const double cp = point.cp_kJkgK();
    const double xi = correlationLength_nm(t, rho, point.dpdrho_T());
    TransportProperties out;
    out.viscosity_Pas = viscosityBackground_Pas(t, rho) * viscosityEnhancement(xi);
    out.kinematicViscosity_m2s = out.viscosity_Pas / rho;
    out.thermalConductivity_WmK =
        thermalConductivityBackground_WmK(t, rho) +
        thermalConductivityEnhancement_WmK(t, rho, cp, point.cv_kJkgK(), out.viscosity_Pas, xi);
    out.prandtl = out.viscosity_Pas * cp * 1000.0 / out.thermalConductivity_WmK;
    return out;
}

TransportProperties transportProperties(double t_K, double rho_kgm3) {
    return transportProperties(evaluateIapws95(rho_kgm3 / iapws95::kCriticalDensity_kgm3,
                                               iapws95::kCriticalTemperature_K / t_K, false));
}

}  // namespace chemeng::water
