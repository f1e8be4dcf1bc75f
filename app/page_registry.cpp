#include "app/page_registry.h"

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

constexpr PageLayout kPhysicalProperties{"Physical Properties", {}};
constexpr PageLayout kHeatCapacities{"Heat Capacities", {}};
constexpr PageLayout kEnthalpies{"Enthalpies", {}};
constexpr PageLayout kDensity{"Density of Liquid", {}};
constexpr PageLayout kVaporPressure{"Vapor Pressure", {}};
constexpr PageLayout kSteamTables{"Steam Tables", {}};

}  // namespace

std::vector<PageEntry> standardPages() {
    return {
        blank<kPhysicalProperties>(), blank<kHeatCapacities>(),
        blank<kEnthalpies>(),         blank<kDensity>(),
        blank<kVaporPressure>(),      blank<kSteamTables>(),
    };
}

}  // namespace chemeng::ui
