#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace chemeng {

// How a field's cut text is cleaned before it is stored.
enum class Cleaning {
    AsCut,            // unchanged, leading and trailing spaces included
    BlanksRemoved,    // every space deleted, inner ones too
    BlanksNYRemoved,  // spaces, then every capital N and capital Y deleted
};

// A window of a line: 0-based start and length, clipped at the line's end.
struct Field {
    int start;
    int length;
    Cleaning cleaning;
};

std::string cutField(std::string_view line, const Field& field);

// Reads a single-byte text file line by line and hands each line to onLine,
// at most maxLines of them. A line ends at a line feed, or at a carriage
// return together with the character that follows it (so CR LF is one line
// end); the last line needs no end. Returns false when the file cannot be
// opened.
bool readLines(const std::filesystem::path& path, int maxLines,
               const std::function<void(const std::string& line)>& onLine);

}  // namespace chemeng
