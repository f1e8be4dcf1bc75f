#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace chemeng {

// Tabulated saturated water, one state per row in rising temperature order,
// read from a fixed-column text file (sat.txt). The table answers with whole
// rows: the tabulated state nearest to a liquid enthalpy, a liquid internal
// energy or a vapour volume. It is not interpolated.
class SaturationTable {
  public:
    static constexpr int kMaxRows = 3740;
    static constexpr int kCellCount = 8;

    // Cell indices of a row.
    enum Cell : int {
        Temperature_K = 0,
        Pressure_kPa = 1,  // the file holds MPa; stored ×1000
        LiquidVolume = 2,
        VapourVolume = 3,
        LiquidEnthalpy = 4,
        VapourEnthalpy = 5,
        LiquidEnergy = 6,
        VapourEnergy = 7,
    };

    struct Row {
        std::array<std::string, kCellCount> text;
        std::array<double, kCellCount> value{};
    };

    // Reads the file's first kMaxRows lines (every line is a row; a blank
    // line is a row of zeros). Returns false, leaving the table empty, when
    // the file cannot be opened.
    bool load(const std::filesystem::path& path);

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int index) const { return m_rows[static_cast<std::size_t>(index)]; }

    // The row nearest to value in a rising column (liquid enthalpy or
    // internal energy) or the falling vapour-volume column. Accepted are
    // values from row 0 to the last row but one for the rising columns, and
    // from the last row to row 0 for the volume, both ends inclusive; outside
    // that, or with fewer than two rows, there is no answer. At a midpoint the
    // row with the smaller column value wins.
    std::optional<int> nearestRow(Cell column, double value) const;

  private:
    std::vector<Row> m_rows;
};

}  // namespace chemeng
