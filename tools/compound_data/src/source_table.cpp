#include "source_table.h"

#include <charconv>
#include <fstream>

namespace chemeng::datagen {

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t begin = 0;
    while (true) {
        const std::size_t tab = line.find('\t', begin);
        if (tab == std::string::npos) {
            cells.push_back(line.substr(begin));
            return cells;
        }
        cells.push_back(line.substr(begin, tab - begin));
        begin = tab + 1;
    }
}

}  // namespace

std::string trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

std::optional<double> parseNumber(std::string_view text) {
    const std::string cell = trim(text);
    if (cell.empty()) return std::nullopt;
    const char* first = cell.data();
    const char* last = cell.data() + cell.size();
    if (*first == '+') ++first;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

SourceTable SourceTable::read(const std::filesystem::path& path, Layout layout,
                              std::string& error) {
    SourceTable table;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path.string();
        return table;
    }
    std::string line;
    bool first = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first && layout.hasHeader) {
            table.m_header = splitTabs(line);
            for (std::string& name : table.m_header) name = trim(name);
            first = false;
            continue;
        }
        first = false;
        if (trim(line).empty()) continue;
        Row row = splitTabs(line);
        if (static_cast<int>(row.size()) <= layout.keyColumn) continue;
        const std::string key = trim(row[static_cast<std::size_t>(layout.keyColumn)]);
        if (key.empty()) continue;
        auto [it, inserted] = table.m_index.try_emplace(key);
        if (inserted) table.m_keys.push_back(key);
        it->second.push_back(table.m_rows.size());
        table.m_rows.push_back(std::move(row));
    }
    return table;
}

const SourceTable::Row* SourceTable::find(std::string_view cas) const {
    const auto it = m_index.find(cas);
    if (it == m_index.end()) return nullptr;
    return &m_rows[it->second.front()];
}

std::vector<const SourceTable::Row*> SourceTable::findAll(std::string_view cas) const {
    std::vector<const Row*> rows;
    const auto it = m_index.find(cas);
    if (it == m_index.end()) return rows;
    for (std::size_t index : it->second) rows.push_back(&m_rows[index]);
    return rows;
}

int SourceTable::column(std::string_view name) const {
    for (std::size_t i = 0; i < m_header.size(); ++i)
        if (m_header[i] == name) return static_cast<int>(i);
    return -1;
}

std::string SourceTable::text(const Row& row, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= row.size()) return {};
    return trim(row[static_cast<std::size_t>(column)]);
}

std::optional<double> SourceTable::number(const Row& row, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= row.size()) return std::nullopt;
    return parseNumber(row[static_cast<std::size_t>(column)]);
}

std::string SourceTable::text(std::string_view cas, std::string_view columnName) const {
    const Row* row = find(cas);
    return row ? text(*row, column(columnName)) : std::string();
}

std::optional<double> SourceTable::number(std::string_view cas, std::string_view columnName) const {
    const Row* row = find(cas);
    return row ? number(*row, column(columnName)) : std::nullopt;
}

}  // namespace chemeng::datagen
