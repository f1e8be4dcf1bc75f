#pragma once

#include <string>
#include <string_view>

namespace chemeng::datagen {

// Builds one line of a fixed-column file. Each text goes into its own
// window; a window may only be written where the line is still blank, so a
// value can never run into a neighbouring field or into the characters two
// overlapping windows share (those stay blank).
class FixedLine {
  public:
    enum class Align { Left, Right };

    // False (line unchanged) when the text is longer than the window or the
    // window is not blank.
    bool put(int start, int width, std::string_view text, Align align = Align::Right);

    // The line without trailing blanks.
    std::string text() const;

  private:
    std::string m_chars;
};

}  // namespace chemeng::datagen

namespace chemeng::datagen {

// A number right-aligned in its window with as many of the wanted decimals as
// fit (at least minDecimals); false when it cannot be written.
bool putFixed(FixedLine& line, int start, int width, double value, int decimals, int minDecimals);
bool putScientific(FixedLine& line, int start, int width, double value, int decimals,
                   int minDecimals);

}  // namespace chemeng::datagen
