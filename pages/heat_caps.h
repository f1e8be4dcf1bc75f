#pragma once

#include <filesystem>
#include <string>

#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "pages/heat_capacity_compounds.h"

namespace chemeng {

// Control numbers of the Heat Capacities page: the shared ones and the
// edits that show this page's coefficients and result.
namespace HeatCapsCtl {
using namespace HeatCapacityCtl;
enum : int {
    GasA = 1027,
    GasB = 1016,
    GasC = 1017,
    GasD = 1018,
    LiquidA = 1021,
    LiquidB = 1025,
    LiquidC = 1028,
    Cp = Result,
};
}  // namespace HeatCapsCtl

// The heat capacity of a compound as an ideal gas (Cp = a + bT + cT² + dT³)
// or as a liquid (Cp = a + bT + cT²), in J/(g mol K) at a temperature in K,
// within the range the coefficients were fitted for.
class CHeatCaps : public Page {
  public:
    CHeatCaps(Dialog& dialog, std::filesystem::path dataDir);
    CHeatCaps(const CHeatCaps&) = delete;
    CHeatCaps& operator=(const CHeatCaps&) = delete;

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
    PhaseCoefficients m_gas;
    PhaseCoefficients m_liquid;
    double m_cp = 0.0;  // J/(g mol K)
};

}  // namespace chemeng
