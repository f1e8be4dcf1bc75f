#include "fuzz_support.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "framework/number_format.h"
#include "framework/text_number.h"

namespace chemeng::fuzz {

namespace {

// No edit the page fills may hold more than the longest "%.3f" of a double.
constexpr std::size_t kLongestShownText = 400;
constexpr std::size_t kLongestMessage = 200;
// The 32-bit step of a rounded result, in thousandths.
constexpr double kLargestResult = 2147483.648;

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

void checkGeneral(int id, const std::string& text) {
    const double value = parseLeadingNumber(text);
    if (text.empty()) fail("a number edit is empty", id, text);
    if (!std::isfinite(value)) fail("a shown number is not finite", id, text);
    if (formatGeneral(value) != text) fail("a shown number is not in %.15g form", id, text);
}

void checkResult(int id, const std::string& text) {
    if (text.empty()) return;  // emptied: new inputs, or a refused computation
    checkGeneral(id, text);
    const double value = parseLeadingNumber(text);
    if (std::fabs(value) > kLargestResult) fail("a result beyond the 32-bit step", id, text);
    const double steps = value * 1000.0;
    if (std::fabs(steps - std::nearbyint(steps)) > 1e-3)
        fail("a result off the thousandths grid", id, text);
}

void checkFixed3(int id, const std::string& text) {
    const double value = parseLeadingNumber(text);
    if (!std::isfinite(value)) fail("a shown number is not finite", id, text);
    if (formatFixed3(value) != text) fail("a shown number is not in %.3f form", id, text);
}

}  // namespace

void fail(std::string_view what, int controlId, std::string_view text) {
    std::fprintf(stderr, "\n*** INVARIANT BROKEN: %.*s (control %d, text \"%.*s\")\n",
                 static_cast<int>(what.size()), what.data(), controlId,
                 static_cast<int>(std::min<std::size_t>(text.size(), 500)), text.data());
    std::abort();
}

bool hasNonFiniteWord(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && isWordChar(text[i - 1])) continue;
        for (std::string_view word : {"infinity", "inf", "nan"}) {
            if (text.size() - i < word.size()) continue;
            bool same = true;
            for (std::size_t k = 0; k < word.size() && same; ++k)
                same = lower(text[i + k]) == word[k];
            if (!same) continue;
            const std::size_t end = i + word.size();
            if (end == text.size() || !isWordChar(text[end])) return true;
        }
    }
    return false;
}

Shown ShownChecker::ruleFor(int id) const {
    for (const FieldRule& rule : m_rules) {
        if (rule.id == id) return rule.shown;
    }
    return Shown::Text;
}

void ShownChecker::check(HeadlessDialog& dialog) const {
    for (const ControlSpec& control : m_layout.controls) {
        if (control.kind != ControlKind::Edit) continue;
        const int id = control.id;
        const std::string text = dialog.windowText(id);
        const auto typedText = m_typed.find(id);
        if (typedText != m_typed.end() && typedText->second.contains(text)) continue;
        if (text.size() > kLongestShownText) fail("an overlong text in an edit", id, text);
        switch (ruleFor(id)) {
            case Shown::Text:
                if (m_trustedData && hasNonFiniteWord(text))
                    fail("a non-finite word in an edit", id, text);
                break;
            case Shown::General:
                checkGeneral(id, text);
                break;
            case Shown::GeneralOrEmpty:
                if (!text.empty()) checkGeneral(id, text);
                break;
            case Shown::Result:
                checkResult(id, text);
                break;
            case Shown::Fixed3OrEmpty:
                if (!text.empty()) checkFixed3(id, text);
                break;
            case Shown::SteamValue:
                if (!text.empty() && text != "saturated" && text != "subcooled" &&
                    text != "superheated") {
                    checkFixed3(id, text);
                    if (std::fabs(parseLeadingNumber(text)) > kLargestResult)
                        fail("a steam value beyond the 32-bit step", id, text);
                }
                break;
        }
    }
    for (const std::string& message : dialog.takeMessages()) {
        if (message.empty()) fail("an empty message box", 0, message);
        if (message.size() > kLongestMessage) fail("an overlong message", 0, message);
        // A refused text is quoted back to the user as typed ("Temperature:
        // 'nan' is not a number"); only the program's own words are checked.
        const std::string_view own = std::string_view(message).substr(0, message.find(": '"));
        if (hasNonFiniteWord(own)) fail("a non-finite word in a message", 0, message);
    }
}

std::span<const std::string> hostileTexts() {
    static const std::vector<std::string> texts = {
        "",
        " ",
        "abc",
        "1e308",
        "-1e308",
        "1e-320",
        "nan",
        "inf",
        "-inf",
        "0x10",
        "0x1p1023",
        "2147483.647",
        "2147483.648",
        "-2147483.648",
        "-2147483.649",
        "1e6",
        "-273.15",
        "-273.16",
        "-459.67",
        "0",
        "-0",
        "25",
        "100",
        "373.15",
        "374",
        "647.096",
        "1000",
        "3800",
        "22064",
        "0.6112",
        "50",
        "99.99",
        "  12abc",
        "+.5e-3",
        "1" + std::string(400, '0'),
        "0." + std::string(400, '0') + "1",
        std::string(5000, '9'),
    };
    return texts;
}

UserControls userControls(const PageLayout& layout) {
    UserControls controls;
    for (const ControlSpec& control : layout.controls) {
        if (control.id == 0) continue;
        switch (control.kind) {
            case ControlKind::Edit:
                controls.edits.push_back(control.id);
                break;
            case ControlKind::RadioButton:
                controls.radios.push_back(control.id);
                break;
            case ControlKind::PushButton:
                controls.buttons.push_back(control.id);
                break;
            case ControlKind::ComboBox:
            case ControlKind::ListBox:
                controls.lists.push_back(control.id);
                break;
            case ControlKind::Label:
            case ControlKind::GroupBox:
                break;
        }
    }
    return controls;
}

void playUserSteps(FuzzedDataProvider& input, HeadlessDialog& dialog, ShownChecker& checker,
                   const UserControls& controls, int maxSteps) {
    const auto pick = [&input](const std::vector<int>& ids) {
        return ids[input.ConsumeIntegralInRange<std::size_t>(0, ids.size() - 1)];
    };
    const std::span<const std::string> hostile = hostileTexts();
    for (int step = 0; step < maxSteps && input.remaining_bytes() > 0; ++step) {
        switch (input.ConsumeIntegralInRange(0, 6)) {
            case 0:
            case 1:
                if (!controls.edits.empty()) {
                    const int id = pick(controls.edits);
                    const std::string text =
                        input.ConsumeBool() ? hostile[input.ConsumeIntegralInRange<std::size_t>(
                                                  0, hostile.size() - 1)]
                                            : input.ConsumeRandomLengthString(48);
                    if (!dialog.isReadOnly(id)) {
                        dialog.type(id, text);
                        checker.typed(id, text);
                    }
                }
                break;
            case 2:
                if (!controls.radios.empty()) dialog.click(pick(controls.radios));
                break;
            case 3:
                if (!controls.buttons.empty()) dialog.click(pick(controls.buttons));
                break;
            case 4:
            case 5:
                if (!controls.lists.empty()) {
                    const int id = pick(controls.lists);
                    const int index = input.ConsumeIntegralInRange(-1, dialog.itemCount(id) - 1);
                    if (input.ConsumeBool())
                        dialog.choose(id, index);
                    else
                        dialog.doubleClick(id, index);
                }
                break;
            default:
                dialog.pressEnter();
                break;
        }
        checker.check(dialog);
    }
}

std::filesystem::path shippedDataDir() {
    return CHEMENG_DATA_DIR;
}

namespace {

class SampledData {
  public:
    SampledData() {
        m_dir = std::filesystem::temp_directory_path() /
                ("chemeng-fuzz-sample-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        for (const auto& entry : std::filesystem::directory_iterator(shippedDataDir())) {
            if (entry.path().extension() != ".txt") continue;
            const bool steam = entry.path().filename() == "sat.txt";
            std::vector<std::string> lines;
            std::ifstream in(entry.path(), std::ios::binary);
            for (std::string line; std::getline(in, line);) lines.push_back(line);
            std::ofstream out(m_dir / entry.path().filename(), std::ios::binary);
            for (std::size_t i = 0; i < lines.size(); ++i) {
                if (keep(i, lines.size(), steam)) out << lines[i] << '\n';
            }
        }
    }
    ~SampledData() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    const std::filesystem::path& dir() const { return m_dir; }

  private:
    static bool keep(std::size_t index, std::size_t count, bool steam) {
        if (steam) return index % 20 == 0 || index + 1 == count;
        if (count <= 24) return true;  // the Miscellaneous files
        // Rows 53 and 54 of the heat-capacity files are CO and CO2, the only
        // compounds with the wide gas range.
        return index % 8 == 0 || index == 52 || index == 53;
    }

    std::filesystem::path m_dir;
};

}  // namespace

std::filesystem::path sampledDataDir() {
    static const SampledData data;
    return data.dir();
}

}  // namespace chemeng::fuzz
