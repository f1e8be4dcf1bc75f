#include "cli/batch.h"

#include <istream>
#include <sstream>

#include "cli/cli_app.h"
#include "framework/number_format.h"

namespace chemeng::cli {

namespace {

std::string trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

}  // namespace

std::vector<std::string> batchArguments(const nlohmann::ordered_json& request, std::string& error) {
    if (!request.is_object()) {
        error = "a request must be a JSON object";
        return {};
    }
    const auto command = request.find("command");
    if (command == request.end() || !command->is_string()) {
        error =
            "a request needs \"command\", for example \"vapor-pressure\" or \"steam saturation\"";
        return {};
    }
    std::vector<std::string> args;
    std::istringstream words(command->get<std::string>());
    for (std::string word; words >> word;) args.push_back(word);
    if (args.empty() || args.front() == "batch") {
        error = "unknown command \"" + command->get<std::string>() + "\"";
        return {};
    }
    if (const auto compound = request.find("compound"); compound != request.end()) {
        if (!compound->is_string()) {
            error = "\"compound\" must be a text";
            return {};
        }
        args.push_back(compound->get<std::string>());
    }
    for (const auto& [key, value] : request.items()) {
        if (key == "command" || key == "compound") continue;
        if (value.is_boolean()) {
            if (value.get<bool>()) args.push_back("--" + key);
        } else if (value.is_number()) {
            args.push_back("--" + key);
            args.push_back(formatGeneral(value.get<double>()));
        } else if (value.is_string()) {
            args.push_back("--" + key);
            args.push_back(value.get<std::string>());
        } else {
            error = "\"" + key + "\" must be a number, a text or true/false";
            return {};
        }
    }
    return args;
}

int runBatch(std::istream& in, std::ostream& out, std::ostream& err, const std::string& dataDir) {
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        nlohmann::ordered_json answer;
        const nlohmann::ordered_json request = nlohmann::ordered_json::parse(line, nullptr, false);
        std::string error;
        std::vector<std::string> args;
        if (request.is_discarded()) {
            error = "line " + std::to_string(lineNumber) + " is not JSON";
        } else {
            args = batchArguments(request, error);
        }
        if (!error.empty()) {
            err << "chemeng-cli batch: " << error << '\n';
            answer = {{"error", error}};
        } else {
            args.push_back("--json");
            std::ostringstream commandOut, commandErr;
            std::istringstream noInput;
            const int status = runCli(args, commandOut, commandErr, noInput, dataDir);
            if (status == kOk) {
                answer = nlohmann::ordered_json::parse(commandOut.str(), nullptr, false);
            } else {
                answer = {{"error", trimmed(commandErr.str())}, {"status", status}};
            }
        }
        out << answer.dump() << '\n';
    }
    return in.bad() ? kPageMessage : kOk;
}

}  // namespace chemeng::cli
