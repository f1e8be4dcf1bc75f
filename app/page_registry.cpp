#include "app/page_registry.h"

#include "pages/density.h"
#include "pages/enthalpies.h"
#include "pages/heat_caps.h"
#include "pages/phys_props.h"
#include "pages/vapor_pressure.h"
#include "resources/layouts/density_layout.h"
#include "resources/layouts/enthalpies_layout.h"
#include "resources/layouts/heat_caps_layout.h"
#include "resources/layouts/phys_props_layout.h"
#include "resources/layouts/steam_tables_layout.h"
#include "resources/layouts/vapor_pressure_layout.h"
#include "steam/steam_tables_page.h"

namespace chemeng::ui {

namespace {

template <class PageClass>
PageEntry entry(const PageLayout& layout) {
    return {&layout, [](Dialog& dialog, const std::filesystem::path& dataDir) {
                return std::make_unique<PageClass>(dialog, dataDir);
            }};
}

}  // namespace

std::vector<PageEntry> standardPages() {
    return {
        entry<CPhysProps>(physPropsLayout()),     entry<CHeatCaps>(heatCapsLayout()),
        entry<CEnthalpies>(enthalpiesLayout()),   entry<Density>(densityLayout()),
        entry<CVPressure>(vaporPressureLayout()), entry<CSteamTables>(steamTablesLayout()),
    };
}

}  // namespace chemeng::ui
