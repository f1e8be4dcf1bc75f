#include "framework/bindings.h"

#include "framework/dialog.h"
#include "framework/number_format.h"

namespace chemeng {

void Bindings::bind(int controlId, const std::string* text) {
    m_bindings.push_back({controlId, text});
}

void Bindings::bind(int controlId, const double* value) {
    m_bindings.push_back({controlId, value});
}

void Bindings::push(Dialog& dialog) const {
    for (const Binding& binding : m_bindings) {
        if (const auto* text = std::get_if<const std::string*>(&binding.member)) {
            dialog.setWindowText(binding.controlId, **text);
        } else {
            dialog.declareNumberField(binding.controlId);
            dialog.setWindowText(binding.controlId,
                                 formatGeneral(*std::get<const double*>(binding.member)));
        }
    }
}

}  // namespace chemeng
