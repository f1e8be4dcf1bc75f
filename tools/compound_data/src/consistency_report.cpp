#include "consistency_report.h"

namespace chemeng::datagen {

ConsistencyReport::Check& ConsistencyReport::at(const std::string& check) {
    auto [it, inserted] = m_checks.try_emplace(check);
    if (inserted) m_order.push_back(check);
    return it->second;
}

void ConsistencyReport::count(const std::string& check, Outcome outcome, int n) {
    Check& c = at(check);
    (outcome == Outcome::Passed      ? c.passed
     : outcome == Outcome::Corrected ? c.corrected
                                     : c.dropped) += n;
}

void ConsistencyReport::worst(const std::string& check, double size, const std::string& text) {
    Check& c = at(check);
    if (size > c.worstSize) {
        c.worstSize = size;
        c.worstText = text;
    }
}

void ConsistencyReport::note(const std::string& check, std::string text) {
    at(check).notes.push_back(std::move(text));
}

int ConsistencyReport::counted(const std::string& check, Outcome outcome) const {
    const auto it = m_checks.find(check);
    if (it == m_checks.end()) return 0;
    const Check& c = it->second;
    return outcome == Outcome::Passed ? c.passed
                                      : (outcome == Outcome::Corrected ? c.corrected : c.dropped);
}

std::string ConsistencyReport::markdown() const {
    std::string md =
        "## Consistency checks\n\n"
        "Each value is compared with the other tables that carry it and with physical bounds "
        "before it is written. Passed: kept as the first-choice table gives it. Corrected: "
        "replaced (consensus of the agreeing tables, a Tc made common to every file, a range "
        "shortened, a later source chosen). Dropped: left out, with the row when the row needs "
        "it. The constants (Tfp to Hvap) are counted over every compound considered for "
        "Critical.txt, the physical checks of a row over the complete rows, the others per "
        "row or source row as named.\n\n"
        "| check | passed | corrected | dropped | largest disagreement left in the files |\n"
        "|---|---:|---:|---:|---|\n";
    for (const std::string& name : m_order) {
        const Check& c = m_checks.at(name);
        md += "| " + name + " | " + std::to_string(c.passed) + " | " + std::to_string(c.corrected) +
              " | " + std::to_string(c.dropped) + " | " + (c.worstSize < 0 ? "-" : c.worstText) +
              " |\n";
    }
    md += "\n";
    for (const std::string& name : m_order) {
        const Check& c = m_checks.at(name);
        if (c.notes.empty()) continue;
        md += "### " + name + "\n\n";
        for (const std::string& n : c.notes) md += "- " + n + "\n";
        md += "\n";
    }
    return md;
}

}  // namespace chemeng::datagen
