#pragma once

#include <string>
#include <vector>

namespace chemeng {

// A page's compound table: up to 1000 rows of text cells. Main rows come
// first (at most 700), then the Miscellaneous rows. Cells never filled read as
// empty texts, also for rows past the filled ones.
class CompoundTable {
  public:
    static constexpr int kCapacity = 1000;
    static constexpr int kMaxMainRows = 700;

    explicit CompoundTable(int cellsPerRow);

    int cellsPerRow() const { return m_cellsPerRow; }

    // Empty for a row or cell outside the table.
    const std::string& cell(int row, int cell) const;
    // Ignored for a row or cell outside the table.
    void setCell(int row, int cell, std::string text);

    // Rows loaded from the main files and from the Miscellaneous files.
    int mainCount = 0;
    int miscCount = 0;
    // Heat-capacity pages only: lines taken from the Miscellaneous liquid file.
    int miscLiquidCount = 0;

  private:
    int m_cellsPerRow;
    std::vector<std::vector<std::string>> m_rows;  // grows as rows are filled
};

// A data cell as a number: its leading number as the C library's atof reads
// it. A cell without a number, or one that reads as infinite or not-a-number
// (an exponent beyond the double's range, "nan"), is no usable value and
// counts as 0.
double cellNumber(const CompoundTable& table, int row, int cell);

}  // namespace chemeng
