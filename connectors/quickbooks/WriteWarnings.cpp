#include "connectors/quickbooks/WriteWarnings.h"

namespace Quorvane {
namespace Connectors {

namespace {

thread_local WriteWarnings* t_currentWarnings = NULL;

}  // namespace

void WriteWarnings::Add(const std::wstring& text)
{
    CriticalSectionLock lock(m_lock);
    m_texts.push_back(text);
}

std::vector<std::wstring> WriteWarnings::Take()
{
    CriticalSectionLock lock(m_lock);
    std::vector<std::wstring> texts;
    texts.swap(m_texts);
    return texts;
}

WriteWarningScope::WriteWarningScope(WriteWarnings& target) : m_previous(t_currentWarnings)
{
    t_currentWarnings = &target;
}

WriteWarningScope::~WriteWarningScope()
{
    t_currentWarnings = m_previous;
}

void ReportWriteWarning(const std::wstring& text)
{
    if (t_currentWarnings)
        t_currentWarnings->Add(text);
}

}  // namespace Connectors
}  // namespace Quorvane
