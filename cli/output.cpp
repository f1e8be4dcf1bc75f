#include "cli/output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <ostream>

namespace chemeng::cli {

const Field* Answer::find(const std::string& key) const {
    for (const Field& f : fields) {
        if (f.key == key) return &f;
    }
    return nullptr;
}

namespace {

bool isUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (c < 0x80) {
            extra = 0;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k >= text.size()) return false;
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

std::string significant(double value, int digits) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, digits);
    if (error != std::errc{}) return {};
    return std::string(buffer.data(), end);
}

// Puts value at a dotted path of nested objects.
void setPath(nlohmann::ordered_json& object, const std::string& path,
             nlohmann::ordered_json value) {
    nlohmann::ordered_json* at = &object;
    std::size_t start = 0;
    for (std::size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
        at = &(*at)[path.substr(start, dot - start)];
        start = dot + 1;
    }
    (*at)[path.substr(start)] = std::move(value);
}

}  // namespace

std::string latin1ToUtf8(const std::string& text) {
    if (isUtf8(text)) return text;
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

std::string fieldText(const Field& field, const TextStyle& style) {
    if (field.isText || style.digits <= 0 || !field.value) return latin1ToUtf8(field.text);
    if (!std::isfinite(*field.value)) return {};
    return significant(*field.value * field.textScale, style.digits);
}

void printText(const Answer& answer, const TextStyle& style, std::ostream& out) {
    for (const Field& f : answer.fields) {
        if (!f.jsonOnly) out << f.label << ": " << fieldText(f, style) << '\n';
    }
}

nlohmann::ordered_json answerJson(const Answer& answer) {
    nlohmann::ordered_json object = nlohmann::ordered_json::object();
    nlohmann::ordered_json units = nlohmann::ordered_json::object();
    for (const Field& f : answer.fields) {
        if (f.isText) {
            setPath(object, f.key, latin1ToUtf8(f.text));
        } else if (f.value && std::isfinite(*f.value)) {
            setPath(object, f.key, *f.value);
        } else {
            setPath(object, f.key, nullptr);
        }
        if (!f.unit.empty()) setPath(units, f.key, f.unit);
    }
    if (answer.failure) object["error"] = failureJson(*answer.failure)["error"];
    if (!units.empty()) object["units"] = std::move(units);
    return object;
}

nlohmann::ordered_json failureJson(const Failure& failure) {
    nlohmann::ordered_json error = nlohmann::ordered_json::object();
    error["message"] = latin1ToUtf8(failure.message);
    error["field"] =
        failure.field.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(failure.field);
    if (!failure.detail.empty()) error["detail"] = failure.detail;
    error["status"] = failure.status;
    return {{"error", error}};
}

std::string failureText(const Failure& failure) {
    std::string text = latin1ToUtf8(failure.message);
    if (!failure.detail.empty()) text += ": " + failure.detail;
    return text;
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

namespace {
std::string tsvCell(std::string text) {
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    }
    return text;
}
}  // namespace

void Table::add(const Answer& answer) {
    for (const Field& f : answer.fields) {
        if (f.jsonOnly && m_format != TableFormat::JsonLines) continue;
        bool known = false;
        for (const auto& column : m_columns) known = known || column.first == f.key;
        if (!known) m_columns.emplace_back(f.key, f.label);
    }
    m_rows.push_back(answer);
}

void Table::print(std::ostream& out) const {
    if (m_format == TableFormat::JsonLines) {
        for (const Answer& row : m_rows) out << answerJson(row).dump() << '\n';
        return;
    }
    const bool csv = m_format == TableFormat::Csv;
    const auto printRow = [&](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0) out << (csv ? ',' : '\t');
            out << (csv ? csvCell(cells[i]) : tsvCell(cells[i]));
        }
        out << '\n';
    };
    std::vector<std::string> header;
    for (const auto& column : m_columns) header.push_back(column.second);
    header.emplace_back("message");
    printRow(header);
    for (const Answer& row : m_rows) {
        std::vector<std::string> cells;
        for (const auto& column : m_columns) {
            const Field* f = row.find(column.first);
            cells.push_back(f != nullptr ? fieldText(*f, m_style) : std::string());
        }
        cells.push_back(row.failure ? failureText(*row.failure) : std::string());
        printRow(cells);
    }
}

}  // namespace chemeng::cli
