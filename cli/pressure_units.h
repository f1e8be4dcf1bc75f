#pragma once

#include <string>
#include <string_view>

namespace chemeng::cli {

// Pressures the command line converts itself, with the standard factors
// (1 atm = 101.325 kPa = 760 mmHg exactly; 1 psi = 6.894757293168 kPa; 1 inHg
// = 3.386389 kPa at 0 °C). The steam page keeps its own historical factors
// for the units it offers.
bool isPressureUnit(std::string_view unit);
double pressureToKPa(double p, std::string_view unit);
double pressureFromKPa(double p_kPa, std::string_view unit);

// Every unit the command line knows, for help texts.
inline constexpr const char* kPressureUnitList = "Pa, kPa, MPa, bar, atm, psia, mmHg, inHg";

}  // namespace chemeng::cli
