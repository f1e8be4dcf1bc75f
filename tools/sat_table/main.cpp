// Writes the saturation table file: sat_table [output path], default stdout.
// Run from the repository root as: build/<dir>/tools/sat_table/sat_table data/sat.txt

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "water/saturation_equilibrium.h"
#include "water/saturation_table_format.h"

int main(int argc, char** argv) {
    using chemeng::SaturationTableFormat;
    std::string text;
    for (int row = 0; row < SaturationTableFormat::kRowCount; ++row) {
        const double T_K = SaturationTableFormat::temperature_K(row);
        const chemeng::PhaseEquilibrium state = chemeng::solvePhaseEquilibrium(T_K);
        if (!state.converged) {
            std::fprintf(stderr, "sat_table: no phase equilibrium at %.2f K\n", T_K);
            return 1;
        }
        const auto line = SaturationTableFormat::formatRow(state);
        if (!line) {
            std::fprintf(stderr, "sat_table: a value at %.2f K does not fit its column\n", T_K);
            return 1;
        }
        text += *line;
        text += '\n';
    }
    if (argc > 1) {
        std::ofstream out(argv[1], std::ios::binary);
        out << text;
        if (!out) {
            std::fprintf(stderr, "sat_table: cannot write %s\n", argv[1]);
            return 1;
        }
    } else {
        std::cout << text;
    }
    return 0;
}
