#include "cli/compound_pages.h"

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

std::vector<CompoundPageSpec> makeCompoundPages() {
    std::vector<CompoundPageSpec> pages;
    {
        namespace C = PhysPropsCtl;
        CompoundPageSpec p{
            "physical", PageKind::PhysicalProperties, CHEMENG_PICKER_OF(PhysPropsCtl), {}, {}, {}};
        p.compoundFields = {
            {C::Name, "Name"},
            {C::Formula, "Formula"},
            {C::MolecularWeight, "Molecular weight (g mol)"},
            {C::FreezingPoint, "Freezing Point (K)"},
            {C::BoilingPoint, "Boiling Point (K)"},
            {C::CriticalTemperature, "Critical Temperature (K)"},
            {C::CriticalPressure, "Critical Pressure (bar)"},
            {C::CriticalVolume, "Critical Volume (cm³/mol)"},
            {C::CriticalDensity, "Critical Density (g/cm³)"},
            {C::CriticalCompressibility, "Critical Compressiblilty(Zc )"},
            {C::AcentricFactor, "Ascentric Factor(ω)"},
            {C::EnthalpyOfFormation, "Enthalpy of Formation(kJ/ g mol) (at 298.15K)"},
            {C::EnthalpyOfVaporization,
             "Enthalpy of Vaporization(kJ/g mol) (at normal boiling point)"},
        };
        pages.push_back(std::move(p));
    }
    {
        namespace C = HeatCapsCtl;
        CompoundPageSpec p{
            "heat-capacity", PageKind::HeatCapacities, CHEMENG_PICKER_OF(HeatCapsCtl), {}, {}, {}};
        p.compoundFields = {{C::Name, "Name"},
                            {C::Formula, "Fomula"},
                            {C::MolecularWeight, "Molecular weight (g mol)"}};
        p.gasFields = {{C::GasTmin, "Min (K)"}, {C::GasTmax, "Max (K)"}, {C::GasA, "a"},
                       {C::GasB, "b (*T)"},     {C::GasC, "c (*T²)"},    {C::GasD, "d (*T³)"}};
        p.liquidFields = {{C::LiquidTmin, "Min (K)"},
                          {C::LiquidTmax, "Max (K)"},
                          {C::LiquidA, "a"},
                          {C::LiquidB, "b (*T)"},
                          {C::LiquidC, "c (*T²)"}};
        p.gasRadio = C::Gas;
        p.liquidRadio = C::Liquid;
        p.temperatureEdit = C::Temperature;
        p.temperatureField = {C::Temperature, "Temperature"};
        p.unitRadios[0] = C::Celsius;
        p.unitRadios[1] = C::Fahrenheit;
        p.unitRadios[2] = C::Kelvin;
        p.result = {C::Cp, "Cp (J/(g/mol K)"};
        pages.push_back(std::move(p));
    }
    {
        namespace C = EnthalpiesCtl;
        CompoundPageSpec p{
            "enthalpy", PageKind::Enthalpies, CHEMENG_PICKER_OF(EnthalpiesCtl), {}, {}, {}};
        p.compoundFields = {{C::Name, "Name"},
                            {C::Formula, "Fomula"},
                            {C::MolecularWeight, "Molecular weight (g mol)"}};
        p.gasFields = {{C::GasTmin, "Min (K)"}, {C::GasTmax, "Max (K)"}, {C::GasA1, "A1 (*T)"},
                       {C::GasA2, "A2 (*T²)"},  {C::GasA3, "A3 (*T³)"},  {C::GasA4, "A4 (*T⁴)"}};
        p.liquidFields = {{C::LiquidTmin, "Min (K)"},
                          {C::LiquidTmax, "Max (K)"},
                          {C::LiquidA1, "A1 (*T)"},
                          {C::LiquidA2, "A2 (*T²)"},
                          {C::LiquidA3, "A3 (*T³)"}};
        p.gasRadio = C::Gas;
        p.liquidRadio = C::Liquid;
        p.temperatureEdit = C::Temperature;
        p.temperatureField = {C::Temperature, "Temperature"};
        p.referenceEdit = C::ReferenceTemperature;
        p.referenceField = {C::ReferenceTemperature, "Reference Temperature"};
        p.unitRadios[0] = C::Celsius;
        p.unitRadios[1] = C::Fahrenheit;
        p.unitRadios[2] = C::Kelvin;
        p.result = {C::H, "H ( J/(g mol)"};
        pages.push_back(std::move(p));
    }
    {
        namespace C = DensityCtl;
        CompoundPageSpec p{"density", PageKind::Density, CHEMENG_PICKER_OF(DensityCtl), {}, {}, {}};
        p.compoundFields = {{C::Name, "Name"},
                            {C::Formula, "Fomula"},
                            {C::MolecularWeight, "Molecular weight (g mol)"}};
        p.gasFields = {{C::A, "A"}, {C::B, "B"}, {C::Tmin, "Tmin (K)"}};
        p.temperatureEdit = C::Temperature;
        p.temperatureField = {C::Temperature, "Temperature"};
        p.unitRadios[0] = C::Celsius;
        p.unitRadios[1] = C::Fahrenheit;
        p.unitRadios[2] = C::Kelvin;
        p.result = {C::Density, "ρ (mL)"};
        pages.push_back(std::move(p));
    }
    {
        namespace C = VaporPressureCtl;
        CompoundPageSpec p{"vapor-pressure",
                           PageKind::VaporPressure,
                           CHEMENG_PICKER_OF(VaporPressureCtl),
                           {},
                           {},
                           {}};
        p.compoundFields = {{C::Name, "Name"}, {C::Formula, "Fomula"}};
        p.gasFields = {
            {C::Tmin, "Min (°C)"}, {C::Tmax, "Max (°C)"}, {C::A, "A"}, {C::B, "B"}, {C::C, "C"}};
        p.temperatureEdit = C::Temperature;
        p.temperatureField = {C::Temperature, "Temperature"};
        p.unitRadios[0] = C::Celsius;
        p.unitRadios[1] = C::Fahrenheit;
        p.unitRadios[2] = C::Kelvin;
        p.result = {C::Pressure, "p* (mmHg)"};
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
