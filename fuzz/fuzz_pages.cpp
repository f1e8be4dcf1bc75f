#include "fuzz_pages.h"

#include <array>

#include "pages/density_layout.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_caps_layout.h"
#include "pages/phys_props_layout.h"
#include "pages/steam_tables_layout.h"
#include "pages/vapor_pressure_layout.h"

namespace chemeng::fuzz {

namespace {

// Critical density and a main row's enthalpy of vaporization are worked out
// and shown with three decimals; everything else is a data text.
constexpr FieldRule kPhysPropsRules[] = {
    {PhysPropsCtl::CriticalDensity, Shown::Fixed3OrEmpty},
};

constexpr FieldRule kHeatCapsRules[] = {
    {HeatCapsCtl::Cp, Shown::Result},          {HeatCapsCtl::GasA, Shown::General},
    {HeatCapsCtl::GasB, Shown::General},       {HeatCapsCtl::GasC, Shown::General},
    {HeatCapsCtl::GasD, Shown::General},       {HeatCapsCtl::LiquidA, Shown::General},
    {HeatCapsCtl::LiquidB, Shown::General},    {HeatCapsCtl::LiquidC, Shown::General},
    {HeatCapsCtl::GasTmin, Shown::General},    {HeatCapsCtl::GasTmax, Shown::General},
    {HeatCapsCtl::LiquidTmin, Shown::General}, {HeatCapsCtl::LiquidTmax, Shown::General},
};

constexpr FieldRule kEnthalpiesRules[] = {
    {EnthalpiesCtl::H, Shown::Result},           {EnthalpiesCtl::GasA1, Shown::General},
    {EnthalpiesCtl::GasA2, Shown::General},      {EnthalpiesCtl::GasA3, Shown::General},
    {EnthalpiesCtl::GasA4, Shown::General},      {EnthalpiesCtl::LiquidA1, Shown::General},
    {EnthalpiesCtl::LiquidA2, Shown::General},   {EnthalpiesCtl::LiquidA3, Shown::General},
    {EnthalpiesCtl::GasTmin, Shown::General},    {EnthalpiesCtl::GasTmax, Shown::General},
    {EnthalpiesCtl::LiquidTmin, Shown::General}, {EnthalpiesCtl::LiquidTmax, Shown::General},
};

// A Miscellaneous compound shows its tabulated density as read (not on the
// thousandths grid), so the density edit is only held to "%.15g" of a finite
// value, or empty.
constexpr FieldRule kDensityRules[] = {
    {DensityCtl::Density, Shown::GeneralOrEmpty},
};

constexpr FieldRule kVaporPressureRules[] = {
    {VaporPressureCtl::Pressure, Shown::Result},
    {VaporPressureCtl::A, Shown::General},
    {VaporPressureCtl::B, Shown::General},
    {VaporPressureCtl::C, Shown::General},
};

constexpr FieldRule kSteamRules[] = {
    {SteamTablesCtl::Temperature, Shown::SteamValue},
    {SteamTablesCtl::Pressure, Shown::SteamValue},
    {SteamTablesCtl::Quality, Shown::SteamValue},
    {SteamTablesCtl::LiquidEnthalpy, Shown::SteamValue},
    {SteamTablesCtl::VapourEnthalpy, Shown::SteamValue},
    {SteamTablesCtl::MixtureEnthalpy, Shown::SteamValue},
    {SteamTablesCtl::LiquidEnergy, Shown::SteamValue},
    {SteamTablesCtl::VapourEnergy, Shown::SteamValue},
    {SteamTablesCtl::MixtureEnergy, Shown::SteamValue},
    {SteamTablesCtl::LiquidVolume, Shown::SteamValue},
    {SteamTablesCtl::VapourVolume, Shown::SteamValue},
    {SteamTablesCtl::MixtureVolume, Shown::SteamValue},
};

const std::array kCompoundPages{
    FuzzPage{pageEntry(PageKind::PhysicalProperties), kPhysPropsRules},
    FuzzPage{pageEntry(PageKind::HeatCapacities), kHeatCapsRules},
    FuzzPage{pageEntry(PageKind::Enthalpies), kEnthalpiesRules},
    FuzzPage{pageEntry(PageKind::Density), kDensityRules},
    FuzzPage{pageEntry(PageKind::VaporPressure), kVaporPressureRules},
};

const FuzzPage kSteamPage{pageEntry(PageKind::SteamTables), kSteamRules};

}  // namespace

std::span<const FuzzPage> compoundPages() {
    return kCompoundPages;
}

const FuzzPage& steamPage() {
    return kSteamPage;
}

}  // namespace chemeng::fuzz
