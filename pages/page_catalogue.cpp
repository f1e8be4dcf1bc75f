#include "pages/page_catalogue.h"

#include <array>

#include "pages/density.h"
#include "pages/enthalpies.h"
#include "pages/heat_caps.h"
#include "pages/phys_props.h"
#include "pages/steam_tables_page.h"
#include "pages/vapor_pressure.h"

namespace chemeng {

namespace {

template <class PageClass>
PageEntry entry(PageKind kind, const PageLayout& layout) {
    return {kind, &layout, [](Dialog& dialog, const std::filesystem::path& dataDir) {
                return std::make_unique<PageClass>(dialog, dataDir);
            }};
}

const std::array<PageEntry, 6>& entries() {
    static const std::array<PageEntry, 6> kEntries{
        entry<CPhysProps>(PageKind::PhysicalProperties, physPropsLayout()),
        entry<CHeatCaps>(PageKind::HeatCapacities, heatCapsLayout()),
        entry<CEnthalpies>(PageKind::Enthalpies, enthalpiesLayout()),
        entry<Density>(PageKind::Density, densityLayout()),
        entry<CVPressure>(PageKind::VaporPressure, vaporPressureLayout()),
        entry<CSteamTables>(PageKind::SteamTables, steamTablesLayout()),
    };
    return kEntries;
}

}  // namespace

const PageEntry& pageEntry(PageKind kind) {
    return entries()[static_cast<std::size_t>(kind)];
}

std::vector<PageEntry> pageCatalogue() {
    return {entries().begin(), entries().end()};
}

}  // namespace chemeng
