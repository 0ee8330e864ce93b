#include "tools/qbsim/Journal.h"

#include <stdexcept>

namespace QbSim {

namespace {

bool Seek(HANDLE file, ULONGLONG offset)
{
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, at, 0, FILE_BEGIN) != FALSE;
}

ULONGLONG SizeOf(HANDLE file)
{
    LARGE_INTEGER size;
    return GetFileSizeEx(file, &size) ? static_cast<ULONGLONG>(size.QuadPart) : 0;
}

}  // namespace

void Journal::UseFile(const std::wstring& path)
{
    Close();
    m_path = path;
    m_read = 0;
}

bool Journal::Open(DWORD disposition)
{
    if (m_file != INVALID_HANDLE_VALUE)
        return true;
    if (m_path.empty())
        return false;
    m_file =
        CreateFileW(m_path.c_str(), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0, disposition, FILE_ATTRIBUTE_NORMAL, 0);
    return m_file != INVALID_HANDLE_VALUE;
}

void Journal::Close()
{
    if (m_file != INVALID_HANDLE_VALUE)
        CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

void Journal::CutAt(ULONGLONG size)
{
    if (!Seek(m_file, size) || !SetEndOfFile(m_file))
        throw std::runtime_error("qbsim: cannot cut the company journal");
}

std::vector<std::string> Journal::ReadNew()
{
    std::vector<std::string> lines;
    if (!Open(OPEN_EXISTING))
        return lines;
    ULONGLONG size = SizeOf(m_file);
    if (size <= m_read)
        return lines;
    std::string bytes(static_cast<size_t>(size - m_read), '\0');
    DWORD read = 0;
    if (!Seek(m_file, m_read) || !ReadFile(m_file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, 0) ||
        read != bytes.size())
        throw std::runtime_error("qbsim: cannot read the company journal");
    size_t start = 0;
    for (size_t end = bytes.find('\n'); end != std::string::npos; end = bytes.find('\n', start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    m_read += start;
    if (start < bytes.size())
        CutAt(m_read);
    return lines;
}

void Journal::Append(const std::string& line)
{
    if (!Open(OPEN_ALWAYS))
        throw std::runtime_error("qbsim: cannot open the company journal");
    std::string bytes = line + '\n';
    DWORD written = 0;
    if (!Seek(m_file, m_read) || !WriteFile(m_file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, 0) ||
        written != bytes.size()) {
        CutAt(m_read);
        throw std::runtime_error("qbsim: cannot write the company journal");
    }
    m_read += written;
}

void Journal::Clear()
{
    m_read = 0;
    if (Open(OPEN_EXISTING))
        CutAt(0);
}

}  // namespace QbSim
