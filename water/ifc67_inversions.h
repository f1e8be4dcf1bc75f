#pragma once

#include "water/ifc67_context.h"

// Iterative inversions of the English-unit IFC-67 formulation (units as in
// ifc67_formulation.h). Every one gives 0 on failure with the context's
// formulation-error flag raised.
namespace chemeng {

// Saturation temperature at 0.08865 ≤ p ≤ 3208.23474 psia: the inverse of
// KFunction by relaxed Newton steps from a Chebyshev start value.
double KFunctionTemperature(double p_psia, Ifc67Context& context);

// Quality (percent) of the state at temperature T whose property of the given
// kind is y; 0 or 100 outside the two-phase range, 100 above 705.47 °F.
double QualityAtTemperature(double t_F, double y, PropertyKind kind, Ifc67Context& context);

// Quality (percent) of the state at pressure p whose property of the given kind
// is y; above the critical pressure only 0 or 100.
double QualityAtPressure(double p_psia, double y, PropertyKind kind, Ifc67Context& context);

// The missing temperature (mode TemperatureAtPressure, a = p in psia) or
// pressure (mode PressureAtTemperature, a = T in °F) of the state with quality
// x whose property of the given kind is y. A mixture (0 < x < 100) gives the
// saturation value at once; a single phase is searched for between the
// saturation line and the formulation's limit by a relaxed secant search.
// Clears the subregion-3 volume memory before every trial point.
double SinglePhaseSearch(double a, double y, double x_percent, PropertyKind kind, SearchMode mode,
                         Ifc67Context& context);

// Subregion-3 specific volume (ft³/lb) at (p, T): the liquid side for x = 0,
// the vapour side otherwise. A volume found is remembered on its side and given
// back for any later request on that side until the memory flags are cleared
// (except between 705 and 705.47 °F, where the search always runs). Records a
// Subregion3Failure in the context outside 2002.78 to 6000 psia and after 100
// trial points without convergence.
double Subregion3Volume(double p_psia, double t_F, double x_percent, Ifc67Context& context);

}  // namespace chemeng
