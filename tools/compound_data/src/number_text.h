#pragma once

#include <optional>
#include <string>

// Locale-independent number texts for the fixed-column files. A value that
// rounds to zero is written without a minus sign.
namespace chemeng::datagen {

std::string fixedText(double value, int decimals);       // as "%.*f"
std::string scientificText(double value, int decimals);  // as "%.*E"

// The text with the most decimals, from maxDecimals down to minDecimals, that
// is at most width characters long; nothing when even minDecimals is too long.
std::optional<std::string> fixedFitting(double value, int width, int maxDecimals,
                                        int minDecimals = 0);
std::optional<std::string> scientificFitting(double value, int width, int maxDecimals,
                                             int minDecimals = 1);

}  // namespace chemeng::datagen
