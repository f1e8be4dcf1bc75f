#pragma once

#include <filesystem>
#include <string>

#include "compounds/compound_picker.h"
#include "compounds/compound_table.h"
#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "pages/density_layout.h"

namespace chemeng {

// The Density of Liquid page. A main compound carries the coefficients of
// the Rackett form rho = A * B^-(1 - T/Tc)^(2/7) (g/mL, T in K), valid from
// its Tmin up to Tc; a Miscellaneous compound carries one tabulated density
// at one temperature, which the page shows instead.
class Density : public Page {
  public:
    Density(Dialog& dialog, std::filesystem::path dataDir);
    Density(const Density&) = delete;
    Density& operator=(const Density&) = delete;

    const PageLayout& layout() const override;
    void onInitDialog() override;
    void onNotify(int controlId, Notification notification) override;
    bool onEnterKey() override;

    void compute();

  private:
    enum class Shown { Nothing, MainCompound, MiscCompound };

    void showMainCompound(int row);
    void showMiscCompound(int row);
    void setTemperatureUnit(int unit);

    Dialog& m_dialog;
    std::filesystem::path m_dataDir;
    CompoundTable m_table;
    CompoundPicker m_picker;
    Bindings m_bindings;

    std::string m_name;
    std::string m_formula;
    std::string m_molecularWeight;
    std::string m_aText;
    std::string m_bText;
    std::string m_tcText;  // held with the others, never shown
    std::string m_tminText;
    std::string m_temperatureText;

    double m_a = 0.0;
    double m_b = 0.0;
    double m_tc_K = 0.0;
    double m_tmin_K = 0.0;
    double m_rho_gPerMl = 0.0;

    int m_temperatureUnit = 0;  // 0 = °C, 1 = °F, 2 = K
    Shown m_shown = Shown::Nothing;
};

}  // namespace chemeng
