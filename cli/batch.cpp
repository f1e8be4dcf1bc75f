#include "cli/batch.h"

#include <array>
#include <charconv>
#include <istream>
#include <ostream>
#include <variant>

#include "cli/runner.h"

namespace chemeng::cli {

namespace {

std::string numberText(double value) {
    std::array<char, 64> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string();
}

// A line's answer: the JSON object body, with the line's id first.
std::string withId(const nlohmann::json* id, const std::string& body) {
    if (id == nullptr) return body;
    std::string line = "{\"id\":";
    line.reserve(body.size() + 32);
    line += id->dump();
    if (body.size() > 2) {
        line.push_back(',');
        line.append(body, 1);
    } else {
        line.push_back('}');
    }
    return line;
}

std::string errorLine(const nlohmann::json* id, int status, const std::string& message,
                      const std::string& field = {}) {
    return withId(id, failureJson(Failure{status, message, field, ""}));
}

}  // namespace

bool batchOptions(const nlohmann::json& line, std::string& command, Options& options,
                  std::string& error) {
    const auto commandIt = line.find("command");
    if (commandIt == line.end() || !commandIt->is_string()) {
        error = "a line needs \"command\", for example \"vapor-pressure\" or \"steam saturation\"";
        return false;
    }
    command = commandIt->get<std::string>();
    for (const auto& [key, value] : line.items()) {
        if (key == "command" || key == "id") continue;
        std::string name = key;
        for (char& c : name) {
            if (c == '_') c = '-';
        }
        if (value.is_string()) {
            options[name] = value.get<std::string>();
        } else if (value.is_number()) {
            options[name] = numberText(value.get<double>());
        } else if (value.is_boolean()) {
            if (value.get<bool>()) options[name] = "true";
        } else {
            error = "\"" + key + "\" must be a number, a text or true/false";
            return false;
        }
    }
    return true;
}

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, Runner& runner) {
    std::string line;
    long lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
        if (request.is_discarded() || !request.is_object()) {
            out << errorLine(nullptr, kUsage,
                             "line " + std::to_string(lineNumber) + " is not a JSON object")
                << '\n';
            continue;
        }
        const auto idIt = request.find("id");
        const nlohmann::json* id = idIt == request.end() ? nullptr : &*idIt;
        std::string command, error;
        Options options;
        if (!batchOptions(request, command, options, error)) {
            out << errorLine(id, kUsage, error) << '\n';
            continue;
        }
        auto parsed = parseRequest(command, options);
        if (const Failure* failure = std::get_if<Failure>(&parsed)) {
            out << errorLine(id, failure->status, failure->message, failure->field) << '\n';
            continue;
        }
        Request checked = std::get<Request>(std::move(parsed));
        checked.output.json = true;  // every answer is a JSON line
        checked.output.tableFormat = TableFormat::JsonLines;
        checked.steam.labels = false;
        const std::vector<Answer> answers = runner.evaluate(checked);
        for (const std::string& message : runner.takeLoadMessages())
            err << "chemeng-cli: " << message << '\n';
        out << withId(id, answersJson(checked, answers)) << '\n';
    }
    return in.bad() ? kPageMessage : kOk;
}

}  // namespace chemeng::cli
