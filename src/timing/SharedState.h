#pragma once

#include "timing/Value.h"

#include <QtGlobal>

namespace veltrin {

// The seven variables through which the program's windows talk to one another.
// The welcome window holds them for the whole run; the other windows reach them
// through these get and set operations.
class SharedState {
public:
    // 1 while the message window is loaded.
    Value msgsw() const { return m_msgsw; }
    void setMsgsw(Value v) { m_msgsw = v; }

    // 0 while the welcome window may still open the exam window by itself.
    qint16 switch1() const { return m_switch1; }
    void setSwitch1(qint16 v) { m_switch1 = v; }

    // Time of day at which the running exam started.
    float tasktime() const { return m_tasktime; }
    void setTasktime(float v) { m_tasktime = v; }

    // 1 while an exam's clock runs.
    Value tasksw() const { return m_tasksw; }
    void setTasksw(Value v) { m_tasksw = v; }

    // Whole-second count last shown on the exam window.
    Value lasttime() const { return m_lasttime; }
    void setLasttime(Value v) { m_lasttime = v; }

    // Elapsed time of the running exam, fraction included.
    Value interval() const { return m_interval; }
    void setInterval(Value v) { m_interval = v; }

    // 1 once the exam's time limit has been reached.
    Value timeexp() const { return m_timeexp; }
    void setTimeexp(Value v) { m_timeexp = v; }

    // The values the welcome window's load gives them; interval and timeexp
    // stay empty until an exam uses them.
    void setStartValues();

private:
    Value m_msgsw;
    qint16 m_switch1 = 0;
    float m_tasktime = 0.0F;
    Value m_tasksw;
    Value m_lasttime;
    Value m_interval;
    Value m_timeexp;
};

} // namespace veltrin
