#pragma once

#include "water/ifc67_context.h"
#include "water/steam_phase_values.h"

// Water and steam from a pair of properties: the temperature and pressure, or
// one of them with the specific volume or enthalpy. Volume, enthalpy and the
// phase come from the English-unit IFC-67 formulation, the internal energy
// from IAPWS-95 at the temperature and the IFC-67 density. Every function takes
// and gives K, kPa, m³/kg and kJ/kg; the conversion to and from the
// formulation's °F, psia, ft³/lb and Btu/lb happens inside.
namespace chemeng {

enum class SteamPhase {
    Subcooled,    // compressed liquid
    Saturated,    // (T, p) on the saturation line: one saturated phase
    TwoPhase,     // liquid and vapour in equilibrium, 0 < quality < 100 %
    Superheated,  // vapour
};

// Why a solve stopped. Anything but Solved leaves no state to show.
enum class PairSolveStatus {
    Solved,
    TemperatureOutOfRange,  // outside the pair's temperature range (see each solve)
    PressureOutOfRange,     // outside the pair's pressure range
    GivenNotPositive,       // the given volume or enthalpy is not a positive number
    NotSuperheatedVapour,   // (p, v): the volume is not above the saturated vapour's
    FormulationFailed,      // an evaluation left its subregion or an inversion failed
};

// One state of water found from a pair. `state` holds the values of the state
// as a whole (the mixture when two-phase); `liquid` and `vapour` hold the
// phases present: for a single phase the one phase, for a two-phase state the
// saturated liquid and vapour at (T, p). An absent phase is NaN.
struct SteamPairState {
    PairSolveStatus status = PairSolveStatus::Solved;
    SteamPhase phase = SteamPhase::Subcooled;
    double t_K = 0.0;
    double p_kPa = 0.0;
    double quality_percent = 0.0;  // 0 liquid, 100 vapour
    SteamPhaseValues state;
    SteamPhaseValues liquid;
    SteamPhaseValues vapour;
};

// Kelvin of 0 °C in the carry between kelvin and the formulation's °F.
inline constexpr double kPairSolveCelsiusZero_K = 273.15;

// Temperature and pressure, 273.16 to 705 K and 0.7 to 22000 kPa. A state
// whose temperature in °F lies within 0.01 % of the saturation temperature
// at p (IAPWS 1992 auxiliary equations) is Saturated: the saturated phase on
// the side T lies on, with u and h from IAPWS-95 at the saturation density.
SteamPairState solveTemperaturePressure(double t_K, double p_kPa, Ifc67Context& context);

// Temperature with the specific volume or the enthalpy, 273.17 to 1144.27 K
// (32.018 to 1600 °F, the formulation's range). Gives the quality at T and
// the pressure of the state (the saturation pressure when two-phase).
SteamPairState solveTemperatureVolume(double t_K, double v_m3kg, Ifc67Context& context,
                                      double celsiusZero_K = kPairSolveCelsiusZero_K);
SteamPairState solveTemperatureEnthalpy(double t_K, double h_kJkg, Ifc67Context& context,
                                        double celsiusZero_K = kPairSolveCelsiusZero_K);

// Pressure with the enthalpy, 0.6113 to 41368 kPa (0.08865 to 6000 psia).
SteamPairState solvePressureEnthalpy(double p_kPa, double h_kJkg, Ifc67Context& context,
                                     double celsiusZero_K = kPairSolveCelsiusZero_K);

// Pressure with the specific volume, superheated vapour only, same range.
SteamPairState solvePressureVolume(double p_kPa, double v_m3kg, Ifc67Context& context,
                                   double celsiusZero_K = kPairSolveCelsiusZero_K);

}  // namespace chemeng
