#pragma once

#include <filesystem>
#include <string>

#include "compounds/rackett_density.h"
#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "framework/temperature_unit.h"
#include "pages/compound_page_parts.h"
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
    void refuse(const std::string& message);

    Dialog& m_dialog;
    PageCompounds m_compounds;
    Bindings m_bindings;

    std::string m_name;
    std::string m_formula;
    std::string m_molecularWeight;
    std::string m_aText;
    std::string m_bText;
    std::string m_tminText;
    std::string m_temperatureText;

    RackettCoefficients m_rackett;
    ResultField m_rho_gPerMl{DensityCtl::Density};

    TemperatureUnit m_temperatureUnit = TemperatureUnit::Celsius;
    Shown m_shown = Shown::Nothing;
};

}  // namespace chemeng
