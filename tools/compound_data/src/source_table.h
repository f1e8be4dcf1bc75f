#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace chemeng::datagen {

// One tab-separated source table, keyed by CAS number. Most tables carry a
// header line naming their columns; the identifier tables have none and keep
// the CAS in their second column. Several rows may share a CAS (Zabransky);
// find() gives the first of them.
class SourceTable {
  public:
    struct Layout {
        bool hasHeader = true;
        int keyColumn = 0;
    };

    // Empty table and a message in error when the file cannot be read.
    static SourceTable read(const std::filesystem::path& path, Layout layout, std::string& error);
    static SourceTable read(const std::filesystem::path& path, std::string& error) {
        return read(path, Layout{}, error);
    }

    using Row = std::vector<std::string>;

    const Row* find(std::string_view cas) const;
    std::vector<const Row*> findAll(std::string_view cas) const;
    bool contains(std::string_view cas) const { return find(cas) != nullptr; }

    // Index of a header column; -1 when the table has no such column.
    int column(std::string_view name) const;

    // A cell as text (trimmed) or as a number; nothing when empty, missing or
    // not a number.
    std::string text(std::string_view cas, std::string_view columnName) const;
    std::optional<double> number(std::string_view cas, std::string_view columnName) const;
    static std::optional<double> number(const Row& row, int column);
    static std::string text(const Row& row, int column);

    // Keys in file order, first appearance only.
    const std::vector<std::string>& keys() const { return m_keys; }

  private:
    std::vector<std::string> m_header;
    std::vector<Row> m_rows;
    std::map<std::string, std::vector<std::size_t>, std::less<>> m_index;
    std::vector<std::string> m_keys;
};

// Parses a whole cell as a number (surrounding blanks allowed).
std::optional<double> parseNumber(std::string_view text);

std::string trim(std::string_view text);

}  // namespace chemeng::datagen
