#pragma once

#include <filesystem>
#include <string>

#include "compounds/compound_picker.h"
#include "compounds/compound_table.h"
#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
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

    Dialog& m_dialog;
    std::filesystem::path m_dataDir;
    CompoundTable m_table;
    CompoundPicker m_picker;
    Bindings m_bindings;

    std::string m_name;
    std::string m_formula;
    std::string m_tminText;
    std::string m_tmaxText;
    std::string m_temperatureText;

    double m_a = 0.0;
    double m_b = 0.0;
    double m_c = 0.0;
    double m_tmin_C = 0.0;
    double m_tmax_C = 0.0;
    double m_p_mmHg = 0.0;

    int m_selectedRow = -1;
    int m_temperatureUnit = 0;  // 0 = °C, 1 = °F, 2 = K
};

}  // namespace chemeng
