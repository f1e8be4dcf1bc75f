#pragma once

#include <string>

namespace chemeng {

// "%.15g": the general format with up to 15 significant digits, as edits show
// doubles. Independent of the C locale.
std::string formatGeneral(double value);

// "%.3f": three decimals, round-half-even on the exact binary value as printf
// does. Independent of the C locale.
std::string formatFixed3(double value);

}  // namespace chemeng
