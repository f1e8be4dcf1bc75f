#pragma once

#include <optional>
#include <string>
#include <vector>

namespace chemeng::cli {

// Exit statuses of chemeng-cli.
enum ExitStatus : int {
    kOk = 0,
    kPageMessage = 1,  // the computation answered with a message, or the compound is unknown
    kUsage = 2,        // a bad command line or request, or a compound name that matches several
};

// One value of an answer. The page's display text and, for numbers, the
// value at full precision (the engine's double, before any rounding for
// display) in the unit named.
struct Field {
    std::string key;              // stable snake_case path: "temperature", "liquid.enthalpy"
    std::string label;            // printed label, with the unit it means
    std::string unit;             // "kJ/kg", "°C"; empty for pure numbers and texts
    std::string text;             // as the page shows it
    std::optional<double> value;  // full precision; none for texts and missing numbers
    bool isText = false;          // a name, a formula, a phase word
    bool jsonOnly = false;        // not printed as text (the page has no such line)
    double textScale = 1.0;       // printed with --digits as value * textScale (a fraction as %)
};

// Why a request got no answer: the message (the page's own text where the
// page has one), the input it concerns, and what the page knows beyond the
// message (the range, in the user's unit).
struct Failure {
    int status = kPageMessage;
    std::string message;
    std::string field;
    std::string detail;
};

struct Answer {
    std::vector<Field> fields;
    std::optional<Failure> failure;

    bool failed() const { return failure.has_value(); }
    const Field* find(const std::string& key) const;
};

inline Answer failureAnswer(int status, std::string message, std::string field = {},
                            std::string detail = {}) {
    return Answer{{}, Failure{status, std::move(message), std::move(field), std::move(detail)}};
}

}  // namespace chemeng::cli
