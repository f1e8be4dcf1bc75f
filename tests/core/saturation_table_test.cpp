#include "water/saturation_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/temp_data_dir.h"

namespace chemeng {
namespace {

using test::FixedLine;
using test::TempDataDir;

// One sat.txt line: T [K], p [MPa], v', v'' [m³/kg], h', h'', u', u'' [kJ/kg].
std::string satLine(const std::string& t, const std::string& p, const std::string& vl,
                    const std::string& vv, const std::string& hl, const std::string& hv,
                    const std::string& ul, const std::string& uv) {
    return FixedLine()
               .at(4, t)
               .at(17, p)
               .at(32, vl)
               .at(51, vv)
               .at(65, hl)
               .at(83, hv)
               .at(97, ul)
               .at(116, uv)
               .str() +
           "\n";
}

// Round numbers, so that midpoints are exact: h' and u' rise 100, 200, 300,
// 400; v'' falls 12, 2, 1, 0.5.
SaturationTable roundTable(TempDataDir& dir) {
    dir.write("sat.txt", satLine("300", "0.1", "0.001", "12", "100", "2500", "100", "2400") +
                             satLine("310", "0.2", "0.001", "2", "200", "2600", "200", "2500") +
                             satLine("320", "0.3", "0.001", "1", "300", "2700", "300", "2600") +
                             satLine("330", "0.4", "0.001", "0.5", "400", "2800", "400", "2700"));
    SaturationTable table;
    EXPECT_TRUE(table.load(dir.path() / "sat.txt"));
    return table;
}

TEST(SaturationTableLoad, CutsCellsRemovesBlanksAndStoresPressureInKPa) {
    TempDataDir dir;
    dir.write("sat.txt", satLine(" 373.16 ", "0.101418", "0.00104346", "1.6718", "419.10", "2675.6",
                                 "418.99", "2506.0") +
                             "\n" + "short");
    SaturationTable table;
    ASSERT_TRUE(table.load(dir.path() / "sat.txt"));
    ASSERT_EQ(table.rowCount(), 3);
    const SaturationTable::Row& row = table.row(0);
    EXPECT_EQ(row.text[0], "373.16");
    EXPECT_DOUBLE_EQ(row.value[0], 373.16);
    EXPECT_EQ(row.text[1], "0.101418");
    EXPECT_DOUBLE_EQ(row.value[1], 101.418);
    EXPECT_DOUBLE_EQ(row.value[3], 1.6718);
    EXPECT_DOUBLE_EQ(row.value[7], 2506.0);
    // A blank line and a line too short for any cell are rows of zeros.
    for (int r = 1; r < 3; ++r)
        for (double v : table.row(r).value) EXPECT_EQ(v, 0.0);
}

TEST(SaturationTableLoad, StopsAtTheRowLimitAndReportsAMissingFile) {
    TempDataDir dir;
    std::string content;
    for (int i = 0; i < SaturationTable::kMaxRows + 5; ++i)
        content += satLine(std::to_string(i), "1", "1", "1", "1", "1", "1", "1");
    dir.write("sat.txt", content);
    SaturationTable table;
    ASSERT_TRUE(table.load(dir.path() / "sat.txt"));
    EXPECT_EQ(table.rowCount(), 3740);
    EXPECT_EQ(table.row(3739).value[0], 3739.0);

    SaturationTable missing;
    EXPECT_FALSE(missing.load(dir.path() / "absent.txt"));
    EXPECT_EQ(missing.rowCount(), 0);
}

TEST(SaturationTableNearestRow, RangesAndTheNearestRowRule) {
    TempDataDir dir;
    const SaturationTable table = roundTable(dir);
    using Cell = SaturationTable::Cell;
    struct Case {
        Cell column;
        double value;
        int expected;  // -1: refused
    };
    const Case cases[] = {
        {Cell::LiquidEnthalpy, 100.0, 0},    // row 0 itself
        {Cell::LiquidEnthalpy, 99.999, -1},  // below row 0
        {Cell::LiquidEnthalpy, 300.0, 2},    // the last row but one is accepted
        {Cell::LiquidEnthalpy, 300.001, -1},
        {Cell::LiquidEnthalpy, 400.0, -1},  // the last row is not
        {Cell::LiquidEnthalpy, 150.0, 0},   // midpoint: the smaller enthalpy
        {Cell::LiquidEnthalpy, 150.001, 1},
        {Cell::LiquidEnthalpy, 200.0, 1},  // a tabulated value picks its row
        {Cell::LiquidEnergy, 249.0, 1},
        {Cell::LiquidEnergy, 251.0, 2},
        {Cell::VapourVolume, 0.5, 3},  // the last row is accepted
        {Cell::VapourVolume, 0.49, -1},
        {Cell::VapourVolume, 12.0, 0},
        {Cell::VapourVolume, 12.01, -1},
        {Cell::VapourVolume, 7.0, 1},  // midpoint: the smaller volume
        {Cell::VapourVolume, 7.001, 0},
        {Cell::VapourVolume, 1.5, 2},
        {Cell::VapourVolume, 1.0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "column " << c.column << " value " << c.value);
        const std::optional<int> row = table.nearestRow(c.column, c.value);
        if (c.expected < 0) {
            EXPECT_FALSE(row.has_value());
        } else {
            ASSERT_TRUE(row.has_value());
            EXPECT_EQ(*row, c.expected);
        }
    }
    EXPECT_FALSE(table.nearestRow(Cell::LiquidEnthalpy, std::nan("")).has_value());
}

TEST(SaturationTableNearestRow, NeedsTwoRows) {
    TempDataDir dir;
    dir.write("sat.txt", satLine("300", "0.1", "0.001", "12", "100", "2500", "100", "2400"));
    SaturationTable table;
    ASSERT_TRUE(table.load(dir.path() / "sat.txt"));
    EXPECT_FALSE(table.nearestRow(SaturationTable::LiquidEnthalpy, 100.0).has_value());
    EXPECT_FALSE(table.nearestRow(SaturationTable::VapourVolume, 12.0).has_value());
    EXPECT_FALSE(SaturationTable{}.nearestRow(SaturationTable::VapourVolume, 12.0).has_value());
}

}  // namespace
}  // namespace chemeng
