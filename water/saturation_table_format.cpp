#include "water/saturation_table_format.h"

#include <cmath>
#include <cstdio>
#include <string_view>

namespace chemeng {
namespace {

// Fixed notation with about `significant` significant digits, fewer where the
// window is too narrow for them.
std::string fixedSignificant(double value, int significant, int width) {
    const int magnitude =
        value == 0.0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = significant - 1 - magnitude;
    if (decimals < 0) decimals = 0;
    char buffer[64];
    for (; decimals >= 0; --decimals) {
        const int n = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        if (n > 0 && n <= width) break;
    }
    return buffer;
}

// Six decimals (1 J/kg in the thousandth), without a sign on a rounded zero.
std::string energy(double value_kJkg) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6f", value_kJkg);
    std::string text = buffer;
    if (text == "-0.000000") text.erase(0, 1);
    return text;
}

bool place(std::string& line, const SaturationTableFormat::Window& window, std::string_view text) {
    if (text.empty() || static_cast<int>(text.size()) > window.length) return false;
    const auto end = static_cast<std::size_t>(window.start + window.length);
    line.replace(end - text.size(), text.size(), text);
    return true;
}

}  // namespace

double SaturationTableFormat::temperature_K(int row) {
    return (27316.0 + 10.0 * static_cast<double>(row)) / 100.0;
}

std::optional<std::string> SaturationTableFormat::formatRow(const PhaseEquilibrium& state) {
    char temperature[32];
    std::snprintf(temperature, sizeof temperature, "%.2f", state.T_K);
    const std::string cells[8] = {
        temperature,
        fixedSignificant(state.p_MPa, 9, kWindows[1].length),
        fixedSignificant(1.0 / state.rhoLiquid_kgm3, 9, kWindows[2].length),
        fixedSignificant(1.0 / state.rhoVapour_kgm3, 9, kWindows[3].length),
        energy(state.hLiquid_kJkg),
        energy(state.hVapour_kJkg),
        energy(state.uLiquid_kJkg),
        energy(state.uVapour_kJkg),
    };
    std::string line(static_cast<std::size_t>(kLineLength), ' ');
    for (std::size_t i = 0; i < kWindows.size(); ++i) {
        if (!place(line, kWindows[i], cells[i])) return std::nullopt;
    }
    return line;
}

}  // namespace chemeng
