#pragma once

#include <filesystem>
#include <string>

#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "pages/enthalpies_layout.h"
#include "pages/heat_capacity_compounds.h"

namespace chemeng {

// The coefficients of H = A1*T + A2*T² + A3*T³ + A4*T⁴, the heat-capacity
// polynomial integrated term by term.
struct EnthalpyCoefficients {
    double a1 = 0.0;
    double a2 = 0.0;
    double a3 = 0.0;
    double a4 = 0.0;
};

// A1 = a, A2 = b/2, A3 = c/3 rounded up to a whole multiple of 1e-10,
// A4 = d/4, as the page has always shown them.
EnthalpyCoefficients enthalpyCoefficients(const PhaseCoefficients& cp);

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

    Dialog& m_dialog;
    HeatCapacityCompounds m_compounds;
    Bindings m_bindings;

    std::string m_temperatureText;
    std::string m_referenceTemperatureText;
    EnthalpyCoefficients m_gas;
    EnthalpyCoefficients m_liquid;
    double m_gasTmin_K = 0.0;
    double m_gasTmax_K = 0.0;
    double m_liquidTmin_K = 0.0;
    double m_liquidTmax_K = 0.0;
    double m_h = 0.0;  // J/(g mol)
};

}  // namespace chemeng
