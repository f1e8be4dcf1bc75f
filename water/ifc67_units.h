#pragma once

// Reducing scales of the 1967 IFC Formulation for Industrial Use in English
// engineering units (°F, psia, ft³/lb, Btu/lb, Btu/(lb·°R)). They are the
// IFC-67 critical values Tc = 647.3 K, pc = 22.12 MPa and the reducing volume
// vc = 0.00317 m³/kg, converted to English units and carried to nine or ten
// digits (each within 2e-8 relative of the exact conversion, far below the
// formulation's own tolerances).
namespace chemeng::ifc67 {

inline constexpr double kRankineOffset = 459.67;
// θ = (T + 459.67) / 1165.14
inline constexpr double kInverseCriticalTemperature_perR = 0.000858265959455516;
inline constexpr double kCriticalTemperature_R = 1165.14;
// β = p / 3208.23474
inline constexpr double kCriticalPressure_psia = 3208.23474;
inline constexpr double kInverseCriticalPressure_perPsia = 0.00031169789028592093;
// v = 0.0507785287 χ
inline constexpr double kReducingVolume_ft3lb = 0.0507785287;
inline constexpr double kInverseReducingVolume_lbft3 = 19.693363033576826;
// h = pc·vc ε, s = pc·vc/Tc σ
inline constexpr double kEnthalpyScale_Btulb = 30.1463451;
inline constexpr double kEntropyScale_BtulbR = 0.0258735819;

// Temperature at which e = 1 − θ vanishes (θ = 1).
inline constexpr double kCriticalTemperature_F = 705.47;

inline double reducedTemperature(double t_F) {
    return (t_F + kRankineOffset) * kInverseCriticalTemperature_perR;
}

inline double reducedPressure(double p_psia) {
    return p_psia * kInverseCriticalPressure_perPsia;
}

}  // namespace chemeng::ifc67
