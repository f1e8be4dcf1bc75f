#pragma once

#include <span>

#include "source_tables.h"

// The published correlation forms the source tables use, each evaluated
// exactly as printed by its publication (units noted per function).
namespace chemeng::datagen {

inline constexpr double kGasConstant = 8.314462618;  // J/(mol K)
inline constexpr double kLog10PaPerMmHg = 2.124903;  // log10(133.322387415)
inline constexpr double kPaPerMmHg = 133.322387415;
inline constexpr double kCelsiusOffset = 273.15;

// DIPPR equation 100: A + B T + C T^2 + D T^3 + E T^4.
double dippr100(std::span<const double, 5> c, double t);

// DIPPR equation 101, ln(p/Pa) = C1 + C2/T + C3 ln T + C4 T^C5; returns Pa.
double dippr101(std::span<const double, 5> c, double t);

// DIPPR equation 105, C1 / C2^(1 + (1 - T/C3)^C4).
double dippr105(std::span<const double, 4> c, double t);

// DIPPR equation 106, C1 (1 - Tr)^(C2 + C3 Tr + C4 Tr^2).
double dippr106(double tc, std::span<const double, 4> c, double t);

// DIPPR equation 114 (liquid Cp near the critical point), t = 1 - T/Tc.
double dippr114(double tc, std::span<const double, 4> c, double t);

// PPDS equation 12 (VDI Heat Atlas), Hvap in J/mol.
double ppdsHvap(double tc, std::span<const double, 5> c, double t);

// VDI Heat Atlas saturated-liquid density, kg/m^3.
double ppdsLiquidDensity(double tc, double rhoc, std::span<const double, 4> c, double t);

// TRC ideal-gas Cp, J/(mol K); a = a0 ... a7.
double trcGasCp(std::span<const double, 8> a, double t);

// Shomate gas Cp from the segment holding T; below the first segment the
// value at its lower limit, above the last the value at its upper limit.
double shomateCp(std::span<const ShomateSegment> segments, double t);

// Zabransky liquid Cp, J/(mol K): spline piece Cp/R in powers of T/100, or the
// quasi-polynomial in Tr = T/Tc.
double zabranskySpline(std::span<const double, 4> a, double t);
double zabranskyQuasi(std::span<const double, 6> a, double tc, double t);

// Antoine equation, log10(p/mmHg) = A - B/(T + C) with T in the unit C is for.
double antoineMmHg(double a, double b, double c, double t);

}  // namespace chemeng::datagen
