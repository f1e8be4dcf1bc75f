#include "app/page_registry.h"

#include "pages/density.h"
#include "pages/phys_props.h"
#include "resources/layouts/density_layout.h"
#include "resources/layouts/phys_props_layout.h"
#include "resources/layouts/steam_tables_layout.h"
#include "steam/steam_tables_page.h"

namespace chemeng::ui {

namespace {

// A page with its caption and nothing on it yet.
class BlankPage : public Page {
  public:
    explicit BlankPage(const PageLayout& layout) : m_layout(layout) {}
    const PageLayout& layout() const override { return m_layout; }
    void onNotify(int, Notification) override {}

  private:
    const PageLayout& m_layout;
};

template <const PageLayout& layout>
PageEntry blank() {
    return {&layout, [](Dialog&, const std::filesystem::path&) {
                return std::make_unique<BlankPage>(layout);
            }};
}

template <class PageClass>
PageEntry entry(const PageLayout& layout) {
    return {&layout, [](Dialog& dialog, const std::filesystem::path& dataDir) {
                return std::make_unique<PageClass>(dialog, dataDir);
            }};
}

constexpr PageLayout kHeatCapacities{"Heat Capacities", {}};
constexpr PageLayout kEnthalpies{"Enthalpies", {}};
constexpr PageLayout kVaporPressure{"Vapor Pressure", {}};

}  // namespace

std::vector<PageEntry> standardPages() {
    return {
        entry<CPhysProps>(physPropsLayout()),
        blank<kHeatCapacities>(),
        blank<kEnthalpies>(),
        entry<Density>(densityLayout()),
        blank<kVaporPressure>(),
        entry<CSteamTables>(steamTablesLayout()),
    };
}

}  // namespace chemeng::ui
