#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace chemeng::cli {

// What an option's number measures, and so which units may follow it.
enum class QuantityKind {
    Plain,        // a bare number (a step, a count)
    Temperature,  // C, F or K
    Pressure,     // Pa, kPa, MPa, bar, atm, psia, mmHg, inHg
    Quality,      // a fraction 0..1, or a percentage with %
};

// A typed option value: the number and the unit written with it (canonical
// spelling: "C", "F", "K", "kPa", "MPa", "%", ...; empty when none).
struct Quantity {
    double value = 0.0;
    std::string unit;
};

// Reads an option's text strictly: the whole text is one number (a decimal
// comma reads as the point), optionally followed by a unit of its kind
// ("122F", "1.5 MPa", "90%"). On refusal error says why, naming the option
// and the text.
std::optional<Quantity> parseQuantity(std::string_view option, std::string_view text,
                                      QuantityKind kind, std::string& error);

// A quality as the fraction of vapour: "0.9" or "90%" both give 0.9. A bare
// number above 1 is refused (it was most likely meant as a percentage).
std::optional<double> parseQualityFraction(std::string_view option, std::string_view text,
                                           std::string& error);

}  // namespace chemeng::cli
