#pragma once

#include <map>
#include <string>
#include <vector>

namespace chemeng::datagen {

// What the generator did for one file or pair of files: rows written, rows
// rejected and why, where the values came from, and how far every fit is
// from its source.
class FileReport {
  public:
    explicit FileReport(std::string files) : m_files(std::move(files)) {}

    void written(int count) { m_written = count; }
    void reject(const std::string& reason) { ++m_rejected[reason]; }
    void source(const std::string& label) { ++m_sources[label]; }
    // A source row that failed its check; the next source was tried.
    void failedCheck(const std::string& why) { ++m_failedChecks[why]; }
    void note(std::string text) { m_notes.push_back(std::move(text)); }

    // A fit accepted into the file; deviation as a fraction (0.01 = 1 %).
    void fit(const std::string& kind, const std::string& compound, double deviation);

    const std::string& files() const { return m_files; }
    int writtenCount() const { return m_written; }
    int rejectedCount(const std::string& reason) const;
    const std::map<std::string, int>& rejected() const { return m_rejected; }
    double worstFit(const std::string& kind) const;

    std::string markdown() const;

  private:
    struct Fit {
        std::string compound;
        double deviation;
    };
    std::string m_files;
    int m_written = 0;
    std::map<std::string, int> m_rejected;
    std::map<std::string, int> m_sources;
    std::map<std::string, int> m_failedChecks;
    std::map<std::string, std::vector<Fit>> m_fits;
    std::vector<std::string> m_notes;
};

std::string reportMarkdown(const std::vector<FileReport>& reports, const std::string& sourceNote);

}  // namespace chemeng::datagen
