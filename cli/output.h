#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/answer.h"

namespace chemeng::cli {

// How numbers are printed in text and tables: the page's display (0), or
// this many significant digits of the full-precision value.
struct TextStyle {
    int digits = 0;
};

// The printed form of a field's value.
std::string fieldText(const Field& field, const TextStyle& style);

// "label: value" lines.
void printText(const Answer& answer, const TextStyle& style, std::ostream& out);

// The JSON text {"key": number-or-text, ..., "units": {...}}: numbers at
// full precision (shortest text that reads back as the same double), dotted
// keys as nested objects ("liquid.enthalpy" -> {"liquid": {"enthalpy": ...}}).
// Written directly rather than through a JSON library: a batch writes one
// per line, hundreds of thousands of them.
std::string answerJson(const Answer& answer);

// {"error": {"message": ..., "field": ..., "detail": ..., "status": ...}}.
std::string failureJson(const Failure& failure);

// The text for standard error: the message, then its detail.
std::string failureText(const Failure& failure);

// Page texts are single-byte (Latin-1, as in the data files); JSON and the
// terminal want UTF-8. Texts already in UTF-8 (labels) pass unchanged.
std::string latin1ToUtf8(const std::string& text);

enum class TableFormat { Csv, Tsv, JsonLines };

// A table over a range of one input: one row per point, columns chosen by
// key; the header names each column's label (with its unit). A point that got
// a message has its values empty and the message in the last column.
class Table {
  public:
    Table(TableFormat format, TextStyle style) : m_format(format), m_style(style) {}
    void add(const Answer& answer);
    void print(std::ostream& out) const;

  private:
    TableFormat m_format;
    TextStyle m_style;
    std::vector<std::pair<std::string, std::string>> m_columns;  // key, label
    std::vector<Answer> m_rows;
};

// A cell for CSV (quoted when it holds a separator, quote or line end) or
// TSV (tabs and line ends replaced by blanks).
std::string csvCell(const std::string& text);

}  // namespace chemeng::cli
