#pragma once

#include <filesystem>
#include <string>

#include "compounds/antoine.h"
#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "framework/temperature_unit.h"
#include "pages/compound_page_parts.h"
#include "pages/vapor_pressure_layout.h"

namespace chemeng {

// The Vapor Pressure page: the Antoine equation log10 p* = A - B/(T + C),
// p* in mmHg. The main compounds' constants take T in °C, the Miscellaneous
// compounds' in K; the range of every fit is given in °C.
class CVPressure : public Page {
  public:
    CVPressure(Dialog& dialog, std::filesystem::path dataDir);
    CVPressure(const CVPressure&) = delete;
    CVPressure& operator=(const CVPressure&) = delete;

    const PageLayout& layout() const override;
    void onInitDialog() override;
    void onNotify(int controlId, Notification notification) override;
    bool onEnterKey() override;

    void compute();

  private:
    void showRow(int row);
    void refuse(const std::string& message);

    Dialog& m_dialog;
    PageCompounds m_compounds;
    Bindings m_bindings;

    std::string m_name;
    std::string m_formula;
    std::string m_tminText;
    std::string m_tmaxText;
    std::string m_temperatureText;

    AntoineCoefficients m_antoine;
    ResultField m_p_mmHg{VaporPressureCtl::Pressure};

    TemperatureUnit m_temperatureUnit = TemperatureUnit::Celsius;
};

}  // namespace chemeng
