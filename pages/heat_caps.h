#pragma once

#include <filesystem>
#include <string>

#include "compounds/heat_capacity_correlation.h"
#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "pages/heat_capacity_compounds.h"
#include "pages/heat_caps_layout.h"

namespace chemeng {

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
    bool computeResult();

    Dialog& m_dialog;
    HeatCapacityCompounds m_compounds;
    Bindings m_bindings;

    std::string m_temperatureText;
    HeatCapacityCoefficients m_gas;
    HeatCapacityCoefficients m_liquid;
    ResultField m_cp{HeatCapsCtl::Cp};  // J/(g mol K)
};

}  // namespace chemeng
