#include "report.h"

#include <algorithm>

#include "number_text.h"

namespace chemeng::datagen {

namespace {

constexpr std::size_t kWorstListed = 5;

std::string percent(double fraction) {
    return fixedText(fraction * 100.0, 2) + " %";
}

}  // namespace

void FileReport::fit(const std::string& kind, const std::string& compound, double deviation) {
    m_fits[kind].push_back({compound, deviation});
}

int FileReport::rejectedCount(const std::string& reason) const {
    const auto it = m_rejected.find(reason);
    return it == m_rejected.end() ? 0 : it->second;
}

double FileReport::worstFit(const std::string& kind) const {
    const auto it = m_fits.find(kind);
    if (it == m_fits.end()) return 0.0;
    double worst = 0.0;
    for (const Fit& f : it->second) worst = std::max(worst, f.deviation);
    return worst;
}

std::string FileReport::markdown() const {
    std::string md = "## " + m_files + "\n\n";
    md += "Rows written: " + std::to_string(m_written) + "\n\n";
    if (!m_rejected.empty()) {
        int total = 0;
        for (const auto& [reason, count] : m_rejected) total += count;
        md += "Rejected: " + std::to_string(total) + "\n\n| reason | count |\n|---|---:|\n";
        for (const auto& [reason, count] : m_rejected)
            md += "| " + reason + " | " + std::to_string(count) + " |\n";
        md += "\n";
    }
    if (!m_failedChecks.empty()) {
        md += "| source rows failing a check (the next source was tried) | count |\n|---|---:|\n";
        for (const auto& [why, count] : m_failedChecks)
            md += "| " + why + " | " + std::to_string(count) + " |\n";
        md += "\n";
    }
    if (!m_sources.empty()) {
        md += "| source of the written values | rows |\n|---|---:|\n";
        for (const auto& [label, count] : m_sources)
            md += "| " + label + " | " + std::to_string(count) + " |\n";
        md += "\n";
    }
    for (const auto& [kind, list] : m_fits) {
        std::vector<Fit> sorted = list;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const Fit& a, const Fit& b) { return a.deviation > b.deviation; });
        std::vector<double> values;
        for (const Fit& f : sorted) values.push_back(f.deviation);
        std::sort(values.begin(), values.end());
        const double median = values[values.size() / 2];
        md += "Largest relative deviation, " + kind + " (" + std::to_string(list.size()) +
              " fits; median " + percent(median) + "):";
        for (std::size_t i = 0; i < std::min(kWorstListed, sorted.size()); ++i)
            md += std::string(i == 0 ? " " : ", ") + sorted[i].compound + " " +
                  percent(sorted[i].deviation);
        md += "\n\n";
    }
    for (const std::string& n : m_notes) md += "- " + n + "\n";
    if (!m_notes.empty()) md += "\n";
    return md;
}

std::string reportMarkdown(const std::vector<FileReport>& reports, const std::string& sourceNote) {
    std::string md =
        "# Compound data: generation report\n\n"
        "Written by tools/compound_data together with the files it describes; do not edit by "
        "hand.\n\n" +
        sourceNote + "\n\n";
    for (const FileReport& r : reports) md += r.markdown();
    return md;
}

}  // namespace chemeng::datagen
