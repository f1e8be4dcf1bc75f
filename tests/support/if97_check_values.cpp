#include "support/if97_check_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>

#include "support/fixture_paths.h"

namespace chemeng::test {
namespace {

double cell(const std::string& text) {
    return text == "-" ? std::numeric_limits<double>::quiet_NaN() : std::stod(text);
}

std::vector<If97CheckValue> load() {
    const auto path = fixtureDir("water") / "if97-verification.tsv";
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    std::vector<If97CheckValue> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (header) {
            header = false;
            continue;
        }
        std::istringstream cells(line);
        std::string c[11];
        for (auto& text : c) std::getline(cells, text, '\t');
        rows.push_back({c[0], c[1], c[2], cell(c[3]), cell(c[4]), cell(c[5]), cell(c[6]),
                        cell(c[7]), c[8], std::stod(c[9]), std::stoi(c[10])});
    }
    return rows;
}

}  // namespace

double If97CheckValue::halfLastDigit() const {
    // Printed as 0.ddd…×10^e: the last digit's place is 10^(e − digits).
    const double e = std::floor(std::log10(std::abs(value))) + 1.0;
    return 0.5 * std::pow(10.0, e - digits);
}

std::string If97CheckValue::describe() const {
    std::ostringstream out;
    out << publication << ' ' << table << ' ' << check << " T=" << t_K << " p=" << p_MPa
        << " rho=" << rho_kgm3 << " h=" << h_kJkg << " s=" << s_kJkgK << ' ' << property;
    return out.str();
}

const std::vector<If97CheckValue>& if97CheckValues() {
    static const std::vector<If97CheckValue> rows = load();
    return rows;
}

std::vector<If97CheckValue> if97Checks(const std::string& publication, const std::string& table,
                                       const std::string& checkPrefix) {
    std::vector<If97CheckValue> out;
    for (const auto& row : if97CheckValues()) {
        if (row.publication == publication && row.table == table &&
            row.check.compare(0, checkPrefix.size(), checkPrefix) == 0) {
            out.push_back(row);
        }
    }
    return out;
}

void expectIf97Table(const std::string& publication, const std::string& table,
                     std::size_t expectedRows,
                     const std::function<double(const If97CheckValue&)>& evaluate,
                     const std::string& checkPrefix) {
    const auto rows = if97Checks(publication, table, checkPrefix);
    ASSERT_EQ(rows.size(), expectedRows) << publication << ' ' << table << ' ' << checkPrefix;
    for (const auto& row : rows) {
        EXPECT_NEAR(evaluate(row), row.value, row.halfLastDigit()) << row.describe();
    }
}

}  // namespace chemeng::test
