#include "RecordingView.h"

using Quorvane::CriticalSectionLock;

std::vector<std::wstring> RecordingView::Calls() const
{
    CriticalSectionLock lock(m_lock);
    return m_calls;
}

std::vector<std::wstring> RecordingView::CallsStartingWith(const std::wstring& prefix) const
{
    std::vector<std::wstring> found;
    const std::vector<std::wstring> calls = Calls();
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i].compare(0, prefix.size(), prefix) == 0)
            found.push_back(calls[i]);
    return found;
}

void RecordingView::ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                              const std::wstring& furtherActions, const std::wstring& customValue, int buttons)
{
    Record(L"ShowError " + title + L" | " + problem + L" | " + reason + L" | " + furtherActions + L" | " + customValue +
           L" | " + std::to_wstring(buttons));
}

void RecordingView::SetImportProgress(int done, int total)
{
    Record(L"SetImportProgress " + std::to_wstring(done) + L"/" + std::to_wstring(total));
}

void RecordingView::ShowAbsentTimeTrack(bool billedConflicts)
{
    Record(std::wstring(L"ShowAbsentTimeTrack ") + (billedConflicts ? L"billed" : L"none billed"));
}

void RecordingView::Record(const std::wstring& call)
{
    CriticalSectionLock lock(m_lock);
    m_calls.push_back(call);
}
