#include "compounds/compound_table.h"

#include <cmath>

#include "framework/text_number.h"

namespace chemeng {

namespace {
const std::string kEmpty;
}

CompoundTable::CompoundTable(int cellsPerRow) : m_cellsPerRow(cellsPerRow) {}

const std::string& CompoundTable::cell(int row, int cell) const {
    if (row < 0 || cell < 0 || cell >= m_cellsPerRow) return kEmpty;
    const auto r = static_cast<std::size_t>(row);
    if (r >= m_rows.size()) return kEmpty;
    return m_rows[r][static_cast<std::size_t>(cell)];
}

void CompoundTable::setCell(int row, int cell, std::string text) {
    if (row < 0 || row >= kCapacity || cell < 0 || cell >= m_cellsPerRow) return;
    const auto r = static_cast<std::size_t>(row);
    if (r >= m_rows.size()) {
        m_rows.resize(r + 1, std::vector<std::string>(static_cast<std::size_t>(m_cellsPerRow)));
    }
    m_rows[r][static_cast<std::size_t>(cell)] = std::move(text);
}

double cellNumber(const CompoundTable& table, int row, int cell) {
    const double value = parseLeadingNumber(table.cell(row, cell));
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace chemeng
