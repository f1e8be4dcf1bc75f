#pragma once

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "support/temp_data_dir.h"

namespace chemeng::test {

// A small data set in the files' fixed columns: WATER, ETHANOL and
// DIMETHYL ETHER (one formula, two compounds), AMMONIA as a Miscellaneous
// compound, BENZENE for densities, METHANE and NITROGEN for heat capacities.
inline void writeCliDataSet(const std::filesystem::path& dataDir) {
    struct {
        std::filesystem::path dir;
        void write(const std::string& name, const std::string& content) const {
            std::ofstream(dir / name, std::ios::binary) << content;
        }
    } dir{dataDir};
    auto critical = [](const char* formula, const char* name, const char* mw, const char* tc) {
        return FixedLine()
                   .at(3, formula)
                   .at(11, name)
                   .at(39, mw)
                   .at(47, "273.15")
                   .at(55, "373.15")
                   .at(63, tc)
                   .at(71, "220.6")
                   .at(78, "56")
                   .at(85, "0.229")
                   .at(91, "0.344")
                   .str() +
               "\n";
    };
    dir.write("Critical.txt", critical("H2O", "WATER", "18.015", "647.1") +
                                  critical("C2H6O", "ETHANOL", "46.069", "513.9") +
                                  critical("C2H6O", "DIMETHYL ETHER", "46.069", "400.1"));
    dir.write("Hfgas.txt", FixedLine().at(82, "-241.8").str() + "\n" +
                               FixedLine().at(82, "-234.8").str() + "\n" +
                               FixedLine().at(82, "-184.1").str() + "\n");
    dir.write("Hvap.txt", FixedLine().at(46, "40.66").str() + "\n" +
                              FixedLine().at(46, "38.56").str() + "\n" +
                              FixedLine().at(46, "21.51").str() + "\n");
    dir.write("otherDat.txt",
              FixedLine().at(0, " 23.35").at(8, "0.682").at(15, "240").str() + "\n");
    dir.write("PhysProps.txt", FixedLine()
                                       .at(0, "NH3")
                                       .at(15, "AMMONIA")
                                       .at(43, "7.36050")
                                       .at(55, "926.132")
                                       .at(68, "240.17")
                                       .at(78, "-20")
                                       .at(89, "-83")
                                       .at(96, "17.031")
                                       .str() +
                                   "\n");
    dir.write("Psat.txt", FixedLine()
                                  .at(3, "H2O")
                                  .at(11, "WATER")
                                  .at(39, "8.07131")
                                  .at(46, "1730.63")
                                  .at(54, "233.426")
                                  .at(61, "1")
                                  .at(65, "100")
                                  .str() +
                              "\n");
    dir.write("Density.txt", FixedLine()
                                     .at(3, "C6H6")
                                     .at(11, "BENZENE")
                                     .at(39, "78.114")
                                     .at(46, "0.3009")
                                     .at(52, "0.2677")
                                     .at(58, "279")
                                     .at(65, "562.2")
                                     .str() +
                                 "\n");
    dir.write("Cpgas.txt", FixedLine()
                                   .at(3, "CH4")
                                   .at(11, "METHANE")
                                   .at(39, "16.043")
                                   .at(46, "19.25")
                                   .at(60, "5.213E-2")
                                   .at(72, "1.197E-5")
                                   .at(85, "-1.132E-8")
                                   .str() +
                               "\n");
    dir.write("Cpliq.txt", "\n");
    dir.write("HCG.txt", FixedLine()
                                 .at(0, "N2")
                                 .at(5, "NITROGEN")
                                 .at(22, "28.014")
                                 .at(29, "29.00")
                                 .at(37, "0.2199E-2")
                                 .at(47, "0.5723E-5")
                                 .at(59, "-2.871E-9")
                                 .at(70, "273")
                                 .at(74, "1800")
                                 .str() +
                             "\n");
    dir.write("HCL.txt", "\n");
}

// What one run of the command line printed.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline std::string readWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs chemeng-cli in dir (where it finds data/) with the given argument
// text (shell-quoted by the caller), optional standard input and optional
// environment assignments ("NAME='value' ").
inline CliRun runCli(const std::filesystem::path& dir, const std::string& arguments,
                     const std::string& input = "", const std::string& environment = "") {
    const auto in = dir / "stdin.txt";
    const auto out = dir / "stdout.txt";
    const auto err = dir / "stderr.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = "cd '" + dir.string() + "' && " + environment +
                                "'" CHEMENG_CLI_EXE "' " + arguments + " <'" + in.string() +
                                "' >'" + out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return {status, readWhole(out), readWhole(err)};
}

}  // namespace chemeng::test
