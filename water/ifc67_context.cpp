#include "water/ifc67_context.h"

namespace chemeng {

void Ifc67Context::startSolve() {
    m_formulationError = false;
    m_memory.clearFlags();
}

void Ifc67Context::show(const std::string& message) const {
    if (m_sink) {
        m_sink(message);
    }
}

}  // namespace chemeng
