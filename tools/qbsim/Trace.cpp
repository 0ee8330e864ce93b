#include "tools/qbsim/Trace.h"

namespace QbSim {

void TraceLog::Add(const std::wstring& line)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_lines.push_back(line);
}

std::vector<std::wstring> TraceLog::Lines()
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_lines;
}

void TraceLog::Clear()
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_lines.clear();
}

}  // namespace QbSim
