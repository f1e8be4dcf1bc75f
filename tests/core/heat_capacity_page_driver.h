#pragma once

// Plays a user on the Heat Capacities or the Enthalpies page: both pages
// have the same controls, so one driver serves either.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "pages/heat_capacity_compounds.h"
#include "support/recording_dialog.h"

namespace chemeng::test {

namespace HcCtl = HeatCapacityCtl;
inline constexpr int kReferenceTemperature = 1024;  // Enthalpies page only

template <class PageType>
struct HeatCapacityPageDriver {
    HeatCapacityPageDriver(const PageLayout& layout, const std::filesystem::path& dataDir)
        : dialog(layout), page(dialog, dataDir) {
        dialog.attach(page);
        page.onInitDialog();
    }

    // A name as listed in a letter-group or the Miscellaneous combo; "-"
    // chooses nothing.
    bool choose(const std::string& name) {
        if (name == "-") return true;
        for (int combo : {HcCtl::GroupAtoD, HcCtl::GroupEtoH, HcCtl::GroupItoL, HcCtl::GroupMtoQ,
                          HcCtl::GroupRtoX, HcCtl::MiscNames}) {
            if (dialog.chooseText(combo, name)) return true;
        }
        return false;
    }
    void phase(char p) { dialog.click(p == 'L' ? HcCtl::Liquid : HcCtl::Gas); }
    void unit(char u) {
        dialog.click(u == 'C' ? HcCtl::Celsius : u == 'F' ? HcCtl::Fahrenheit : HcCtl::Kelvin);
    }
    // Types the temperature (and the reference temperature when given) and
    // presses OK; returns the messages shown.
    std::vector<std::string> compute(const std::string& t, const std::string* tr = nullptr) {
        dialog.type(HcCtl::Temperature, t);
        if (tr != nullptr) dialog.type(kReferenceTemperature, *tr);
        dialog.takeMessages();
        dialog.click(HcCtl::Ok);
        return dialog.takeMessages();
    }
    std::string text(int id) const { return dialog.windowText(id); }
    std::string result() const { return dialog.windowText(HcCtl::Result); }

    RecordingDialog dialog;
    PageType page;
};

inline std::string unquote(const std::string& cell) {
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        return cell.substr(1, cell.size() - 2);
    return cell;
}

// The rows of a tab-separated golden table without comments, each padded
// with empty cells to `columns`.
inline std::vector<std::vector<std::string>> readGolden(const std::filesystem::path& file,
                                                        std::size_t columns) {
    std::ifstream in(file);
    EXPECT_TRUE(in.is_open()) << file;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.front() == '#') continue;
        std::vector<std::string> cells;
        std::stringstream split(line);
        for (std::string cell; std::getline(split, cell, '\t');) cells.push_back(unquote(cell));
        EXPECT_LE(cells.size(), columns) << line;
        cells.resize(columns);
        rows.push_back(cells);
    }
    return rows;
}

inline std::vector<std::string> messageList(const std::string& message) {
    return message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message};
}

}  // namespace chemeng::test
