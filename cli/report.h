#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace chemeng::cli {

// What a command read back from a page: the shown fields in the page's order
// with the page's own labels, and the message that stopped the computation,
// if any.
struct Report {
    std::vector<std::pair<std::string, std::string>> fields;
    std::string message;

    bool failed() const { return !message.empty(); }
    nlohmann::ordered_json toJson() const;
    // One "label: value" line per field.
    void printText(std::ostream& out) const;
};

// A table of computations over a range: a header of labels, one row per
// point, and a last column with the message a point got.
class CsvTable {
  public:
    explicit CsvTable(std::vector<std::string> labels) : m_labels(std::move(labels)) {}
    void addRow(const Report& report);
    void print(std::ostream& out) const;

  private:
    std::vector<std::string> m_labels;
    std::vector<std::vector<std::string>> m_rows;
};

// Quotes a CSV cell when it holds a separator, a quote or a line end.
std::string csvCell(const std::string& text);

}  // namespace chemeng::cli
