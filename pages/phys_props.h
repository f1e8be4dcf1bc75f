#pragma once

#include <filesystem>
#include <string>

#include "framework/bindings.h"
#include "framework/dialog.h"
#include "framework/page.h"
#include "pages/compound_page_parts.h"
#include "pages/phys_props_layout.h"

namespace chemeng {

// The constants of a pure compound: the user picks a compound and the page
// shows what the data files hold for it, plus the critical density worked
// out from molecular weight and critical volume. Nothing is typed or
// computed on request, so Enter does nothing here.
class CPhysProps : public Page {
  public:
    CPhysProps(Dialog& dialog, std::filesystem::path dataDir);
    CPhysProps(const CPhysProps&) = delete;
    CPhysProps& operator=(const CPhysProps&) = delete;

    const PageLayout& layout() const override;
    void onInitDialog() override;
    void onNotify(int controlId, Notification notification) override;
    bool onEnterKey() override;

  private:
    void showRow(int row);

    Dialog& m_dialog;
    PageCompounds m_compounds;
    Bindings m_bindings;

    std::string m_name;
    std::string m_formula;
    std::string m_molecularWeight;
    std::string m_freezingPoint;
    std::string m_boilingPoint;
    std::string m_criticalTemperature;
    std::string m_criticalPressure;
    std::string m_criticalVolume;
    std::string m_criticalDensityText;
    std::string m_criticalCompressibility;
    std::string m_acentricFactor;
    std::string m_enthalpyOfFormation;
    std::string m_enthalpyOfVaporization;
};

}  // namespace chemeng
