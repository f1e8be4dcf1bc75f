#pragma once

#include "water/ifc67_context.h"
#include "water/steam_phase_values.h"

// Water and steam from a pair of properties: the temperature and pressure, or
// one of them with the specific volume or enthalpy. Volume, enthalpy and the
// phase come from the English-unit IFC-67 formulation, the internal energy
// from IAPWS-95 at the temperature and the IFC-67 density. Every function takes
// and gives K, kPa, m³/kg and kJ/kg; the conversion to and from the
// formulation's °F, psia, ft³/lb and Btu/lb (°F = (T − 273.15) × 1.8 + 32)
// happens inside.
//
// The formulation covers 273.16 K to 1144.26 K (32.018 °F to 1600 °F) and
// 0.6112 kPa to 41368 kPa (0.08865 psia to 6000 psia); a limit typed in
// another unit, a rounding step off, still counts as the limit.
namespace chemeng {

enum class SteamPhase {
    Subcooled,      // liquid below its saturation temperature, or compressed
    Saturated,      // (T, p) on the saturation line: one saturated phase
    TwoPhase,       // liquid and vapour in equilibrium, 0 < quality < 100 %
    Superheated,    // vapour
    Supercritical,  // above both the critical temperature and pressure of IAPWS-95
};

// Why a solve stopped. Anything but Solved leaves no state to show.
enum class PairSolveStatus {
    Solved,
    TemperatureOutOfRange,  // outside the formulation's temperatures
    PressureOutOfRange,     // outside the formulation's pressures
    GivenNotPositive,       // the given volume or enthalpy is not a positive number
    NotSuperheatedVapour,   // (p, v): the volume is not above the saturated vapour's
    NoStateInRange,         // no state within the formulation's range has the pair
    FormulationFailed,      // an iteration of the formulation did not converge
};

// One state of water found from a pair. `state` holds the values of the state
// as a whole (the mixture when two-phase); `liquid` and `vapour` hold the
// phases present: for a single phase the one phase (a supercritical fluid as
// vapour), for a two-phase state the saturated liquid and vapour at (T, p).
// An absent phase is NaN.
struct SteamPairState {
    PairSolveStatus status = PairSolveStatus::Solved;
    SteamPhase phase = SteamPhase::Subcooled;
    double t_K = 0.0;
    double p_kPa = 0.0;
    double quality_percent = 0.0;  // 0 liquid, 100 vapour or supercritical
    SteamPhaseValues state;
    SteamPhaseValues liquid;
    SteamPhaseValues vapour;
};

// Temperature and pressure. Below the critical pressure the phase follows
// from the saturation temperature at p (IAPWS 1992 auxiliary equation): a
// state whose temperature in °F lies within 0.01 % of it is Saturated, the
// saturated phase on the side T lies on, with u and h from IAPWS-95 at the
// saturation density.
SteamPairState solveTemperaturePressure(double t_K, double p_kPa, Ifc67Context& context);

// Temperature with the specific volume or the enthalpy. The pressure is
// sought in the whole range: first among compressed liquids (at a low
// temperature a compressed liquid can have the enthalpy of a wet state of
// little quality; the liquid is the answer then), then on the saturation line
// (two-phase), then among vapours; above the formulation's critical
// temperature (705.47 °F) over the whole pressure range.
SteamPairState solveTemperatureVolume(double t_K, double v_m3kg, Ifc67Context& context);
SteamPairState solveTemperatureEnthalpy(double t_K, double h_kJkg, Ifc67Context& context);

// Pressure with the enthalpy.
SteamPairState solvePressureEnthalpy(double p_kPa, double h_kJkg, Ifc67Context& context);

// Pressure with the specific volume, superheated vapour only.
SteamPairState solvePressureVolume(double p_kPa, double v_m3kg, Ifc67Context& context);

}  // namespace chemeng
