#include "water/ifc67_context.h"

namespace chemeng {

void Ifc67Context::startSolve() {
    m_formulationError = false;
    m_memory.clearFlags();
    m_failures.clear();
}

}  // namespace chemeng
