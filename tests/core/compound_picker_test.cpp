#include "compounds/compound_picker.h"

#include <gtest/gtest.h>

#include "support/recording_dialog.h"

namespace chemeng {
namespace {

enum Id : int { AD = 1, EH, IL, MQ, RX, Misc, MainFormulas, MiscFormulas };
enum Cell : int { NameCell, FormulaCell };

constexpr ControlSpec kControls[] = {
    {AD, ControlKind::ComboBox, "A - D", 0, 0, 1, 1, kSorted},
    {EH, ControlKind::ComboBox, "E - H", 0, 1, 1, 1, kSorted},
    {IL, ControlKind::ComboBox, "I - L", 0, 2, 1, 1, kSorted},
    {MQ, ControlKind::ComboBox, "M - Q", 0, 3, 1, 1, kSorted},
    {RX, ControlKind::ComboBox, "R - X", 0, 4, 1, 1, kSorted},
    {Misc, ControlKind::ComboBox, "Miscellaneous", 0, 5, 1, 1, kSorted},
    {MainFormulas, ControlKind::ListBox, "Formula", 1, 0},
    {MiscFormulas, ControlKind::ListBox, "", 1, 1, 1, 1, kSorted},
};
constexpr PageLayout kLayout{"Picker", kControls};

struct PickerFixture : ::testing::Test {
    CompoundTable table{2};
    test::RecordingDialog dialog{kLayout};
    CompoundPicker picker{
        dialog,   table,       {AD, EH, IL, MQ, RX, Misc, MainFormulas, MiscFormulas},
        NameCell, FormulaCell, MiscFormulaRange::MiscCount};

    void load(std::initializer_list<std::pair<const char*, const char*>> main,
              std::initializer_list<std::pair<const char*, const char*>> misc) {
        int row = 0;
        for (auto [name, formula] : main) {
            table.setCell(row, NameCell, name);
            table.setCell(row++, FormulaCell, formula);
        }
        table.mainCount = row;
        for (auto [name, formula] : misc) {
            table.setCell(row, NameCell, name);
            table.setCell(row++, FormulaCell, formula);
        }
        table.miscCount = row - table.mainCount;
        picker.fill();
    }
};

TEST_F(PickerFixture, SortsNamesIntoLetterGroupsByTheirFirstCapital) {
    load({{"ACETONE", "C3H6O"},
          {"ETHANE", "C2H6"},
          {"IODINE", "I2"},
          {"METHANE", "CH4"},
          {"XENON", "Xe"},
          {"ZINC", "Zn"},
          {"1-BUTENE", "C4H8"},
          {"2,3-", "?"},
          {"acetone", "C3H6O"},
          {"\xC9THER", "?"},
          // The last letter of each group stays in it.
          {"DECANE", "C10H22"},
          {"HEXANE", "C6H14"},
          {"LITHIUM", "Li"},
          {"QUINOLINE", "C9H7N"}},
         {});
    using V = std::vector<std::string>;
    EXPECT_EQ(dialog.items(AD),
              (V{"1-BUTENE", "2,3-", "ACETONE", "DECANE"}));  // no letter: previous row's group
    EXPECT_EQ(dialog.items(EH), (V{"ETHANE", "HEXANE"}));
    EXPECT_EQ(dialog.items(IL), (V{"IODINE", "LITHIUM"}));
    EXPECT_EQ(dialog.items(MQ), (V{"METHANE", "QUINOLINE"}));
    // Small letters go to R - X; bytes above 127 are not letters (\xC9THER goes by its T).
    EXPECT_EQ(dialog.items(RX), (V{"acetone", "XENON", "ZINC", "\xC9THER"}));
    EXPECT_EQ(dialog.items(MainFormulas).size(), 14u);
    EXPECT_EQ(dialog.items(MainFormulas)[9], "?");
}

TEST_F(PickerFixture, AFirstNameWithoutLetterGoesToRX) {
    load({{"123", "X"}, {"BENZENE", "C6H6"}}, {});
    EXPECT_EQ(dialog.items(RX), std::vector<std::string>{"123"});
}

TEST_F(PickerFixture, CombosShowTheirFirstItemWithoutChoosing) {
    load({{"ETHANE", "C2H6"}, {"BENZENE", "C6H6"}, {"ACETONE", "C3H6O"}}, {{"AMMONIA ", "NH3"}});
    EXPECT_EQ(dialog.currentText(AD), "ACETONE");
    EXPECT_EQ(dialog.currentText(Misc), "AMMONIA ");
    EXPECT_EQ(dialog.currentIndex(IL), -1);  // an empty combo has nothing to show
    EXPECT_EQ(dialog.currentIndex(MainFormulas), -1);
}

TEST_F(PickerFixture, ResolvesEachRouteToItsRow) {
    load({{"BENZENE", "C6H6"}, {"ETHANE", "C2H6"}, {"BENZENE", "C6H6"}, {"ETHENE", "C2H4"}},
         {{"WATER ", "H2O"}, {"AMMONIA", "NH3"}});
    dialog.setCurrentIndex(AD, 1);  // the second BENZENE
    EXPECT_EQ(picker.rowChosen(AD, Notification::SelectionChange),
              0);  // equal names: the first row
    dialog.setCurrentIndex(EH, 1);
    EXPECT_EQ(picker.rowChosen(EH, Notification::SelectionChange), 3);
    dialog.setCurrentIndex(MainFormulas, 2);  // position, not text
    EXPECT_EQ(picker.rowChosen(MainFormulas, Notification::SelectionChange), 2);
    EXPECT_EQ(picker.rowChosen(MainFormulas, Notification::DoubleClick), 2);
    dialog.setCurrentIndex(Misc, 1);  // sorted: AMMONIA, WATER
    EXPECT_EQ(picker.rowChosen(Misc, Notification::SelectionChange), 4);
    dialog.setCurrentIndex(MiscFormulas, 0);  // sorted: H2O, NH3
    EXPECT_EQ(picker.rowChosen(MiscFormulas, Notification::SelectionChange), 4);
    EXPECT_EQ(picker.rowChosen(AD, Notification::DoubleClick), std::nullopt);
    EXPECT_EQ(picker.rowChosen(99, Notification::SelectionChange), std::nullopt);
}

TEST_F(PickerFixture, NoMatchGivesTheRowAfterTheRange) {
    load({{"BENZENE", "C6H6"}}, {});
    dialog.setCurrentIndex(MainFormulas, -1);
    EXPECT_EQ(picker.rowChosen(MainFormulas, Notification::SelectionChange), std::nullopt);
    EXPECT_EQ(findByText(table, NameCell, "TOLUENE", 0, 0), 1);
    EXPECT_EQ(findByText(table, NameCell, "BENZENE", 1, 0), 1);  // empty range
}

}  // namespace
}  // namespace chemeng
