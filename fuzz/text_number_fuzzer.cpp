// The leading-number parser against the C library's strtod in the "C"
// locale, and the two number formats against snprintf, on arbitrary bytes.
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/number_format.h"
#include "framework/text_number.h"
#include "fuzz_support.h"

namespace {

using chemeng::fuzz::fail;

bool sameDouble(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;  // tells -0 from +0
}

enum class Format { General15, Fixed3, Full };

std::string printed(Format format, double value) {
    char buffer[512];
    int length = 0;
    switch (format) {
        case Format::General15:
            length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
            break;
        case Format::Fixed3:
            length = std::snprintf(buffer, sizeof buffer, "%.3f", value);
            break;
        case Format::Full:
            length = std::snprintf(buffer, sizeof buffer, "%.17g", value);
            break;
    }
    return std::string(buffer, static_cast<std::size_t>(length));
}

void checkFormats(double value) {
    if (chemeng::formatGeneral(value) != printed(Format::General15, value))
        fail("formatGeneral differs from %.15g", 0, printed(Format::Full, value));
    if (chemeng::formatFixed3(value) != printed(Format::Fixed3, value))
        fail("formatFixed3 differs from %.3f", 0, printed(Format::Full, value));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double ours = chemeng::parseLeadingNumber(text);
    // strtod reads a C string: it stops at the first NUL byte, where the
    // parser's number ends too (NUL is neither a digit nor a blank).
    const double oracle = std::strtod(text.c_str(), nullptr);
    if (!sameDouble(ours, oracle)) {
        std::fprintf(stderr, "parseLeadingNumber %.17g, strtod %.17g\n", ours, oracle);
        fail("parseLeadingNumber differs from strtod", 0, text);
    }
    checkFormats(ours);
    // The first eight bytes as a double: every bit pattern, subnormals and
    // NaN payloads included.
    if (size >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, data, sizeof raw);
        checkFormats(raw);
    }
    return 0;
}
