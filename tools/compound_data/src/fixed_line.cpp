#include "fixed_line.h"

#include "number_text.h"

namespace chemeng::datagen {

bool FixedLine::put(int start, int width, std::string_view text, Align align) {
    if (start < 0 || width < 0 || static_cast<int>(text.size()) > width) return false;
    const auto begin = static_cast<std::size_t>(start);
    const auto end = begin + static_cast<std::size_t>(width);
    if (m_chars.size() < end) m_chars.resize(end, ' ');
    for (std::size_t i = begin; i < end; ++i)
        if (m_chars[i] != ' ') return false;
    const std::size_t offset =
        align == Align::Right ? static_cast<std::size_t>(width) - text.size() : 0;
    m_chars.replace(begin + offset, text.size(), text);
    return true;
}

std::string FixedLine::text() const {
    const std::size_t last = m_chars.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : m_chars.substr(0, last + 1);
}

}  // namespace chemeng::datagen

namespace chemeng::datagen {

bool putFixed(FixedLine& line, int start, int width, double value, int decimals, int minDecimals) {
    const auto text = fixedFitting(value, width, decimals, minDecimals);
    return text && line.put(start, width, *text);
}

bool putScientific(FixedLine& line, int start, int width, double value, int decimals,
                   int minDecimals) {
    const auto text = scientificFitting(value, width, decimals, minDecimals);
    return text && line.put(start, width, *text);
}

}  // namespace chemeng::datagen
