#include "water/if97_b23.h"

#include <array>
#include <cmath>

namespace chemeng::water::if97 {
namespace {

// IAPWS R7-97(2012), Table 1: n1 … n5 of the B23 equation, with T in K and
// p in MPa; stored from index 0. n5 as the release prints it
// (0.13918839778870e2).
constexpr std::array<double, 5> kB23 = {
    0.34805185628969e3, -0.11671859879975e1, 0.10192970039326e-2,
    0.57254459862746e3, 0.13918839778870e2,
};
static_assert(kB23.size() == 5);

}  // namespace

double b23Pressure(double t_K) {
    const auto& n = kB23;
    return n[0] + n[1] * t_K + n[2] * t_K * t_K;
}

double b23Temperature(double p_MPa) {
    const auto& n = kB23;
    return n[3] + std::sqrt((p_MPa - n[4]) / n[2]);
}

}  // namespace chemeng::water::if97
