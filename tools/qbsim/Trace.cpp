#include "tools/qbsim/Trace.h"

#include <windows.h>

#include "core/TextCodec.h"

namespace QbSim {

namespace {

// Opened and closed for each line, so a reader in another process sees it at once.
void AppendLine(const std::wstring& path, const std::wstring& line)
{
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    Quorvane::WideToUtf8 bytes(line + L"\n");
    DWORD written = 0;
    WriteFile(file, bytes.c_str(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

void TraceLog::Add(const std::wstring& line)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_lines.push_back(line);
    if (!m_mirror.empty())
        AppendLine(m_mirror, line);
}

void TraceLog::MirrorTo(const std::wstring& path)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_mirror = path;
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
