#include "water/saturation_table.h"

#include <cstddef>
#include <utility>

#include "compounds/fixed_column_file.h"
#include "framework/text_number.h"

namespace chemeng {

namespace {
// Character windows of sat.txt, 0-based: T [K], p [MPa], v' and v'' [m³/kg],
// h' and h'' [kJ/kg], u' and u'' [kJ/kg].
constexpr std::array<Field, SaturationTable::kCellCount> kFields{{
    {4, 11, Cleaning::BlanksRemoved},
    {17, 14, Cleaning::BlanksRemoved},
    {32, 15, Cleaning::BlanksRemoved},
    {51, 12, Cleaning::BlanksRemoved},
    {65, 14, Cleaning::BlanksRemoved},
    {83, 12, Cleaning::BlanksRemoved},
    {97, 14, Cleaning::BlanksRemoved},
    {116, 11, Cleaning::BlanksRemoved},
}};
static_assert(kFields.size() == 8, "eight cells per saturation row");

constexpr double kKPaPerMPa = 1000.0;
}  // namespace

bool SaturationTable::load(const std::filesystem::path& path) {
    m_rows.clear();
    return readLines(path, kMaxRows, [this](const std::string& line) {
        Row row;
        for (std::size_t cell = 0; cell < kFields.size(); ++cell) {
            row.text[cell] = cutField(line, kFields[cell]);
            row.value[cell] = parseLeadingNumber(row.text[cell]);
        }
        row.value[Pressure_kPa] *= kKPaPerMPa;
        m_rows.push_back(std::move(row));
    });
}

std::optional<int> SaturationTable::nearestRow(Cell column, double value) const {
    const int count = rowCount();
    if (count < 2) return std::nullopt;
    const auto at = [&](int index) { return row(index).value[static_cast<std::size_t>(column)]; };
    const bool falling = column == VapourVolume;

    // Inclusive bounds; the rising columns stop at the last row but one.
    const bool inRange = falling ? (at(count - 1) <= value && value <= at(0))
                                 : (at(0) <= value && value <= at(count - 2));
    if (!inRange) return std::nullopt;

    int chosen = 0;
    for (int i = 0; i + 1 < count; ++i) {
        const double a = at(i);
        const double b = at(i + 1);
        const bool enclosed = falling ? (b <= value && value <= a) : (a <= value && value <= b);
        if (!enclosed) continue;
        const double mid = (a + b) * 0.5;
        // A later enclosing pair replaces an earlier answer.
        if (falling)
            chosen = value > mid ? i : i + 1;
        else
            chosen = value > mid ? i + 1 : i;
    }
    return chosen;
}

}  // namespace chemeng
