#include "cli/quantity.h"

#include <array>
#include <cctype>
#include <cmath>

#include "framework/typed_number.h"

namespace chemeng::cli {

namespace {

struct UnitSpelling {
    std::string_view written;  // compared without regard to case
    std::string_view canonical;
};

constexpr std::array<UnitSpelling, 9> kTemperatureUnits{{
    {"°C", "C"},
    {"degC", "C"},
    {"C", "C"},
    {"°F", "F"},
    {"degF", "F"},
    {"F", "F"},
    {"K", "K"},
    {"°K", "K"},
    {"degK", "K"},
}};

constexpr std::array<UnitSpelling, 9> kPressureUnits{{
    {"kPa", "kPa"},
    {"MPa", "MPa"},
    {"Pa", "Pa"},
    {"bar", "bar"},
    {"atm", "atm"},
    {"psia", "psia"},
    {"psi", "psia"},
    {"mmHg", "mmHg"},
    {"inHg", "inHg"},
}};

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (suffix.size() > text.size()) return false;
    const std::string_view tail = text.substr(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const auto a = static_cast<unsigned char>(tail[i]);
        const auto b = static_cast<unsigned char>(suffix[i]);
        if (std::tolower(a) != std::tolower(b)) return false;
    }
    return true;
}

std::string_view unitsHint(QuantityKind kind) {
    switch (kind) {
        case QuantityKind::Temperature:
            return " (a number, optionally with C, F or K: 25, 25C, 77F, 298.15K)";
        case QuantityKind::Pressure:
            return " (a number, optionally with Pa, kPa, MPa, bar, atm, psia, mmHg or inHg)";
        case QuantityKind::Quality:
            return " (a fraction from 0 to 1, or a percentage with %: 0.9 or 90%)";
        case QuantityKind::Plain:
            break;
    }
    return "";
}

}  // namespace

std::optional<Quantity> parseQuantity(std::string_view option, std::string_view text,
                                      QuantityKind kind, std::string& error) {
    std::string_view number = text;
    std::string unit;
    const auto takeUnit = [&](const auto& spellings) {
        // The longest spelling first matters only for "Pa" against "kPa" and
        // "psi" against "psia"; the tables list the longer ones first.
        for (const UnitSpelling& s : spellings) {
            if (endsWithNoCase(text, s.written)) {
                number = text.substr(0, text.size() - s.written.size());
                unit = s.canonical;
                return;
            }
        }
    };
    if (kind == QuantityKind::Temperature) takeUnit(kTemperatureUnits);
    if (kind == QuantityKind::Pressure) takeUnit(kPressureUnits);
    if (kind == QuantityKind::Quality && !text.empty() && text.back() == '%') {
        number = text.substr(0, text.size() - 1);
        unit = "%";
    }
    const TypedNumber parsed = parseTypedNumber(number);
    if (parsed.status != TypedNumberStatus::Number || !std::isfinite(parsed.value)) {
        error = notANumberMessage(option, text);
        error += unitsHint(kind);
        return std::nullopt;
    }
    return Quantity{parsed.value, unit};
}

std::optional<double> parseQualityFraction(std::string_view option, std::string_view text,
                                           std::string& error) {
    const std::optional<Quantity> q = parseQuantity(option, text, QuantityKind::Quality, error);
    if (!q) return std::nullopt;
    if (q->unit == "%") return q->value * 0.01;
    if (q->value > 1.0) {
        error = std::string(option) + ": '" + std::string(text) +
                "' is above 1; a quality is a fraction from 0 to 1, or write a percentage with %"
                " (" +
                std::string(text) + "%)";
        return std::nullopt;
    }
    return q->value;
}

}  // namespace chemeng::cli
