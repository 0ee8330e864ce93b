#include "FakeMainView.h"

#include <sstream>

#include "core/TextCodec.h"

using Quorvane::Narrow;

namespace {

std::string Join(const std::vector<std::string>& parts)
{
    std::string joined;
    for (size_t i = 0; i < parts.size(); ++i)
        joined += (i ? ", " : "") + parts[i];
    return joined;
}

std::string Number(int value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

}  // namespace

void FakeMainView::ShowLoginPanel(const ConnectionOptions& options, const std::wstring& caption,
                                  const std::wstring& error)
{
    Record("ShowLoginPanel", Join({ Narrow(options.url), Narrow(caption), Narrow(error) }));
}

void FakeMainView::Run(bool show)
{
    Record("Run", show ? "true" : "false");
    if (whileRunning)
        whileRunning(*this);
}

void FakeMainView::SetImportProgress(int done, int total)
{
    Record("SetImportProgress", Join({ Number(done), Number(total) }));
}
void FakeMainView::SetImportedWorkingTime(int minutes)
{
    Record("SetImportedWorkingTime", Number(minutes));
}
void FakeMainView::SetImportedLeaveTime(int minutes)
{
    Record("SetImportedLeaveTime", Number(minutes));
}

void FakeMainView::SetDataLoadProgress(const std::wstring& caption, int percent)
{
    Record("SetDataLoadProgress", Join({ Narrow(caption), Number(percent) }));
}

void FakeMainView::ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring&,
                             const std::wstring&, const std::wstring& customValue, int buttons)
{
    Record("ShowError", Join({ Narrow(title), Narrow(problem), Narrow(customValue), Number(buttons) }));
}

void FakeMainView::SetDateRange(const Quorvane::DateRange& range)
{
    Record("SetDateRange", Join({ Narrow(range.GetStart().ToString()), Narrow(range.GetEnd().ToString()),
                                  Number(range.GetRangeType()) }));
}

void FakeMainView::SetFirstDayOfWeek(int day)
{
    Record("SetFirstDayOfWeek", Number(day));
}

void FakeMainView::Record(const std::string& name, const std::string& arguments)
{
    Quorvane::CriticalSectionLock lock(m_lock);
    if (GetCurrentThreadId() != m_uiThread)
        ++m_wrongThreadCalls;
    m_calls.push_back(name + "(" + arguments + ")");
}

void FakeMainView::Record(const std::string& name, const std::wstring& argument)
{
    Record(name, Narrow(argument));
}

std::vector<std::string> FakeMainView::Calls()
{
    Quorvane::CriticalSectionLock lock(m_lock);
    return m_calls;
}

std::vector<std::string> FakeMainView::Take()
{
    Quorvane::CriticalSectionLock lock(m_lock);
    std::vector<std::string> taken(m_calls.begin() + m_taken, m_calls.end());
    m_taken = m_calls.size();
    return taken;
}

int FakeMainView::WrongThreadCalls()
{
    Quorvane::CriticalSectionLock lock(m_lock);
    return m_wrongThreadCalls;
}

bool PumpUntil(const boost::function<bool()>& done, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start >= milliseconds)
            return false;
        MSG message;
        while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        if (MsgWaitForMultipleObjectsEx(0, NULL, 50, QS_ALLINPUT, MWMO_ALERTABLE) == WAIT_TIMEOUT)
            SleepEx(1, TRUE);
    }
    return true;
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    PumpUntil([start, milliseconds]() { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}
