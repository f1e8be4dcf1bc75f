#pragma once

// The IAPWS-IF97 verification values copied into
// tests/fixtures/water/if97-verification.tsv (R7-97(2012) and the
// supplementary releases SR2-01, SR3-03, SR4-04, SR5-05), read once.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace chemeng::test {

struct If97CheckValue {
    std::string publication;  // "R7-97", "SR2-01(2014)", …
    std::string table;        // "Table_5", "Sec._4_text", …
    std::string check;        // the equation, e.g. "region1", "region3_v_pT_n"
    // Inputs in K, MPa, kg/m³, kJ/kg, kJ/(kg·K); NaN where the check has none.
    double t_K;
    double p_MPa;
    double rho_kgm3;
    double h_kJkg;
    double s_kJkgK;
    std::string property;  // "v", "h", "u", "s", "cp", "w", "p", "T", "ps", "Ts"
    double value;
    int digits;  // printed significant digits

    // Half a unit in the last printed digit: a value computed from the
    // published coefficients rounds to the printed one.
    double halfLastDigit() const;
    std::string describe() const;
};

const std::vector<If97CheckValue>& if97CheckValues();

// The rows of one published table whose check names start with a prefix.
std::vector<If97CheckValue> if97Checks(const std::string& publication, const std::string& table,
                                       const std::string& checkPrefix = "");

// Every row of one table reproduced to half a unit of its last printed digit
// (or to `tolerance` for a row that names why it needs more). The row count
// guards against a table that went missing from the fixture.
void expectIf97Table(const std::string& publication, const std::string& table,
                     std::size_t expectedRows,
                     const std::function<double(const If97CheckValue&)>& evaluate,
                     const std::string& checkPrefix = "");

}  // namespace chemeng::test
