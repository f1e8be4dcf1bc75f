#include "pages/phys_props.h"

#include <cmath>
#include <utility>

#include "compounds/compound_loaders.h"
#include "compounds/critical_density.h"
#include "compounds/table_cells.h"
#include "framework/number_format.h"
#include "framework/text_number.h"
#include "pages/phys_props_layout.h"

namespace chemeng {

namespace {

// Three decimals: a density in g/cm³ and an enthalpy in kJ/g mol to the
// resolution of the tabulated data (1 kg/m³, 1 J/mol). A value with no finite
// result (a critical volume of 0, "inf" or "nan" in the data) shows as an
// empty text, like any other missing value on this page. Very large values
// are printed in full: the formatter has room for any double, so nothing is
// cut short.
std::string threeDecimals(double value) {
    return std::isfinite(value) ? formatFixed3(value) : std::string{};
}

}  // namespace

CPhysProps::CPhysProps(Dialog& dialog, std::filesystem::path dataDir)
    : m_dialog(dialog),
      m_compounds(dialog, std::move(dataDir), PhysPropsCell::kCount,
                  {PhysPropsCtl::GroupAtoD, PhysPropsCtl::GroupEtoH, PhysPropsCtl::GroupItoL,
                   PhysPropsCtl::GroupMtoQ, PhysPropsCtl::GroupRtoX, PhysPropsCtl::MiscNames,
                   PhysPropsCtl::MainFormulas, PhysPropsCtl::MiscFormulas},
                  MiscFormulaRange::MiscCount) {
    using namespace PhysPropsCtl;
    m_bindings.bind(Formula, &m_formula);
    m_bindings.bind(BoilingPoint, &m_boilingPoint);
    m_bindings.bind(Name, &m_name);
    m_bindings.bind(MolecularWeight, &m_molecularWeight);
    m_bindings.bind(CriticalVolume, &m_criticalVolume);
    m_bindings.bind(CriticalTemperature, &m_criticalTemperature);
    m_bindings.bind(CriticalPressure, &m_criticalPressure);
    m_bindings.bind(CriticalCompressibility, &m_criticalCompressibility);
    m_bindings.bind(FreezingPoint, &m_freezingPoint);
    m_bindings.bind(AcentricFactor, &m_acentricFactor);
    m_bindings.bind(CriticalDensity, &m_criticalDensityText);
    m_bindings.bind(EnthalpyOfFormation, &m_enthalpyOfFormation);
    m_bindings.bind(EnthalpyOfVaporization, &m_enthalpyOfVaporization);
}

const PageLayout& CPhysProps::layout() const {
    return physPropsLayout();
}

void CPhysProps::onInitDialog() {
    m_bindings.push(m_dialog);
    m_compounds.load(loadPhysicalPropertiesTable);
}

void CPhysProps::onNotify(int controlId, Notification notification) {
    if (const auto row = m_compounds.rowChosen(controlId, notification)) showRow(*row);
}

bool CPhysProps::onEnterKey() {
    return true;  // nothing to compute; the key must not close the window
}

void CPhysProps::showRow(int row) {
    using namespace PhysPropsCell;
    const auto cell = [&](int c) -> const std::string& { return m_compounds.cell(row, c); };

    m_name = cell(Name);
    m_formula = cell(Formula);
    m_molecularWeight = cell(MolecularWeight);
    m_freezingPoint = cell(FreezingPoint);
    m_boilingPoint = cell(BoilingPoint);
    m_criticalTemperature = cell(CriticalTemperature);
    m_criticalPressure = cell(CriticalPressure);
    m_criticalVolume = cell(CriticalVolume);
    m_criticalCompressibility = cell(CriticalCompressibility);
    m_acentricFactor = cell(AcentricFactor);

    const CorrelationResult criticalRho = criticalDensity(parseLeadingNumber(m_molecularWeight),
                                                          parseLeadingNumber(m_criticalVolume));
    m_criticalDensityText = criticalRho.ok() ? formatFixed3(criticalRho.value) : std::string{};

    m_enthalpyOfFormation = cell(EnthalpyOfFormation);
    // Main rows carry the enthalpy of vaporization as a number from Hvap.txt;
    // Miscellaneous rows carry the text of otherDat.txt, shown as written. The
    // two kinds are told apart by the number of main rows actually loaded, so
    // a Miscellaneous compound shows its own value however short the main
    // files are.
    if (row < m_compounds.table().mainCount) {
        m_enthalpyOfVaporization = threeDecimals(parseLeadingNumber(cell(EnthalpyOfVaporization)));
    } else {
        m_enthalpyOfVaporization = cell(MiscEnthalpyOfVaporization);
    }

    m_bindings.push(m_dialog);
}

}  // namespace chemeng
