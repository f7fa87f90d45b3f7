#include "timing/SharedState.h"

namespace veltrin {

void SharedState::setStartValues()
{
    m_msgsw = 0;
    m_switch1 = 0;
    m_tasktime = 0.0F;
    m_lasttime = 99;
    m_tasksw = 0;
}

} // namespace veltrin
