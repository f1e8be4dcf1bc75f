#include "cli/report.h"

namespace chemeng::cli {

namespace {

// Page texts are single-byte (Latin-1); JSON wants UTF-8.
std::string latin1ToUtf8(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return out;
}

}  // namespace

nlohmann::ordered_json Report::toJson() const {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    for (const auto& [label, value] : fields) object[label] = latin1ToUtf8(value);
    if (failed()) object["message"] = message;
    return object;
}

void Report::printText(std::ostream& out) const {
    for (const auto& [label, value] : fields) out << label << ": " << value << '\n';
}

std::string csvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted.push_back('"');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

void CsvTable::addRow(const Report& report) {
    std::vector<std::string> row;
    for (const std::string& label : m_labels) {
        std::string value;
        for (const auto& [fieldLabel, fieldValue] : report.fields) {
            if (fieldLabel == label) value = fieldValue;
        }
        row.push_back(value);
    }
    row.push_back(report.message);
    m_rows.push_back(std::move(row));
}

void CsvTable::print(std::ostream& out) const {
    auto printRow = [&out](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            out << (i > 0 ? "," : "") << csvCell(cells[i]);
        out << '\n';
    };
    std::vector<std::string> header = m_labels;
    header.push_back("message");
    printRow(header);
    for (const auto& row : m_rows) printRow(row);
}

}  // namespace chemeng::cli
