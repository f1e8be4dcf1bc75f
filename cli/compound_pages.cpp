#include "cli/compound_pages.h"

#include "compounds/table_cells.h"
#include "pages/density_layout.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_caps_layout.h"
#include "pages/phys_props_layout.h"
#include "pages/vapor_pressure_layout.h"

namespace chemeng::cli {

namespace {

// Every compound page names its picker controls alike, in its own namespace.
#define CHEMENG_PICKER_OF(Ctl)                                                  \
    PickerView {                                                                \
        {Ctl::GroupAtoD, Ctl::GroupEtoH, Ctl::GroupItoL,    Ctl::GroupMtoQ,     \
         Ctl::GroupRtoX, Ctl::MiscNames, Ctl::MainFormulas, Ctl::MiscFormulas}, \
            Ctl::Name, Ctl::Formula                                             \
    }

constexpr auto kText = FieldRole::Text;
constexpr auto kNumber = FieldRole::Number;

CompoundPageSpec makeSpec(std::string_view command, PageKind page, PickerView picker) {
    CompoundPageSpec pageDescription{};
    pageDescription.command = command;
    pageDescription.page = page;
    pageDescription.picker = picker;
    return pageDescription;
}

template <typename PageDescription>
void setUnitRadios(PageDescription& p, int celsius, int fahrenheit, int kelvin) {
    p.unitRadios[0] = celsius;
    p.unitRadios[1] = fahrenheit;
    p.unitRadios[2] = kelvin;
}

std::vector<CompoundPageSpec> makeCompoundPages() {
    std::vector<CompoundPageSpec> pages;
    {
        namespace C = PhysPropsCtl;
        namespace K = PhysPropsCell;
        CompoundPageSpec p =
            makeSpec("physical", PageKind::PhysicalProperties, CHEMENG_PICKER_OF(C));
        p.compoundFields = {
            {C::Name, "name", "Name", "", kText, K::Name},
            {C::Formula, "formula", "Formula", "", kText, K::Formula},
            {C::MolecularWeight, "molecular_weight", "Molecular weight (g/mol)", "g/mol", kNumber,
             K::MolecularWeight},
            {C::FreezingPoint, "freezing_point", "Freezing Point (K)", "K", kNumber,
             K::FreezingPoint},
            {C::BoilingPoint, "boiling_point", "Boiling Point (K)", "K", kNumber, K::BoilingPoint},
            {C::CriticalTemperature, "critical_temperature", "Critical Temperature (K)", "K",
             kNumber, K::CriticalTemperature},
            {C::CriticalPressure, "critical_pressure", "Critical Pressure (bar)", "bar", kNumber,
             K::CriticalPressure},
            {C::CriticalVolume, "critical_volume", "Critical Volume (cm³/mol)", "cm³/mol", kNumber,
             K::CriticalVolume},
            // Computed from the molecular weight and the critical volume.
            {C::CriticalDensity, "critical_density", "Critical Density (g/cm³)", "g/cm³",
             FieldRole::Result, -1},
            {C::CriticalCompressibility, "critical_compressibility",
             "Critical Compressibility (Zc)", "", kNumber, K::CriticalCompressibility},
            {C::AcentricFactor, "acentric_factor", "Acentric Factor (ω)", "", kNumber,
             K::AcentricFactor},
            {C::EnthalpyOfFormation, "enthalpy_of_formation",
             "Enthalpy of Formation at 298.15 K (kJ/mol)", "kJ/mol", kNumber,
             K::EnthalpyOfFormation},
            // Main and Miscellaneous rows keep it in different cells.
            {C::EnthalpyOfVaporization, "enthalpy_of_vaporization",
             "Enthalpy of Vaporization at the normal boiling point (kJ/mol)", "kJ/mol",
             FieldRole::Result, -1},
        };
        pages.push_back(std::move(p));
    }
    for (const bool enthalpy : {false, true}) {
        // The Heat Capacities and Enthalpies pages share their table and
        // picker; the Enthalpies page shows the integrated coefficients.
        namespace K = HeatCapacityCell;
        CompoundPageSpec p = makeSpec("", PageKind::HeatCapacities, {});
        if (!enthalpy) {
            namespace C = HeatCapsCtl;
            p = makeSpec("heat-capacity", PageKind::HeatCapacities, CHEMENG_PICKER_OF(C));
            p.compoundFields = {{C::Name, "name", "Name", "", kText, K::Name},
                                {C::Formula, "formula", "Formula", "", kText, K::Formula},
                                {C::MolecularWeight, "molecular_weight", "Molecular weight (g/mol)",
                                 "g/mol", kNumber, K::MolecularWeight}};
            p.gasFields = {{C::GasTmin, "t_min", "Min (K)", "K", kNumber, K::GasTmin},
                           {C::GasTmax, "t_max", "Max (K)", "K", kNumber, K::GasTmax},
                           {C::GasA, "coefficients.a", "a", "J/(mol·K)", kNumber, K::GasA},
                           {C::GasB, "coefficients.b", "b (*T)", "J/(mol·K²)", kNumber, K::GasB},
                           {C::GasC, "coefficients.c", "c (*T²)", "J/(mol·K³)", kNumber, K::GasC},
                           {C::GasD, "coefficients.d", "d (*T³)", "J/(mol·K⁴)", kNumber, K::GasD}};
            p.liquidFields = {
                {C::LiquidTmin, "t_min", "Min (K)", "K", kNumber, K::LiquidTmin},
                {C::LiquidTmax, "t_max", "Max (K)", "K", kNumber, K::LiquidTmax},
                {C::LiquidA, "coefficients.a", "a", "J/(mol·K)", kNumber, K::LiquidA},
                {C::LiquidB, "coefficients.b", "b (*T)", "J/(mol·K²)", kNumber, K::LiquidB},
                {C::LiquidC, "coefficients.c", "c (*T²)", "J/(mol·K³)", kNumber, K::LiquidC}};
            p.gasRadio = C::Gas;
            p.liquidRadio = C::Liquid;
            p.temperature = {C::Temperature, "temperature", "Temperature", "",
                             FieldRole::Temperature};
            setUnitRadios(p, C::Celsius, C::Fahrenheit, C::Kelvin);
            p.result = {C::Cp, "cp", "Cp", "J/(mol·K)", FieldRole::Result};
            // This page has always added 273 to °C (and 273.16 for °F).
            p.celsiusOffset_K = 273.0;
            p.fahrenheitOffset_K = 273.16;
        } else {
            namespace C = EnthalpiesCtl;
            p = makeSpec("enthalpy", PageKind::Enthalpies, CHEMENG_PICKER_OF(C));
            p.compoundFields = {{C::Name, "name", "Name", "", kText, K::Name},
                                {C::Formula, "formula", "Formula", "", kText, K::Formula},
                                {C::MolecularWeight, "molecular_weight", "Molecular weight (g/mol)",
                                 "g/mol", kNumber, K::MolecularWeight}};
            // The integrated coefficients: A1 = a, A2 = b/2, A3 = c/3, A4 = d/4.
            p.gasFields = {
                {C::GasTmin, "t_min", "Min (K)", "K", kNumber, K::GasTmin},
                {C::GasTmax, "t_max", "Max (K)", "K", kNumber, K::GasTmax},
                {C::GasA1, "coefficients.a1", "A1 (*T)", "J/(mol·K)", kNumber, K::GasA},
                {C::GasA2, "coefficients.a2", "A2 (*T²)", "J/(mol·K²)", kNumber, K::GasB, 0.5},
                {C::GasA3, "coefficients.a3", "A3 (*T³)", "J/(mol·K³)", kNumber, K::GasC,
                 1.0 / 3.0},
                {C::GasA4, "coefficients.a4", "A4 (*T⁴)", "J/(mol·K⁴)", kNumber, K::GasD, 0.25}};
            p.liquidFields = {
                {C::LiquidTmin, "t_min", "Min (K)", "K", kNumber, K::LiquidTmin},
                {C::LiquidTmax, "t_max", "Max (K)", "K", kNumber, K::LiquidTmax},
                {C::LiquidA1, "coefficients.a1", "A1 (*T)", "J/(mol·K)", kNumber, K::LiquidA},
                {C::LiquidA2, "coefficients.a2", "A2 (*T²)", "J/(mol·K²)", kNumber, K::LiquidB,
                 0.5},
                {C::LiquidA3, "coefficients.a3", "A3 (*T³)", "J/(mol·K³)", kNumber, K::LiquidC,
                 1.0 / 3.0}};
            p.gasRadio = C::Gas;
            p.liquidRadio = C::Liquid;
            p.temperature = {C::Temperature, "temperature", "Temperature", "",
                             FieldRole::Temperature};
            p.reference = {C::ReferenceTemperature, "reference_temperature",
                           "Reference Temperature", "", FieldRole::Temperature};
            setUnitRadios(p, C::Celsius, C::Fahrenheit, C::Kelvin);
            p.result = {C::H, "enthalpy_change", "H - H(ref)", "J/mol", FieldRole::Result};
            p.celsiusOffset_K = 273.16;
            p.fahrenheitOffset_K = 273.16;
        }
        pages.push_back(std::move(p));
    }
    {
        namespace C = DensityCtl;
        namespace K = DensityCell;
        CompoundPageSpec p = makeSpec("density", PageKind::Density, CHEMENG_PICKER_OF(C));
        p.compoundFields = {{C::Name, "name", "Name", "", kText, K::Name},
                            {C::Formula, "formula", "Formula", "", kText, K::Formula},
                            {C::MolecularWeight, "molecular_weight", "Molecular weight (g/mol)",
                             "g/mol", kNumber, K::MolecularWeight}};
        p.gasFields = {{C::A, "coefficients.a", "A (g/mL)", "g/mL", kNumber, K::A},
                       {C::B, "coefficients.b", "B", "", kNumber, K::B},
                       {C::Tmin, "t_min", "Tmin (K)", "K", kNumber, K::Tmin}};
        p.temperature = {C::Temperature, "temperature", "Temperature", "", FieldRole::Temperature};
        setUnitRadios(p, C::Celsius, C::Fahrenheit, C::Kelvin);
        p.result = {C::Density, "density", "ρ", "g/mL", FieldRole::Result};
        p.celsiusOffset_K = 273.16;
        p.fahrenheitOffset_K = 273.16;
        pages.push_back(std::move(p));
    }
    {
        namespace C = VaporPressureCtl;
        namespace K = VaporPressureCell;
        CompoundPageSpec p =
            makeSpec("vapor-pressure", PageKind::VaporPressure, CHEMENG_PICKER_OF(C));
        p.compoundFields = {{C::Name, "name", "Name", "", kText, K::Name},
                            {C::Formula, "formula", "Formula", "", kText, K::Formula}};
        p.gasFields = {{C::Tmin, "t_min", "Min (°C)", "°C", kNumber, K::Tmin},
                       {C::Tmax, "t_max", "Max (°C)", "°C", kNumber, K::Tmax},
                       {C::A, "coefficients.a", "A", "", kNumber, K::A},
                       {C::B, "coefficients.b", "B", "", kNumber, K::B},
                       {C::C, "coefficients.c", "C", "", kNumber, K::C}};
        p.temperature = {C::Temperature, "temperature", "Temperature", "", FieldRole::Temperature};
        setUnitRadios(p, C::Celsius, C::Fahrenheit, C::Kelvin);
        p.result = {C::Pressure, "vapor_pressure", "p*", "mmHg", FieldRole::Result};
        p.celsiusOffset_K = 273.15;
        p.fahrenheitOffset_K = 273.15;
        pages.push_back(std::move(p));
    }
    return pages;
}

#undef CHEMENG_PICKER_OF

}  // namespace

const std::vector<CompoundPageSpec>& compoundPages() {
    static const std::vector<CompoundPageSpec> pages = makeCompoundPages();
    return pages;
}

const CompoundPageSpec* findCompoundPage(std::string_view command) {
    for (const CompoundPageSpec& page : compoundPages()) {
        if (page.command == command) return &page;
    }
    return nullptr;
}

}  // namespace chemeng::cli
