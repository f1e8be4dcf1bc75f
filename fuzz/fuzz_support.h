#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/headless_dialog.h"
#include "framework/page_layout.h"

class FuzzedDataProvider;

namespace chemeng::fuzz {

// Stops the run with a report; libFuzzer keeps the input that led here.
[[noreturn]] void fail(std::string_view what, int controlId, std::string_view text);

// How a page shows the value in one of its edits, for the checks after each
// step. An edit holding exactly a text the user typed there is never
// judged: the user's own text is the user's business.
enum class Shown {
    Text,            // a text from the data files, shown as written
    General,         // a double as "%.15g": finite
    GeneralOrEmpty,  // the same, or empty (a result field emptied)
    Result,         // a rounded result as "%.15g": finite, on the 0.001 grid, 32-bit step; or empty
    Fixed3OrEmpty,  // "%.3f" of a finite value, or empty
    SteamValue,     // "%.3f" within the 32-bit step, empty, or a phase word
};

struct FieldRule {
    int id;
    Shown shown;
};

// True when text holds "inf", "infinity" or "nan" as a word, in any case.
bool hasNonFiniteWord(std::string_view text);

// The checks every step ends with: each edit of the layout against its rule
// (edits without a rule are Text), and each message shown since the last
// check. Data texts are only checked for non-finite words when the data is
// trusted (the shipped files); fuzzed files may say anything.
class ShownChecker {
  public:
    ShownChecker(const PageLayout& layout, std::span<const FieldRule> rules, bool trustedData)
        : m_layout(layout), m_rules(rules), m_trustedData(trustedData) {}

    // The user typed into an edit (and the edit took it). A page may put an
    // earlier typed text back (the temperature of the last computation), so
    // every text typed into an edit stays the user's own.
    void typed(int id, const std::string& text) { m_typed[id].insert(text); }
    void check(HeadlessDialog& dialog) const;

  private:
    Shown ruleFor(int id) const;

    const PageLayout& m_layout;
    std::span<const FieldRule> m_rules;
    bool m_trustedData;
    std::map<int, std::set<std::string>> m_typed;
};

// Texts a hostile user types: empty, blanks, words, extremes, the 32-bit
// rounding limit, temperatures at range limits, very long numbers.
std::span<const std::string> hostileTexts();

// The controls of a layout the user can act on, by kind.
struct UserControls {
    std::vector<int> edits;
    std::vector<int> radios;
    std::vector<int> buttons;
    std::vector<int> lists;  // combos and lists
};
UserControls userControls(const PageLayout& layout);

// Plays up to maxSteps user actions chosen by the fuzzer's bytes (typing a
// hostile or arbitrary text, clicking a radio or button, choosing or
// double-clicking an item, pressing Enter), checking after every step.
void playUserSteps(FuzzedDataProvider& input, HeadlessDialog& dialog, ShownChecker& checker,
                   const UserControls& controls, int maxSteps);

// The shipped data folder (data/ of the source tree).
std::filesystem::path shippedDataDir();

// A private folder (made once per process) with a sample of the shipped
// files' lines: every eighth row of the main files (the same rows of files
// that are read side by side), every Miscellaneous row, every twentieth row
// of sat.txt and its last. Loading whole files on every input would leave
// the pages' own logic a small share of the fuzzer's time.
std::filesystem::path sampledDataDir();

}  // namespace chemeng::fuzz
