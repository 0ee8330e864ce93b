#include "tools/qbsim/CompanyStore.h"

#include <functional>
#include <stdexcept>

#include "core/FileContents.h"
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

// A company file is small; anything this large is not one.
const size_t kMaxCompanyBytes = 1u << 30;

ULONGLONG FileSize(const WIN32_FILE_ATTRIBUTE_DATA& stamp)
{
    return (static_cast<ULONGLONG>(stamp.nFileSizeHigh) << 32) | stamp.nFileSizeLow;
}

// Serialises the processes that share one company file (two copies of the demo, say), so a
// change read from the file is never lost to another process's save.
class FileLock {
public:
    explicit FileLock(const std::wstring& path) : m_mutex(0)
    {
        if (path.empty())
            return;
        m_mutex = CreateMutexW(0, FALSE, CompanyFileLockName(path).c_str());
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

std::wstring CompanyFileLockName(const std::wstring& path)
{
    return L"Local\\qbsim-company-" + std::to_wstring(std::hash<std::wstring>()(Quorvane::ToLower(path)));
}

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
    if (CompareFileTime(&stamp.ftLastWriteTime, &m_seenWrite) == 0 && FileSize(stamp) == m_seenSize)
        return;
    std::string bytes;
    Quorvane::FileReadResult read = Quorvane::ReadFileContents(m_path, kMaxCompanyBytes, bytes);
    if (read == Quorvane::FileMissing)
        return;
    // Carrying on with the company in memory would let the next save overwrite the file.
    if (read == Quorvane::FileUnreadable)
        throw std::runtime_error("qbsim: cannot read the company file");
    Quorvane::Utf8ToWide text(bytes.data(), static_cast<int>(bytes.size()));
    m_company.reset(new Company(Json::Parse(std::wstring(text.c_str(), text.size()))));
    m_seenWrite = stamp.ftLastWriteTime;
    m_seenSize = FileSize(stamp);
}

void CompanyStore::Save()
{
    if (m_path.empty())
        return;
    // Written beside the file and moved over it, so a reader or a crash never sees half a company.
    Quorvane::WideToUtf8 bytes(m_company->ToJson().Write());
    if (!Quorvane::ReplaceFileContents(m_path, std::string(bytes.c_str(), bytes.size())))
        throw std::runtime_error("qbsim: cannot replace the company file");
    WIN32_FILE_ATTRIBUTE_DATA stamp;
    if (FileStamp(stamp)) {
        m_seenWrite = stamp.ftLastWriteTime;
        m_seenSize = FileSize(stamp);
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
