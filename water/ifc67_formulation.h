#pragma once

#include "water/ifc67_context.h"

// The 1967 IFC Formulation for Industrial Use (IFC-67), evaluated directly in
// English engineering units: temperature in °F, pressure in psia, specific
// volume in ft³/lb, enthalpy in Btu/lb, entropy in Btu/(lb·°R), quality in
// percent (0 = liquid, 100 = vapour).
//
// An input outside an evaluation's valid range gives 0 and raises the
// context's formulation-error flag; nothing else happens. Ranges are
// inclusive; the pressure (or volume) is tested before the temperature.
namespace chemeng {

// Saturation pressure (IFC-67 K-function), valid for -459.67 < T ≤ 705.57 °F.
double KFunction(double t_F, Ifc67Context& context);
// The same, also giving dp_sat/dT in psia/°F for a Newton step. The slope is
// left untouched when the temperature is out of range.
double KFunction(double t_F, double& slope_psiaPerF, Ifc67Context& context);

// Pressure of the boundary between subregions 2 and 3 (IFC-67 L-function).
double LFunction(double t_F);

// Compressed liquid, 0.08865 ≤ p ≤ 6000 psia and 32.018 ≤ T ≤ 682 °F.
double Subregion1Property(double p_psia, double t_F, PropertyKind kind, Ifc67Context& context);

// Superheated vapour, 0.08865 ≤ p ≤ 6000 psia and -200 ≤ T ≤ 1600 °F.
double Subregion2Property(double p_psia, double t_F, PropertyKind kind, Ifc67Context& context);

// Near-critical region from volume and temperature, 0.0207 ≤ v ≤ 0.143
// ft³/lb and 636 ≤ T ≤ 1124.45 °F. PropertyKind::Volume gives the pressure.
double Subregion3Property(double v_ft3lb, double t_F, PropertyKind kind, Ifc67Context& context);

// Property of the liquid-vapour mixture of quality x at (p, T): the vapour
// from subregion 2 up to the L-function pressure, else from subregion 3; the
// liquid from subregion 1 up to 662 °F, else from subregion 3. The subregion-3
// volume comes from Subregion3Volume and so uses the context's memory.
double SteamProperty(double p_psia, double t_F, double x_percent, PropertyKind kind,
                     Ifc67Context& context);

}  // namespace chemeng
