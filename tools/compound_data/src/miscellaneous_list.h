#pragma once

#include <array>
#include <set>
#include <string>
#include <string_view>

namespace chemeng::datagen {

// The compounds offered under "Miscellaneous": common gases and inorganic
// liquids whose conventional formulas and plain names the pages show as
// written. The Physical Properties, Density and Vapor Pressure pages take the
// first 23; the Heat Capacities and Enthalpies pages all 24 (with air).
struct MiscellaneousCompound {
    std::string_view cas;
    std::string_view formula;    // conventional, not Hill order
    std::string_view name;       // PhysProps.txt, at most 27 characters
    std::string_view shortName;  // HCG.txt, at most 16 characters
};

inline constexpr std::string_view kAirCas = "132259-10-0";

inline constexpr std::array<MiscellaneousCompound, 24> kMiscellaneous{{
    {"7732-18-5", "H2O", "WATER", "WATER"},
    {"7664-41-7", "NH3", "AMMONIA", "AMMONIA"},
    {"7782-50-5", "Cl2", "CHLORINE", "CHLORINE"},
    {"7647-01-0", "HCl", "HYDROGEN CHLORIDE", "HYDROGENCHLORIDE"},
    {"7446-09-5", "SO2", "SULFUR DIOXIDE", "SULFUR DIOXIDE"},
    {"7783-06-4", "H2S", "HYDROGEN SULFIDE", "HYDROGEN SULFIDE"},
    {"7727-37-9", "N2", "NITROGEN", "NITROGEN"},
    {"7782-44-7", "O2", "OXYGEN", "OXYGEN"},
    {"1333-74-0", "H2", "HYDROGEN", "HYDROGEN"},
    {"7440-59-7", "He", "HELIUM", "HELIUM"},
    {"7440-37-1", "Ar", "ARGON", "ARGON"},
    {"630-08-0", "CO", "CARBON MONOXIDE", "CARBON MONOXIDE"},
    {"124-38-9", "CO2", "CARBON DIOXIDE", "CARBON DIOXIDE"},
    {"10102-43-9", "NO", "NITRIC OXIDE", "NITRIC OXIDE"},
    {"10024-97-2", "N2O", "NITROUS OXIDE", "NITROUS OXIDE"},
    {"7446-11-9", "SO3", "SULFUR TRIOXIDE", "SULFUR TRIOXIDE"},
    {"7664-39-3", "HF", "HYDROGEN FLUORIDE", "HYDROGENFLUORIDE"},
    {"10035-10-6", "HBr", "HYDROGEN BROMIDE", "HYDROGEN BROMIDE"},
    {"74-90-8", "HCN", "HYDROGEN CYANIDE", "HYDROGEN CYANIDE"},
    {"75-15-0", "CS2", "CARBON DISULFIDE", "CARBON DISULFIDE"},
    {"7726-95-6", "Br2", "BROMINE", "BROMINE"},
    {"7782-41-4", "F2", "FLUORINE", "FLUORINE"},
    {"302-01-2", "N2H4", "HYDRAZINE", "HYDRAZINE"},
    {kAirCas, "AIR", "AIR", "AIR"},
}};
static_assert(kMiscellaneous.size() == 24);

// The CAS numbers kept out of the main files.
inline std::set<std::string> miscellaneousCas() {
    std::set<std::string> cas;
    for (const MiscellaneousCompound& m : kMiscellaneous) cas.emplace(m.cas);
    return cas;
}

}  // namespace chemeng::datagen
