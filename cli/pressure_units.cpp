#include "cli/pressure_units.h"

#include <array>
#include <limits>

namespace chemeng::cli {

namespace {
struct PressureFactor {
    std::string_view unit;
    double kPa;  // one unit in kPa
};
// BIPM SI Brochure (9th ed.) for Pa, bar, atm and mmHg (133.322387415 Pa);
// NIST SP 811 appendix B for psi (6894.757293168 Pa) and inHg at 0 °C
// (3386.389 Pa).
constexpr std::array<PressureFactor, 8> kFactors{{
    {"Pa", 0.001},
    {"kPa", 1.0},
    {"MPa", 1000.0},
    {"bar", 100.0},
    {"atm", 101.325},
    {"psia", 6.894757293168},
    {"mmHg", 0.133322387415},
    {"inHg", 3.386389},
}};
static_assert(kFactors.size() == 8, "one factor per pressure unit");

double factor(std::string_view unit) {
    for (const PressureFactor& f : kFactors) {
        if (f.unit == unit) return f.kPa;
    }
    return std::numeric_limits<double>::quiet_NaN();
}
}  // namespace

bool isPressureUnit(std::string_view unit) {
    for (const PressureFactor& f : kFactors) {
        if (f.unit == unit) return true;
    }
    return false;
}

double pressureToKPa(double p, std::string_view unit) {
    return p * factor(unit);
}

double pressureFromKPa(double p_kPa, std::string_view unit) {
    return p_kPa / factor(unit);
}

}  // namespace chemeng::cli
