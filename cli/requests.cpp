#include "cli/requests.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "cli/pressure_units.h"
#include "cli/quantity.h"
#include "water/steam_units.h"

namespace chemeng::cli {

namespace {

constexpr std::size_t kMaxPoints = 100000;

const std::vector<std::string> kOutputOptions{"json", "digits", "format", "id"};

Failure usage(std::string field, std::string message) {
    return Failure{kUsage, std::move(message), std::move(field), ""};
}

int temperatureUnitIndex(const std::string& unit) {
    return unit == "F" ? 1 : unit == "K" ? 2 : 0;
}

bool isPageSteamPressureUnit(const std::string& unit) {
    return unit == "kPa" || unit == "bar" || unit == "mmHg" || unit == "inHg" || unit == "atm" ||
           unit == "psia";
}

// Finds a unit name among the known ones whatever its case ("kpa", "MMHG").
std::optional<std::string> canonicalUnit(const std::string& text,
                                         std::initializer_list<std::string_view> known) {
    for (std::string_view unit : known) {
        if (unit.size() != text.size()) continue;
        if (std::equal(unit.begin(), unit.end(), text.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            }))
            return std::string(unit);
    }
    return std::nullopt;
}

class Checker {
  public:
    explicit Checker(const Options& options) : m_options(options) {}

    std::optional<Failure> failure;

    bool has(const std::string& name) const { return m_options.count(name) != 0; }
    const std::string* get(const std::string& name) const {
        const auto it = m_options.find(name);
        return it == m_options.end() ? nullptr : &it->second;
    }

    std::optional<Quantity> quantity(const std::string& name, QuantityKind kind) {
        const std::string* text = get(name);
        if (text == nullptr || failure) return std::nullopt;
        std::string error;
        auto q = parseQuantity("--" + name, *text, kind, error);
        if (!q) failure = usage(name, error);
        return q;
    }

    // Lists are initializer lists of views: a batch checks every line, and
    // these are no texts to allocate for each.
    std::string choice(const std::string& name, std::initializer_list<std::string_view> allowed,
                       std::string_view fallback) {
        const std::string* text = get(name);
        if (text == nullptr || failure) return std::string(fallback);
        if (auto unit = canonicalUnit(*text, allowed)) return *unit;
        std::string list;
        for (std::string_view a : allowed) (list += list.empty() ? "" : ", ") += a;
        failure = usage(name, "--" + name + ": '" + *text + "' is not one of " + list);
        return std::string(fallback);
    }

  private:
    const Options& m_options;
};

// The points of a --from/--to/--step table, each in the unit of --from.
std::optional<Sweep> sweepOf(Checker& c, const std::string& vary, QuantityKind kind,
                             std::string& unit) {
    const bool any = c.has("from") || c.has("to") || c.has("step");
    if (!any) return std::nullopt;
    if (!(c.has("from") && c.has("to") && c.has("step"))) {
        c.failure = usage("from", "a table needs all three of --from, --to and --step");
        return std::nullopt;
    }
    const auto from = c.quantity("from", kind);
    const auto to = c.quantity("to", kind);
    const auto step = c.quantity("step", kind);
    if (!from || !to || !step) return std::nullopt;
    std::string rangeUnit = from->unit;
    for (const Quantity* q : {&*to, &*step}) {
        if (q->unit.empty()) continue;
        if (rangeUnit.empty()) rangeUnit = q->unit;
        if (q->unit != rangeUnit) {
            c.failure = usage("to", "--from, --to and --step must be in one unit");
            return std::nullopt;
        }
    }
    if (!rangeUnit.empty()) unit = rangeUnit;
    if (step->value == 0.0) {
        c.failure = usage("step", "--step must not be zero");
        return std::nullopt;
    }
    const double intervals = (to->value - from->value) / step->value;
    if (intervals < -1e-6) {
        c.failure = usage("step", "--step must lead from --from towards --to");
        return std::nullopt;
    }
    if (!(intervals + 1 <= static_cast<double>(kMaxPoints))) {
        c.failure = usage("step", "the table would have more than 100000 points");
        return std::nullopt;
    }
    Sweep sweep{vary, {}};
    const auto count = static_cast<std::size_t>(std::floor(intervals + 1e-6)) + 1;
    for (std::size_t i = 0; i < count; ++i) {
        // Multiplied, not accumulated, so the last point is not off by the
        // sum of the rounding errors.
        const double value = from->value + static_cast<double>(i) * step->value;
        sweep.points.push_back(std::abs(value) < 1e-12 * std::abs(step->value) ? 0.0 : value);
    }
    return sweep;
}

void parseOutput(Checker& c, OutputChoice& out) {
    out.json = c.has("json") && *c.get("json") != "false";
    if (const std::string* digits = c.get("digits")) {
        std::string error;
        const auto q = parseQuantity("--digits", *digits, QuantityKind::Plain, error);
        if (!q || q->value != std::floor(q->value) || q->value < 1 || q->value > 17) {
            c.failure = usage("digits", "--digits: '" + *digits +
                                            "' is not a whole number of significant digits "
                                            "from 1 to 17");
            return;
        }
        out.style.digits = static_cast<int>(q->value);
    }
    const std::string format =
        c.choice("format", {"csv", "tsv", "json"}, out.json ? "json" : "csv");
    out.tableFormat = format == "tsv"    ? TableFormat::Tsv
                      : format == "json" ? TableFormat::JsonLines
                                         : TableFormat::Csv;
}

std::optional<Failure> parseCompound(Checker& c, const CompoundPageSpec& page, Request& r) {
    CompoundRequest& q = r.compound;
    const std::string* compound = c.get("compound");
    if (compound == nullptr || compound->empty())
        return usage("compound", "give the compound's name, formula, CAS number or synonym");
    q.compound = *compound;
    if (page.hasPhases()) {
        if (!c.has("phase")) return usage("phase", "--phase is required: gas or liquid");
        q.phase =
            c.choice("phase", {"gas", "liquid"}, "gas") == "liquid" ? Phase::Liquid : Phase::Gas;
    }
    if (!page.computes()) return c.failure;
    std::string unit = c.choice("unit", {"C", "F", "K"}, "C");
    if (page.page == PageKind::HeatCapacities || page.page == PageKind::Enthalpies)
        q.massBasis = c.choice("basis", {"molar", "mass"}, "molar") == "mass";
    if (page.page == PageKind::VaporPressure)
        q.pressureUnit = c.choice(
            "pressure-unit", {"mmHg", "Pa", "kPa", "MPa", "bar", "atm", "psia", "inHg"}, "mmHg");
    if (c.failure) return c.failure;

    r.sweep = sweepOf(c, "temperature", QuantityKind::Temperature, unit);
    if (c.failure) return c.failure;
    if (r.sweep && c.has("temperature"))
        return usage("temperature", "give --temperature or a --from/--to/--step table, not both");
    if (!r.sweep) {
        const auto t = c.quantity("temperature", QuantityKind::Temperature);
        if (c.failure) return c.failure;
        if (!t) return usage("temperature", "give --temperature, or --from, --to and --step");
        q.temperature = t->value;
        if (!t->unit.empty()) unit = t->unit;
    }
    q.unit = temperatureUnitIndex(unit);
    if (page.hasReference()) {
        const auto tr = c.quantity("reference", QuantityKind::Temperature);
        if (c.failure) return c.failure;
        if (!tr) return usage("reference", "--reference (the reference temperature) is required");
        q.reference = tr->value;
        const int referenceUnit = tr->unit.empty() ? q.unit : temperatureUnitIndex(tr->unit);
        if (referenceUnit != q.unit) {
            // The page takes both temperatures in one unit: the reference
            // is carried over through kelvin with the page's own offsets.
            const auto toK = [&](double t, int u) {
                return u == 2   ? t
                       : u == 1 ? (t - 32.0) * 0.5555555555555556 + page.fahrenheitOffset_K
                                : t + page.celsiusOffset_K;
            };
            const double k = toK(tr->value, referenceUnit);
            q.reference = q.unit == 2   ? k
                          : q.unit == 1 ? (k - page.fahrenheitOffset_K) * 1.8 + 32.0
                                        : k - page.celsiusOffset_K;
        }
    }
    return c.failure;
}

std::optional<Failure> parseSteam(Checker& c, bool pair, Request& r) {
    SteamRequest& s = r.steam;
    s.pair = pair;
    s.si = c.choice("system", {"si", "american"}, "si") == "si";
    std::string tUnit = c.choice("temperature-unit", {"C", "F", "K"}, "C");
    std::string pUnit =
        c.choice("pressure-unit", {"kPa", "bar", "mmHg", "inHg", "atm", "psia"}, "kPa");
    if (c.failure) return c.failure;

    static const std::vector<std::string> pairInputs = {"temperature", "pressure", "enthalpy",
                                                        "volume"};
    static const std::vector<std::string> saturationInputs = {"temperature", "pressure", "enthalpy",
                                                              "volume", "internal-energy"};
    const std::vector<std::string>& allowed = pair ? pairInputs : saturationInputs;
    std::string vary;
    if (c.has("from") || c.has("to") || c.has("step")) {
        vary = pair ? c.choice("vary", {"temperature", "pressure", "enthalpy", "volume"},
                               "temperature")
                    : c.choice("vary",
                               {"temperature", "pressure", "enthalpy", "volume", "internal-energy"},
                               "temperature");
        if (c.failure) return c.failure;
        if (c.has(vary))
            return usage(vary, "--" + vary + " is the varied input; give it as --from/--to/--step");
    }
    const auto kindOf = [](const std::string& name) {
        return name == "temperature" ? QuantityKind::Temperature
               : name == "pressure"  ? QuantityKind::Pressure
                                     : QuantityKind::Plain;
    };
    // A pressure in Pa or MPa is converted to kPa, then to the page's unit.
    const auto pagePressure = [&](const Quantity& q) -> std::optional<double> {
        if (q.unit.empty()) return q.value;
        if (isPageSteamPressureUnit(q.unit)) {
            pUnit = q.unit;
            return q.value;
        }
        const double kPa = pressureToKPa(q.value, q.unit);
        if (pUnit == "kPa") return kPa;
        return steam_units::pressureFromKPa(kPa, pUnit == "bar"    ? PressureUnit::Bar
                                                 : pUnit == "mmHg" ? PressureUnit::MmHg
                                                 : pUnit == "inHg" ? PressureUnit::InHg
                                                 : pUnit == "atm"  ? PressureUnit::Atm
                                                                   : PressureUnit::Psia);
    };
    for (const std::string& name : allowed) {
        const auto q = c.quantity(name, kindOf(name));
        if (c.failure) return c.failure;
        if (!q) continue;
        double value = q->value;
        if (name == "temperature" && !q->unit.empty()) tUnit = q->unit;
        if (name == "pressure") value = *pagePressure(*q);
        s.values[name] = value;
    }
    if (!vary.empty()) {
        std::string unit = vary == "temperature" ? tUnit : vary == "pressure" ? pUnit : "";
        r.sweep = sweepOf(c, vary, kindOf(vary), unit);
        if (c.failure) return c.failure;
        if (vary == "temperature") tUnit = unit;
        if (vary == "pressure") {
            if (!isPageSteamPressureUnit(unit)) {
                for (double& p : r.sweep->points) p = *pagePressure(Quantity{p, unit});
            } else {
                pUnit = unit;
            }
        }
        s.values[vary] = r.sweep->points.front();
    }
    if (const std::string* quality = c.get("quality")) {
        if (pair) return usage("quality", "--quality goes with steam saturation");
        std::string error;
        const auto x = parseQualityFraction("--quality", *quality, error);
        if (!x) return usage("quality", error);
        if (*x < 0.0 || *x > 1.0)
            return usage("quality", "--quality: '" + *quality + "' is outside 0 to 1 (0% to 100%)");
        s.qualityFraction = *x;
    }
    s.temperatureUnit = temperatureUnitIndex(tUnit);
    s.pressureUnit = pUnit;

    const std::size_t wanted = pair ? 2 : 1;
    if (s.values.size() != wanted) {
        return usage("", pair ? "steam state: give two of --temperature, --pressure, "
                                "--enthalpy, --volume"
                              : "steam saturation: give one of --temperature, --pressure, "
                                "--enthalpy, --internal-energy, --volume");
    }
    if (pair && s.values.count("enthalpy") != 0 && s.values.count("volume") != 0)
        return usage("volume", "steam state: enthalpy and volume cannot be given together");
    if (s.qualityFraction && s.values.count("temperature") == 0 && s.values.count("pressure") == 0)
        return usage("quality", "--quality goes with --temperature or --pressure");
    return std::nullopt;
}

}  // namespace

bool isCommand(const std::string& command) {
    return command == "compounds" || command == "steam saturation" || command == "steam state" ||
           findCompoundPage(command) != nullptr;
}

namespace {
std::vector<std::string> listOptions(const std::string& command) {
    if (command == "compounds") return {"page", "search"};
    if (command == "steam saturation")
        return {"temperature",   "pressure", "enthalpy", "internal-energy",
                "volume",        "quality",  "system",   "temperature-unit",
                "pressure-unit", "vary",     "from",     "to",
                "step"};
    if (command == "steam state")
        return {"temperature",   "pressure", "enthalpy", "volume", "system", "temperature-unit",
                "pressure-unit", "vary",     "from",     "to",     "step"};
    const CompoundPageSpec* page = findCompoundPage(command);
    if (page == nullptr) return {};
    std::vector<std::string> names{"compound"};
    if (!page->computes()) return names;
    if (page->hasPhases()) names.insert(names.end(), {"phase", "basis"});
    if (page->hasReference()) names.emplace_back("reference");
    if (page->page == PageKind::VaporPressure) names.emplace_back("pressure-unit");
    names.insert(names.end(), {"temperature", "unit", "from", "to", "step"});
    return names;
}
}  // namespace

const std::vector<std::string>& optionsOf(const std::string& command) {
    // Asked for every batch line: the lists are made once.
    static std::map<std::string, std::vector<std::string>> cache;
    auto it = cache.find(command);
    if (it == cache.end()) it = cache.emplace(command, listOptions(command)).first;
    return it->second;
}

std::variant<Request, Failure> parseRequest(const std::string& command, const Options& options) {
    if (!isCommand(command))
        return usage("command", "unknown command \"" + command +
                                    "\" (physical, heat-capacity, enthalpy, density, "
                                    "vapor-pressure, steam saturation, steam state, compounds)");
    const std::vector<std::string>& known = optionsOf(command);
    for (const auto& [name, value] : options) {
        const bool ok =
            std::find(known.begin(), known.end(), name) != known.end() ||
            std::find(kOutputOptions.begin(), kOutputOptions.end(), name) != kOutputOptions.end();
        if (!ok) return usage(name, command + " takes no option \"" + name + "\"");
    }
    Checker c(options);
    Request r;
    parseOutput(c, r.output);
    if (c.failure) return *c.failure;
    std::optional<Failure> failure;
    if (command == "compounds") {
        r.kind = Request::Kind::List;
        r.listPage =
            c.choice("page", {"physical", "heat-capacity", "enthalpy", "density", "vapor-pressure"},
                     "physical");
        if (const std::string* s = c.get("search")) r.search = *s;
        failure = c.failure;
    } else if (command.rfind("steam ", 0) == 0) {
        r.kind = Request::Kind::Steam;
        failure = parseSteam(c, command == "steam state", r);
        // JSON answers have no use for the printed labels.
        r.steam.labels =
            !r.output.json && !(r.sweep && r.output.tableFormat == TableFormat::JsonLines);
    } else {
        r.kind = Request::Kind::Compound;
        r.page = findCompoundPage(command);
        failure = parseCompound(c, *r.page, r);
    }
    if (failure) return *failure;
    return r;
}

}  // namespace chemeng::cli
