// Choice of IFC-67 subregion for a state (p, T) and a quality.
#include "water/ifc67_formulation.h"
#include "water/ifc67_inversions.h"

namespace chemeng {
namespace {

// Upper temperature of subregion 1 (350 °C).
constexpr double kSubregion1Top_F = 662.0;

double subregion3Part(double p_psia, double t_F, double x_percent, PropertyKind kind,
                      Ifc67Context& context) {
    const double v = Subregion3Volume(p_psia, t_F, x_percent, context);
    return kind == PropertyKind::Volume ? v : Subregion3Property(v, t_F, kind, context);
}

}  // namespace

double SteamProperty(double p_psia, double t_F, double x_percent, PropertyKind kind,
                     Ifc67Context& context) {
    double vapour = 0.0;
    if (x_percent > 0.0) {
        vapour = LFunction(t_F) >= p_psia ? Subregion2Property(p_psia, t_F, kind, context)
                                          : subregion3Part(p_psia, t_F, 100.0, kind, context);
    }
    double liquid = 0.0;
    if (x_percent < 100.0) {
        liquid = t_F <= kSubregion1Top_F ? Subregion1Property(p_psia, t_F, kind, context)
                                         : subregion3Part(p_psia, t_F, 0.0, kind, context);
    }
    return (liquid * (100.0 - x_percent) + vapour * x_percent) * 0.01;
}

}  // namespace chemeng
