// Arbitrary bytes as one of the data files: the first byte chooses the file,
// the rest is its content; the other files are the shipped ones. Every page
// that reads the file is opened (its load sequence, or the steam page's
// table), every picker list is walked and each page computes with a few
// temperatures and units. The pages may show the file's texts as written,
// but every number they work out must be finite and in the page's format.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "framework/headless_dialog.h"
#include "fuzz_pages.h"
#include "fuzz_support.h"
#include "pages/steam_tables_page.h"

namespace {

using namespace chemeng;
using namespace chemeng::fuzz;

// Indices into compoundPages(), and the steam page.
enum PageIndex : int { kPhysProps, kHeatCaps, kEnthalpies, kDensity, kVaporPressure, kSteam };

struct DataFile {
    const char* name;
    std::initializer_list<PageIndex> readers;
};

const std::array<DataFile, 12> kFiles{{
    {"Critical.txt", {kPhysProps}},
    {"Hfgas.txt", {kPhysProps}},
    {"Hvap.txt", {kPhysProps}},
    {"otherDat.txt", {kPhysProps, kDensity}},
    {"PhysProps.txt", {kPhysProps, kDensity, kVaporPressure}},
    {"Cpgas.txt", {kHeatCaps, kEnthalpies}},
    {"Cpliq.txt", {kHeatCaps, kEnthalpies}},
    {"HCG.txt", {kHeatCaps, kEnthalpies}},
    {"HCL.txt", {kHeatCaps, kEnthalpies}},
    {"Density.txt", {kDensity}},
    {"Psat.txt", {kVaporPressure}},
    {"sat.txt", {kSteam}},
}};

constexpr int kShippedLinesKept = 40;

std::string readWhole(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void writeWhole(const std::filesystem::path& path, const std::string& content) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << content;
}

// The first lines of each shipped file: the other files of a load sequence
// are real data, and short enough that the fuzzed file's share of the work
// dominates.
std::string firstLines(const std::string& content, int count) {
    std::size_t end = 0;
    for (int line = 0; line < count; ++line) {
        const std::size_t next = content.find('\n', end);
        if (next == std::string::npos) return content;
        end = next + 1;
    }
    return content.substr(0, end);
}

// A copy of the start of the shipped data in a private folder, so that one
// file at a time can be replaced and put back.
class WorkingData {
  public:
    WorkingData() {
        m_dir =
            std::filesystem::temp_directory_path() / ("chemeng-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        for (const DataFile& file : kFiles) {
            const std::string content =
                firstLines(readWhole(shippedDataDir() / file.name), kShippedLinesKept);
            m_shipped[file.name] = content;
            writeWhole(m_dir / file.name, content);
        }
    }
    ~WorkingData() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    const std::filesystem::path& dir() const { return m_dir; }
    void replace(const char* name, const std::string& content) const {
        writeWhole(m_dir / name, content);
    }
    void restore(const char* name) const { writeWhole(m_dir / name, m_shipped.at(name)); }

  private:
    std::filesystem::path m_dir;
    std::map<std::string, std::string> m_shipped;
};

WorkingData* g_data = nullptr;

// At most `count` indices spread over [0, size), first and last included.
std::vector<int> spread(int size, int count) {
    std::vector<int> indices;
    if (size <= count) {
        for (int i = 0; i < size; ++i) indices.push_back(i);
    } else {
        for (int k = 0; k < count; ++k) indices.push_back(k * (size - 1) / (count - 1));
    }
    return indices;
}

void walkCompoundPage(const FuzzPage& kind, const std::filesystem::path& dir) {
    HeadlessDialog dialog(kind.layout());
    const std::unique_ptr<Page> page = kind.make(dialog, dir);
    dialog.attach(*page);
    page->onInitDialog();
    ShownChecker checker(kind.layout(), kind.rules, /*trustedData=*/false);
    checker.check(dialog);

    const UserControls controls = userControls(kind.layout());
    int radioTurn = 0;
    for (int list : controls.lists) {
        for (int index : spread(dialog.itemCount(list), 4)) {
            dialog.choose(list, index);
            checker.check(dialog);
            if (!controls.radios.empty()) {
                dialog.click(controls.radios[static_cast<std::size_t>(radioTurn++) %
                                             controls.radios.size()]);
                checker.check(dialog);
            }
            for (const char* text : {"25", "1e300"}) {
                for (int edit : controls.edits) {
                    if (dialog.isReadOnly(edit)) continue;
                    dialog.type(edit, text);
                    checker.typed(edit, text);
                }
                dialog.pressEnter();
                checker.check(dialog);
            }
        }
    }
}

// The table answers the liquid enthalpy, liquid energy and vapour volume
// look-ups; each is tried with values from the table itself and a few
// extremes, in both unit systems.
void walkSteamPage(const std::filesystem::path& dir) {
    namespace S = SteamTablesCtl;
    const FuzzPage& kind = steamPage();
    HeadlessDialog dialog(kind.layout());
    CSteamTables page(dialog, dir);
    dialog.attach(page);
    page.onInitDialog();
    ShownChecker checker(kind.layout(), kind.rules, /*trustedData=*/false);
    checker.check(dialog);

    struct LookUp {
        int radio;
        int edit;
        SaturationTable::Cell column;
    };
    constexpr LookUp kLookUps[] = {
        {S::EnthalpyChoice, S::LiquidEnthalpy, SaturationTable::LiquidEnthalpy},
        {S::EnergyChoice, S::LiquidEnergy, SaturationTable::LiquidEnergy},
        {S::VolumeChoice, S::VapourVolume, SaturationTable::VapourVolume},
    };
    const SaturationTable& table = page.saturationTable();
    for (const LookUp& lookUp : kLookUps) {
        dialog.click(lookUp.radio);
        checker.check(dialog);
        std::vector<std::string> texts = {"0", "1", "-1", "100", "2500", "1e308", "nan"};
        for (int row : spread(table.rowCount(), 6))
            texts.push_back(table.row(row).text[static_cast<std::size_t>(lookUp.column)]);
        for (int system : {S::SI, S::American}) {
            dialog.click(system);
            checker.check(dialog);
            for (const std::string& text : texts) {
                dialog.type(lookUp.edit, text);
                checker.typed(lookUp.edit, text);
                dialog.pressEnter();
                checker.check(dialog);
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static WorkingData data;
    g_data = &data;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) return 0;
    const DataFile& file = kFiles[bytes[0] % kFiles.size()];
    g_data->replace(file.name, std::string(reinterpret_cast<const char*>(bytes + 1), size - 1));
    for (PageIndex reader : file.readers) {
        if (reader == kSteam)
            walkSteamPage(g_data->dir());
        else
            walkCompoundPage(compoundPages()[static_cast<std::size_t>(reader)], g_data->dir());
    }
    g_data->restore(file.name);
    return 0;
}
