#pragma once

#include <filesystem>
#include <string>

#include "compounds/enthalpy_change.h"
#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_capacity_compounds.h"

namespace chemeng {

// The coefficients the page shows and computes with: A1 = a, A2 = b/2,
// A4 = d/4 and A3 = c/3 held on a grid of 1e-10, rounded up.
EnthalpyCoefficients shownEnthalpyCoefficients(const HeatCapacityCoefficients& cp);

// The enthalpy change of a compound, ideal gas or liquid, from a reference
// temperature Tr to a temperature T (both in K), in J/(g mol):
// H = A1 (T - Tr) + A2 (T² - Tr²) + A3 (T³ - Tr³) + A4 (T⁴ - Tr⁴).
// Only T is held to the range of the fit.
class CEnthalpies : public Page {
  public:
    CEnthalpies(Dialog& dialog, std::filesystem::path dataDir);
    CEnthalpies(const CEnthalpies&) = delete;
    CEnthalpies& operator=(const CEnthalpies&) = delete;

    const PageLayout& layout() const override;
    void onInitDialog() override;
    void onNotify(int controlId, Notification notification) override;
    bool onEnterKey() override;

    void compute();

  private:
    void showCompound();
    bool computeResult();

    Dialog& m_dialog;
    HeatCapacityCompounds m_compounds;
    Bindings m_bindings;

    std::string m_temperatureText;
    std::string m_referenceTemperatureText;
    EnthalpyCoefficients m_gas;
    EnthalpyCoefficients m_liquid;
    ResultField m_h{EnthalpiesCtl::H};  // J/(g mol)
};

}  // namespace chemeng
