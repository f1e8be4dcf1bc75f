#include "cli/compound_commands.h"

namespace chemeng::cli {

CompoundSession::CompoundSession(const CompoundPageSpec& pageSpec,
                                 const std::filesystem::path& dataDir)
    : m_spec(pageSpec), m_runner(pageEntry(pageSpec.page), dataDir) {
    m_loadMessages = m_runner.takeMessages();
    m_compounds = listCompounds(m_runner.dialog(), pageSpec.picker);
}

std::optional<ChoiceError> CompoundSession::choose(const CompoundRequest& request) {
    const MatchResult match = matchCompound(m_compounds, request.compound);
    if (!match.choice) {
        if (match.ambiguous.empty()) {
            return ChoiceError{1, "no compound named \"" + request.compound + "\" on this page"};
        }
        std::string text = "\"" + request.compound + "\" matches several compounds:";
        for (const CompoundChoice& c : match.ambiguous)
            text += "\n  " + c.name + " (" + c.formula + ")";
        return ChoiceError{2, text};
    }
    HeadlessDialog& dialog = m_runner.dialog();
    dialog.choose(match.choice->controlId, match.choice->index);
    if (request.phase && m_spec.gasRadio != 0) {
        m_phase = *request.phase;
        dialog.click(m_phase == Phase::Gas ? m_spec.gasRadio : m_spec.liquidRadio);
    }
    if (m_spec.computes()) dialog.click(m_spec.unitRadios[request.unit]);
    m_runner.takeMessages();
    return std::nullopt;
}

Report CompoundSession::compute(const std::string& temperature, const std::string& reference) {
    HeadlessDialog& dialog = m_runner.dialog();
    dialog.type(m_spec.temperatureEdit, temperature);
    if (m_spec.referenceEdit != 0) dialog.type(m_spec.referenceEdit, reference);
    dialog.pressEnter();
    Report report = shown();
    for (const std::string& message : m_runner.takeMessages()) {
        report.message += (report.message.empty() ? "" : "; ") + message;
    }
    return report;
}

std::vector<FieldSpec> CompoundSession::shownFields() const {
    std::vector<FieldSpec> fields = m_spec.compoundFields;
    const auto& phaseFields = m_phase == Phase::Liquid ? m_spec.liquidFields : m_spec.gasFields;
    fields.insert(fields.end(), phaseFields.begin(), phaseFields.end());
    if (m_spec.computes()) {
        if (m_spec.referenceEdit != 0) fields.push_back(m_spec.referenceField);
        fields.push_back(m_spec.temperatureField);
        fields.push_back(m_spec.result);
    }
    return fields;
}

Report CompoundSession::shown() const {
    Report report;
    for (const FieldSpec& field : shownFields()) {
        report.fields.emplace_back(field.label, m_runner.dialogView().windowText(field.id));
    }
    return report;
}

std::vector<std::string> CompoundSession::pointLabels() const {
    std::vector<std::string> labels;
    if (m_spec.referenceEdit != 0) labels.emplace_back(m_spec.referenceField.label);
    labels.emplace_back(m_spec.temperatureField.label);
    labels.emplace_back(m_spec.result.label);
    return labels;
}

Report CompoundSession::pointValues(const Report& full) const {
    Report point;
    const auto labels = pointLabels();
    for (const auto& [label, value] : full.fields) {
        for (const std::string& wanted : labels) {
            if (label == wanted) point.fields.emplace_back(label, value);
        }
    }
    point.message = full.message;
    return point;
}

}  // namespace chemeng::cli
