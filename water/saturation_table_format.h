#pragma once

#include <array>
#include <optional>
#include <string>

#include "water/saturation_equilibrium.h"

namespace chemeng {

// Writing side of the saturation table data file (data/sat.txt): one
// phase-equilibrium state per line in fixed columns, T in K, p in MPa,
// v′, v″ in m³/kg, h′, h″, u′, u″ in kJ/kg, rows in rising temperature from the
// triple point in steps of 0.1 K up to 647.06 K, just below the critical point.
class SaturationTableFormat {
  public:
    static constexpr int kRowCount = 3740;

    struct Window {
        int start;   // 0-based first character
        int length;  // characters
    };
    static constexpr std::array<Window, 8> kWindows{
        {{4, 11}, {17, 14}, {32, 15}, {51, 12}, {65, 14}, {83, 12}, {97, 14}, {116, 11}}};
    static constexpr int kLineLength = 127;

    // Temperature of a row: 273.16 K + row × 0.1 K, as the double nearest to
    // that decimal.
    static double temperature_K(int row);

    // The line for one state (without line end), each number right-aligned in
    // its window and blanks elsewhere; nothing when a number does not fit.
    static std::optional<std::string> formatRow(const PhaseEquilibrium& state);
};

}  // namespace chemeng
