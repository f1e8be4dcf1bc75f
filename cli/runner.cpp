#include "cli/runner.h"

#include <ostream>
#include <utility>
#include <variant>

#include "framework/number_format.h"

namespace chemeng::cli {

namespace {

// The varied input of a table point as a field, labelled as the answer
// labels it, so that a point that got a message still shows where it was.
Field variedField(const Request& request, double point) {
    Field f{"", "", "", formatGeneral(point), point, false};
    const std::string& vary = request.sweep->vary;
    if (request.kind == Request::Kind::Compound) {
        f.key = "temperature";
        f.unit = temperatureUnitLabel(request.compound.unit);
        f.label = "Temperature (" + f.unit + ")";
        return f;
    }
    const SteamRequest& s = request.steam;
    const std::string energy = s.si ? "kJ/kg" : "Btu/lb";
    if (vary == "temperature") {
        f = {"temperature", "", temperatureUnitLabel(s.temperatureUnit), f.text, point, false};
        f.label = "Temperature (" + f.unit + ")";
    } else if (vary == "pressure") {
        f = {"pressure", "Pressure (" + s.pressureUnit + ")", s.pressureUnit, f.text, point, false};
    } else if (vary == "enthalpy") {
        f = {s.pair ? "vapor.enthalpy" : "liquid.enthalpy",
             std::string(s.pair ? "Vapor" : "Liquid") + " Specific Enthalpy (" + energy + ")",
             energy,
             f.text,
             point,
             false};
    } else if (vary == "internal-energy") {
        f = {"liquid.internal_energy",
             "Liquid Specific Internal Energy (" + energy + ")",
             energy,
             f.text,
             point,
             false};
    } else {
        const std::string volume = s.si ? "m³/kg" : "ft³/lb";
        f = {"vapor.volume", "Vapor Specific Volume (" + volume + ")", volume, f.text, point,
             false};
    }
    return f;
}

// A table row: the varied input first; for a compound page only what
// changes from point to point.
Answer tableRow(const Request& request, double point, Answer answer) {
    Field varied = variedField(request, point);
    Answer row;
    row.failure = answer.failure;
    if (answer.failure && request.kind == Request::Kind::Compound) {
        // The result's column stays in the table, empty for this point.
        const FieldSpec& result = request.page->result;
        const CompoundRequest& q = request.compound;
        std::string unit(result.unit);
        if (q.massBasis)
            unit = request.page->page == PageKind::HeatCapacities ? "J/(g·K)" : "kJ/kg";
        if (request.page->page == PageKind::VaporPressure) unit = q.pressureUnit;
        answer.fields.push_back({std::string(result.key),
                                 std::string(result.label) + " (" + unit + ")", unit, "",
                                 std::nullopt, false});
    }
    if (const Field* shown = answer.find(varied.key)) varied = *shown;
    row.fields.push_back(varied);
    for (Field& f : answer.fields) {
        if (f.key == varied.key) continue;
        if (request.kind == Request::Kind::Compound && f.key != "reference_temperature" &&
            f.key != request.page->result.key)
            continue;
        row.fields.push_back(std::move(f));
    }
    return row;
}

}  // namespace

Runner::Runner(std::filesystem::path dataDir)
    : m_dataDir(std::move(dataDir)), m_identifiers(CompoundIdentifiers::load(m_dataDir)) {}

std::vector<std::string> Runner::takeLoadMessages() {
    if (m_steam) {
        for (std::string& message : m_steam->loadMessages())
            m_loadMessages.push_back(std::move(message));
    }
    return std::exchange(m_loadMessages, {});
}

CompoundSession& Runner::compoundSession(const CompoundPageSpec& page) {
    auto& session = m_compounds[page.page];
    if (!session) {
        session = std::make_unique<CompoundSession>(page, m_dataDir, m_identifiers);
        for (const std::string& message : session->loadMessages())
            m_loadMessages.push_back(message);
    }
    return *session;
}

std::vector<Answer> Runner::evaluate(const Request& request) {
    switch (request.kind) {
        case Request::Kind::List:
            return compoundList(request);
        case Request::Kind::Steam:
            return steamAnswers(request);
        case Request::Kind::Compound:
            break;
    }
    return compoundAnswers(request);
}

std::vector<Answer> Runner::compoundList(const Request& request) {
    CompoundSession& session = compoundSession(*findCompoundPage(request.listPage));
    const std::string wanted = normalised(request.search);
    std::vector<Answer> list;
    for (const CompoundEntry& c : session.compounds()) {
        if (!wanted.empty() && normalised(c.name).find(wanted) == std::string::npos &&
            normalised(c.formula).find(wanted) == std::string::npos)
            continue;
        Answer a;
        a.fields = {
            {"name", "Name", "", c.name, std::nullopt, true},
            {"formula", "Formula", "", c.formula, std::nullopt, true},
            {"list", "List", "", c.miscellaneous ? "Miscellaneous" : "main", std::nullopt, true}};
        list.push_back(std::move(a));
    }
    return list;
}

std::vector<Answer> Runner::compoundAnswers(const Request& request) {
    CompoundSession& session = compoundSession(*request.page);
    const auto found = session.find(request.compound.compound);
    if (const Failure* failure = std::get_if<Failure>(&found)) return {Answer{{}, *failure}};
    const CompoundEntry& compound = std::get<CompoundEntry>(found);
    if (!request.sweep) return {session.answer(compound, request.compound)};
    std::vector<Answer> rows;
    CompoundRequest point = request.compound;
    for (double t : request.sweep->points) {
        point.temperature = t;
        rows.push_back(tableRow(request, t, session.answer(compound, point)));
    }
    return rows;
}

std::vector<Answer> Runner::steamAnswers(const Request& request) {
    if (!m_steam) m_steam = std::make_unique<SteamService>(m_dataDir);
    if (!request.sweep) return {m_steam->answer(request.steam)};
    SteamRequest point = request.steam;
    std::vector<Answer> rows;
    for (double value : request.sweep->points) {
        point.values[request.sweep->vary] = value;
        rows.push_back(tableRow(request, value, m_steam->answer(point)));
    }
    return rows;
}

int printAnswers(const Request& request, const std::vector<Answer>& answers, std::ostream& out,
                 std::ostream& err) {
    const OutputChoice& o = request.output;
    if (request.kind == Request::Kind::List) {
        if (o.json) {
            const std::string list = answersJson(request, answers);
            // {"compounds":[...]} -> [...]
            out << list.substr(13, list.size() - 14) << '\n';
        } else {
            for (const Answer& a : answers)
                out << a.fields[0].text << '\t' << a.fields[1].text << '\t' << a.fields[2].text
                    << '\n';
        }
        return kOk;
    }
    if (request.sweep) {
        Table table(o.tableFormat, o.style);
        for (const Answer& a : answers) table.add(a);
        table.print(out);
        return kOk;
    }
    const Answer& answer = answers.front();
    if (answer.failure) {
        if (o.json) {
            out << failureJson(*answer.failure) << '\n';
        } else {
            err << failureText(*answer.failure) << '\n';
        }
        return answer.failure->status;
    }
    if (o.json) {
        out << answerJson(answer) << '\n';
    } else {
        printText(answer, o.style, out);
    }
    return kOk;
}

std::string answersJson(const Request& request, const std::vector<Answer>& answers) {
    if (request.kind == Request::Kind::List || request.sweep) {
        std::string out = request.sweep ? "{\"rows\":[" : "{\"compounds\":[";
        for (std::size_t i = 0; i < answers.size(); ++i)
            out += (i > 0 ? "," : "") + answerJson(answers[i]);
        return out + "]}";
    }
    if (answers.front().failure) return failureJson(*answers.front().failure);
    return answerJson(answers.front());
}

}  // namespace chemeng::cli
