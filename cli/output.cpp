#include "cli/output.h"

#include <array>
#include <charconv>
#include <cmath>
#include <ostream>
#include <string_view>

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

void appendEscaped(std::string& out, std::string_view text) {
    out.push_back('"');
    std::size_t run = 0;  // start of the stretch that needs no escaping
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\') continue;
        out.append(text.substr(run, i - run));
        run = i + 1;
        if (byte == '"' || byte == '\\') {
            out.push_back('\\');
            out.push_back(text[i]);
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xF]);
        }
    }
    out.append(text.substr(run));
    out.push_back('"');
}

// Keys are this program's own snake_case words: nothing to escape.
void appendKey(std::string& out, std::string_view key) {
    out.push_back('"');
    out.append(key);
    out += "\":";
}

// The shortest text that reads back as the same double; integral values
// keep a ".0" so that every reader sees a floating-point number.
void appendNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    out += text;
    if (text.find_first_of(".e") == std::string_view::npos) out += ".0";
}

// Members of one object level: a key and either a field or a nested level.
struct JsonLevel {
    std::vector<std::pair<std::string_view, const Field*>> leaves;  // key, field (nullptr: nested)
    std::vector<std::pair<std::string_view, JsonLevel>> nested;
};

void insert(JsonLevel& level, std::string_view path, const Field* field) {
    const auto dot = path.find('.');
    if (dot == std::string_view::npos) {
        level.leaves.emplace_back(path, field);
        return;
    }
    const std::string_view head = path.substr(0, dot);
    for (auto& [key, child] : level.nested) {
        if (key == head) {
            insert(child, path.substr(dot + 1), field);
            return;
        }
    }
    level.leaves.emplace_back(head, nullptr);
    level.nested.emplace_back(head, JsonLevel{});
    insert(level.nested.back().second, path.substr(dot + 1), field);
}

// Writes a level's members (without braces); units instead of values when
// asked. Returns whether anything was written.
bool appendLevel(std::string& out, const JsonLevel& level, bool units) {
    bool first = true;
    for (const auto& [key, field] : level.leaves) {
        if (field == nullptr) {
            const JsonLevel* child = nullptr;
            for (const auto& [name, nested] : level.nested) {
                if (name == key) child = &nested;
            }
            std::string inner;
            if (!appendLevel(inner, *child, units) && units) continue;
            if (!first) out.push_back(',');
            appendKey(out, key);
            out.push_back('{');
            out += inner;
            out.push_back('}');
            first = false;
            continue;
        }
        if (units && field->unit.empty()) continue;
        if (!first) out.push_back(',');
        first = false;
        appendKey(out, key);
        if (units) {
            appendEscaped(out, field->unit);
        } else if (field->isText) {
            appendEscaped(out, latin1ToUtf8(field->text));
        } else if (field->value) {
            appendNumber(out, *field->value);
        } else {
            out += "null";
        }
    }
    return !first;
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

std::string answerJson(const Answer& answer) {
    JsonLevel root;
    for (const Field& f : answer.fields) insert(root, f.key, &f);
    std::string out = "{";
    out.reserve(512);
    bool any = appendLevel(out, root, false);
    if (answer.failure) {
        const std::string error = failureJson(*answer.failure);
        // {"error":{...}} without its outer braces.
        out += (any ? "," : "") + error.substr(1, error.size() - 2);
        any = true;
    }
    std::string units;
    if (appendLevel(units, root, true)) out += (any ? ",\"units\":{" : "\"units\":{") + units + "}";
    out.push_back('}');
    return out;
}

std::string failureJson(const Failure& failure) {
    std::string out = "{\"error\":{\"message\":";
    appendEscaped(out, latin1ToUtf8(failure.message));
    out += ",\"field\":";
    if (failure.field.empty()) {
        out += "null";
    } else {
        appendEscaped(out, failure.field);
    }
    if (!failure.detail.empty()) {
        out += ",\"detail\":";
        appendEscaped(out, latin1ToUtf8(failure.detail));
    }
    out += ",\"status\":" + std::to_string(failure.status) + "}}";
    return out;
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
        for (const Answer& row : m_rows) out << answerJson(row) << '\n';
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
