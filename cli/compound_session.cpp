#include "cli/compound_session.h"

#include <array>
#include <charconv>
#include <cmath>

#include "cli/data_location.h"
#include "cli/pressure_units.h"
#include "compounds/compound_loaders.h"
#include "compounds/table_cells.h"
#include "framework/number_format.h"
#include "framework/result_rounding.h"

namespace chemeng::cli {

namespace {

constexpr const char* kOutOfRange = "Out of Range";
constexpr const char* kNoData = "No Data Available for this compound";
constexpr const char* kNoResult = "This compound doesn't have the result";

CompoundTable loadTable(PageKind page, const std::filesystem::path& dataDir) {
    const MessageSink quiet = [](const std::string&) {};
    switch (page) {
        case PageKind::PhysicalProperties:
            return loadPhysicalPropertiesTable(dataDir, quiet);
        case PageKind::HeatCapacities:
            return loadHeatCapacityTable(dataDir, GasRangeRule::CarbonOxidesWide, quiet);
        case PageKind::Enthalpies:
            return loadHeatCapacityTable(dataDir, GasRangeRule::Uniform, quiet);
        case PageKind::Density:
            return loadDensityTable(dataDir, quiet);
        default:
            return loadVaporPressureTable(dataDir, quiet);
    }
}

// The shortest text that reads back as the same double: what is typed into
// the page, so that the page computes with the user's very number.
std::string exactText(double value) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : formatGeneral(value);
}

// A value shown as the pages show results: rounded to thousandths, in the
// general format.
std::string resultText(double value) {
    const std::optional<double> rounded = roundToThousandths(value);
    return rounded ? formatGeneral(*rounded) : std::string();
}

// Six significant digits: a bound carried through kelvin and back must not
// show the rounding step of the trip (0.100000000000023 °C).
std::string sixDigits(double value) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 6);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string();
}

std::string rangeText(double low, double high, const char* unit) {
    return sixDigits(low) + " to " + sixDigits(high) + " " + unit;
}

}  // namespace

const char* temperatureUnitLabel(int unit) {
    return unit == 1 ? "°F" : unit == 2 ? "K" : "°C";
}

CompoundSession::CompoundSession(const CompoundPageSpec& pageDescription,
                                 const std::filesystem::path& dataDir,
                                 const CompoundIdentifiers& identifiers)
    : m_spec(pageDescription),
      m_identifiers(identifiers),
      m_runner(pageEntry(pageDescription.page), dataDir),
      m_table(loadTable(pageDescription.page, dataDir)) {
    for (const std::string& message : m_runner.takeMessages())
        m_loadMessages.push_back(withPathTried(message, dataDir));
    const int rows = m_table.mainCount + m_table.miscCount;
    for (int row = 0; row < rows; ++row) {
        m_compounds.push_back({row, trimmedRight(m_table.cell(row, 0)), m_table.cell(row, 1),
                               row >= m_table.mainCount});
    }
}

std::variant<CompoundEntry, Failure> CompoundSession::find(const std::string& text) const {
    const MatchResult match = matchCompound(m_compounds, text, m_identifiers);
    if (match.choice) return *match.choice;
    if (!match.ambiguous.empty()) {
        std::string detail = "it matches several compounds:";
        for (const CompoundEntry& c : match.ambiguous)
            detail +=
                " " + c.name + " (" + c.formula + ")" + (&c == &match.ambiguous.back() ? "" : ",");
        return Failure{kUsage, "\"" + text + "\" is ambiguous", "compound", detail};
    }
    std::string detail;
    if (!match.suggestions.empty()) {
        detail = "did you mean ";
        for (std::size_t i = 0; i < match.suggestions.size(); ++i)
            detail += (i > 0 ? ", " : "") + match.suggestions[i];
        detail += "?";
    } else {
        detail = "see chemeng-cli compounds --page " + std::string(m_spec.command);
    }
    return Failure{
        kPageMessage,
        "no compound named \"" + text + "\" on the " + std::string(m_spec.command) + " page",
        "compound", detail};
}

double CompoundSession::toKelvin(double t, int unit) const {
    if (unit == 2) return t;
    if (unit == 1) return (t - 32.0) * 0.5555555555555556 + m_spec.fahrenheitOffset_K;
    return t + m_spec.celsiusOffset_K;
}

double CompoundSession::fromKelvin(double t_K, int unit) const {
    if (unit == 2) return t_K;
    if (unit == 1) return (t_K - m_spec.fahrenheitOffset_K) * 1.8 + 32.0;
    return t_K - m_spec.celsiusOffset_K;
}

void CompoundSession::choose(const CompoundEntry& compound, const CompoundRequest& request) {
    HeadlessDialog& dialog = m_runner.dialog();
    // The phase is clicked before the compound is chosen: a phase switch
    // finds the shown compound again by name (the first row of that name),
    // which is the row chosen here when it is clicked first.
    if (m_spec.hasPhases() && (m_chosenRow < 0 || request.phase != m_chosenPhase)) {
        dialog.click(request.phase == Phase::Gas ? m_spec.gasRadio : m_spec.liquidRadio);
        m_chosenPhase = request.phase;
        m_chosenRow = -1;
    }
    if (compound.row != m_chosenRow) {
        if (compound.miscellaneous) {
            dialog.chooseText(m_spec.picker.controls.miscNames, m_table.cell(compound.row, 0));
        } else {
            dialog.choose(m_spec.picker.controls.mainFormulas, compound.row);
        }
        m_chosenRow = compound.row;
        m_chosenUnit = -1;  // a Miscellaneous density compound switches the page to K
    }
    if (m_spec.computes() && request.unit != m_chosenUnit) {
        dialog.click(m_spec.unitRadios[request.unit]);
        m_chosenUnit = request.unit;
    }
}

Field CompoundSession::makeField(const FieldSpec& pageDescription, int row,
                                 const CompoundRequest& request) const {
    Field f{std::string(pageDescription.key),
            std::string(pageDescription.label),
            std::string(pageDescription.unit),
            m_runner.dialogView().windowText(pageDescription.id),
            std::nullopt,
            pageDescription.role == FieldRole::Text};
    // The files pad some cells with blanks (the enthalpy of formation keeps
    // its column's); the command line prints the value alone.
    f.text = trimmedRight(f.text);
    f.text.erase(0, f.text.find_first_not_of(' '));
    if (pageDescription.role == FieldRole::Temperature) {
        f.unit = temperatureUnitLabel(request.unit);
        f.label += " (" + f.unit + ")";
        f.value = pageDescription.key == "reference_temperature" ? request.reference
                                                                 : request.temperature;
    } else if (f.isText) {
        // no number
    } else if (pageDescription.cell >= 0 && !f.text.empty()) {
        f.value = cellNumber(m_table, row, pageDescription.cell) * pageDescription.scale;
    } else if (m_spec.page == PageKind::PhysicalProperties && !f.text.empty()) {
        f.value = physicalValue(m_table, row, pageDescription.key);
    }
    return f;
}

Field CompoundSession::resultField(int row, const CompoundRequest& request,
                                   const ResultValue& value) const {
    Field f{std::string(m_spec.result.key),
            std::string(m_spec.result.label),
            std::string(m_spec.result.unit),
            m_runner.dialogView().windowText(m_spec.result.id),
            std::nullopt,
            false};
    if (value.result.ok()) f.value = value.result.value;
    const bool perMass = request.massBasis && (m_spec.page == PageKind::HeatCapacities ||
                                               m_spec.page == PageKind::Enthalpies);
    if (perMass) {
        // J/(mol·K) ÷ g/mol = J/(g·K); J/mol ÷ g/mol = J/g = kJ/kg.
        const double molarMass = cellNumber(m_table, row, HeatCapacityCell::MolecularWeight);
        f.unit = m_spec.page == PageKind::HeatCapacities ? "J/(g·K)" : "kJ/kg";
        if (f.value && molarMass > 0.0) {
            f.value = *f.value / molarMass;
            f.text = resultText(*f.value);
        } else {
            f.value.reset();
            f.text.clear();
        }
    } else if (m_spec.page == PageKind::VaporPressure && request.pressureUnit != "mmHg") {
        f.unit = request.pressureUnit;
        if (f.value) {
            f.value = pressureFromKPa(pressureToKPa(*f.value, "mmHg"), request.pressureUnit);
            f.text = resultText(*f.value);
        }
    }
    f.label += " (" + f.unit + ")";
    return f;
}

Failure CompoundSession::failureFor(const std::string& message, const CompoundRequest& request,
                                    const ResultValue& value) const {
    const char* unit = temperatureUnitLabel(request.unit);
    if (message == kOutOfRange) {
        return {kPageMessage, message, "temperature",
                "temperature " + sixDigits(request.temperature) + " " + unit +
                    " is outside the range of the data, " +
                    rangeText(fromKelvin(value.low_K, request.unit),
                              fromKelvin(value.high_K, request.unit), unit)};
    }
    if (message == kNoResult) {
        return {kPageMessage, message, "phase",
                std::string("no ") + (request.phase == Phase::Liquid ? "liquid" : "gas") +
                    " data for this compound"};
    }
    if (message == kNoData) {
        return {kPageMessage, message, "compound", "its coefficients are missing or zero"};
    }
    return {kPageMessage, message, std::string(m_spec.result.key), ""};
}

Answer CompoundSession::answer(const CompoundEntry& compound, const CompoundRequest& request) {
    choose(compound, request);
    HeadlessDialog& dialog = m_runner.dialog();
    ResultValue value;
    std::vector<std::string> messages;
    if (m_spec.computes()) {
        if (m_spec.hasReference()) dialog.type(m_spec.reference.id, exactText(request.reference));
        dialog.type(m_spec.temperature.id, exactText(request.temperature));
        dialog.pressEnter();
        messages = m_runner.takeMessages();
        value = compoundResult(m_spec, m_table, compound.row, request.phase,
                               toKelvin(request.temperature, request.unit),
                               toKelvin(request.reference, request.unit));
        if (messages.empty() && !value.result.ok()) {
            // A Miscellaneous compound of the density page has one
            // tabulated density and no correlation; the page then does not
            // compute at all.
            messages.push_back(kNoData);
        }
    } else {
        messages = m_runner.takeMessages();
    }
    if (!messages.empty()) {
        Answer a;
        a.failure = failureFor(messages.front(), request, value);
        return a;
    }

    Answer a;
    for (const FieldSpec& pageDescription : m_spec.compoundFields)
        a.fields.push_back(makeField(pageDescription, compound.row, request));
    if (m_spec.hasPhases()) {
        a.fields.push_back({"phase", "Phase", "", request.phase == Phase::Gas ? "gas" : "liquid",
                            std::nullopt, true});
    }
    const auto& phaseFields = request.phase == Phase::Liquid && m_spec.hasPhases()
                                  ? m_spec.liquidFields
                                  : m_spec.gasFields;
    for (const FieldSpec& pageDescription : phaseFields)
        a.fields.push_back(makeField(pageDescription, compound.row, request));
    if (m_spec.computes()) {
        if (m_spec.hasReference())
            a.fields.push_back(makeField(m_spec.reference, compound.row, request));
        a.fields.push_back(makeField(m_spec.temperature, compound.row, request));
        a.fields.push_back(resultField(compound.row, request, value));
    }
    return a;
}

}  // namespace chemeng::cli
