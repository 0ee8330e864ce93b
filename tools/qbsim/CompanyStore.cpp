#include "tools/qbsim/CompanyStore.h"

#include <functional>
#include <stdexcept>
#include <vector>

#include "core/TextCodec.h"
#include "core/TextUtils.h"

namespace QbSim {

namespace {

std::wstring EnvironmentPath()
{
    wchar_t path[MAX_PATH * 2];
    DWORD length = GetEnvironmentVariableW(L"QBSIM_COMPANY", path, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(path, length) : std::wstring();
}

bool ReadFileText(const std::wstring& path, std::wstring& text)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, 0,
                              OPEN_EXISTING, 0, 0);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> bytes(GetFileSize(file, 0));
    DWORD read = 0;
    BOOL ok = bytes.empty() || ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, 0);
    CloseHandle(file);
    if (!ok || read != bytes.size())
        return false;
    Quorvane::Utf8ToWide wide(bytes.empty() ? "" : &bytes[0], static_cast<int>(bytes.size()));
    text.assign(wide.c_str(), wide.size());
    return true;
}

// Written beside the file and moved over it, so a reader or a crash never sees half a company.
void WriteFileAtomically(const std::wstring& path, const std::wstring& text)
{
    std::wstring temporary = path + L".tmp";
    Quorvane::WideToUtf8 bytes(text);
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("qbsim: cannot write the company file");
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.c_str(), static_cast<DWORD>(bytes.size()), &written, 0) && FlushFileBuffers(file);
    CloseHandle(file);
    if (!ok || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw std::runtime_error("qbsim: cannot replace the company file");
}

// Serialises the processes that share one company file (two copies of the demo, say), so a
// change read from the file is never lost to another process's save.
class FileLock {
public:
    explicit FileLock(const std::wstring& path) : m_mutex(0)
    {
        if (path.empty())
            return;
        std::wstring name = L"Local\\qbsim-company-" + std::to_wstring(std::hash<std::wstring>()(Quorvane::ToLower(path)));
        m_mutex = CreateMutexW(0, FALSE, name.c_str());
        if (m_mutex)
            WaitForSingleObject(m_mutex, INFINITE);
    }
    ~FileLock()
    {
        if (m_mutex) {
            ReleaseMutex(m_mutex);
            CloseHandle(m_mutex);
        }
    }

private:
    FileLock(const FileLock&);
    FileLock& operator=(const FileLock&);

    HANDLE m_mutex;
};

}  // namespace

CompanyStore::CompanyStore() : m_company(new Company()), m_seenWrite(), m_seenSize(0)
{
    UseFile(EnvironmentPath());
}

bool CompanyStore::FileStamp(WIN32_FILE_ATTRIBUTE_DATA& stamp) const
{
    return !m_path.empty() && GetFileAttributesExW(m_path.c_str(), GetFileExInfoStandard, &stamp);
}

void CompanyStore::ReloadIfChanged()
{
    WIN32_FILE_ATTRIBUTE_DATA stamp;
    if (!FileStamp(stamp))
        return;
    ULONGLONG size = (static_cast<ULONGLONG>(stamp.nFileSizeHigh) << 32) | stamp.nFileSizeLow;
    if (CompareFileTime(&stamp.ftLastWriteTime, &m_seenWrite) == 0 && size == m_seenSize)
        return;
    std::wstring text;
    if (!ReadFileText(m_path, text))
        return;
    m_company.reset(new Company(Json::Parse(text)));
    m_seenWrite = stamp.ftLastWriteTime;
    m_seenSize = size;
}

void CompanyStore::Save()
{
    if (m_path.empty())
        return;
    WriteFileAtomically(m_path, m_company->ToJson().Write());
    WIN32_FILE_ATTRIBUTE_DATA stamp;
    if (FileStamp(stamp)) {
        m_seenWrite = stamp.ftLastWriteTime;
        m_seenSize = (static_cast<ULONGLONG>(stamp.nFileSizeHigh) << 32) | stamp.nFileSizeLow;
    }
}

void CompanyStore::Use(const std::function<void(Company&)>& work)
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    FileLock shared(m_path);
    ReloadIfChanged();
    try {
        work(*m_company);
    } catch (...) {
        if (m_company->TakeChanged())
            Save();
        throw;
    }
    if (m_company->TakeChanged())
        Save();
}

void CompanyStore::Replace(const Json& company)
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    FileLock shared(m_path);
    m_company.reset(new Company(company));
    m_company->TakeChanged();
    Save();
}

Json CompanyStore::Snapshot()
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    FileLock shared(m_path);
    ReloadIfChanged();
    return m_company->ToJson();
}

void CompanyStore::UseFile(const std::wstring& path)
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    m_path = path;
    m_seenWrite = FILETIME();
    m_seenSize = 0;
    ReloadIfChanged();
}

}  // namespace QbSim
