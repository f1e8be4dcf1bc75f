#include "compounds/fixed_column_file.h"

#include <algorithm>
#include <fstream>

namespace chemeng {

std::string cutField(std::string_view line, const Field& field) {
    const auto start = static_cast<std::size_t>(std::max(field.start, 0));
    if (start >= line.size() || field.length <= 0) return {};
    std::string text(line.substr(start, static_cast<std::size_t>(field.length)));
    auto removeAll = [&text](char c) { std::erase(text, c); };
    switch (field.cleaning) {
        case Cleaning::AsCut:
            break;
        case Cleaning::BlanksRemoved:
            removeAll(' ');
            break;
        case Cleaning::BlanksNYRemoved:
            removeAll(' ');
            removeAll('N');
            removeAll('Y');
            break;
    }
    return text;
}

bool readLines(const std::filesystem::path& path, int maxLines,
               const std::function<void(const std::string& line)>& onLine) {
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) return false;

    std::string line;
    int taken = 0;
    bool haveText = false;  // a last line without a line end still counts
    std::istreambuf_iterator<char> it(file), end;
    while (taken < maxLines && it != end) {
        const char c = *it++;
        if (c == '\n' || c == '\r') {
            if (c == '\r' && it != end) ++it;  // the character after CR belongs to the line end
            onLine(line);
            ++taken;
            line.clear();
            haveText = false;
        } else {
            line.push_back(c);
            haveText = true;
        }
    }
    if (taken < maxLines && haveText) onLine(line);
    return true;
}

}  // namespace chemeng
