#include "tools/qbsim/CompanyStore.h"

#include <algorithm>
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
// Below this the journal is left to grow, however small the file.
const ULONGLONG kLeastJournalToCompact = 1u << 20;
const wchar_t kFileMember[] = L"File";

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

CompanyStore::CompanyStore() : m_company(new Company()), m_seenWrite(), m_seenSize(0), m_journalApplies(true)
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
    if (FileStamp(stamp) &&
        (CompareFileTime(&stamp.ftLastWriteTime, &m_seenWrite) != 0 || FileSize(stamp) != m_seenSize)) {
        std::string bytes;
        Quorvane::FileReadResult read = Quorvane::ReadFileContents(m_path, kMaxCompanyBytes, bytes);
        // Carrying on with the company in memory would let the next save overwrite the file.
        if (read == Quorvane::FileUnreadable)
            throw std::runtime_error("qbsim: cannot read the company file");
        if (read == Quorvane::FileRead) {
            Quorvane::Utf8ToWide text(bytes.data(), static_cast<int>(bytes.size()));
            m_company.reset(new Company(Json::Parse(std::wstring(text.c_str(), text.size()))));
            m_company->ForgetChanges();
            m_seenWrite = stamp.ftLastWriteTime;
            m_seenSize = FileSize(stamp);
            m_journal.Rewind();
        }
    }
    for (const std::string& line : m_journal.ReadNew()) {
        Quorvane::Utf8ToWide text(line.data(), static_cast<int>(line.size()));
        Json entry = Json::Parse(std::wstring(text.c_str(), text.size()));
        if (entry.Has(kFileMember))
            m_journalApplies = entry.Get(kFileMember).AsString() == SeenFileStamp();
        else if (m_journalApplies)
            m_company->Apply(entry);
    }
}

// The journal begins with the stamp of the file it goes with: a file replaced by someone who
// knows nothing of the journal makes it void.
std::wstring CompanyStore::SeenFileStamp() const
{
    return std::to_wstring(m_seenSize) + L"/" + std::to_wstring(m_seenWrite.dwHighDateTime) + L"/" +
           std::to_wstring(m_seenWrite.dwLowDateTime);
}

void CompanyStore::AppendToJournal(const Json& entry)
{
    std::wstring line = entry.Write();
    line.erase(std::remove(line.begin(), line.end(), L'\n'), line.end());  // texts keep theirs escaped
    Quorvane::WideToUtf8 bytes(line);
    m_journal.Append(std::string(bytes.c_str(), bytes.size()));
}

void CompanyStore::JournalChanges()
{
    Json changes = m_company->TakeChanges();
    if (changes.IsNull() || m_path.empty())
        return;
    try {
        // A void journal is restarted only through a new file: other processes, which read it
        // as far as this one did, see the file change and read the new journal from its start.
        if (!m_journalApplies) {
            Save();
            m_journal.Clear();
            m_journalApplies = true;
            return;
        }
        if (m_journal.Size() == 0) {
            Json stamp = Json::MakeObject();
            stamp.Set(kFileMember, SeenFileStamp());
            AppendToJournal(stamp);
        }
        AppendToJournal(changes);
    } catch (...) {
        // The change was not kept: the next use reads the company as the files hold it.
        m_seenWrite = FILETIME();
        m_seenSize = 0;
        throw;
    }
    if (m_journal.Size() >= std::max<ULONGLONG>(m_seenSize, kLeastJournalToCompact))
        Compact();
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

void CompanyStore::Compact()
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    if (m_path.empty())
        return;
    FileLock shared(m_path);
    ReloadIfChanged();
    if (m_journal.Size() == 0)
        return;
    // Killed between the two steps, the journal no longer goes with the file (its stamp differs)
    // and is passed over.
    Save();
    m_journal.Clear();
}

void CompanyStore::Use(const std::function<void(Company&)>& work)
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    FileLock shared(m_path);
    ReloadIfChanged();
    try {
        work(*m_company);
    } catch (...) {
        JournalChanges();
        throw;
    }
    JournalChanges();
}

void CompanyStore::Replace(const Json& company)
{
    std::lock_guard<std::recursive_mutex> hold(m_lock);
    FileLock shared(m_path);
    m_company.reset(new Company(company));
    m_company->ForgetChanges();
    Save();
    m_journal.Clear();
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
    m_journal.UseFile(path.empty() ? path : path + L".journal");
    m_seenWrite = FILETIME();
    m_seenSize = 0;
    FileLock shared(m_path);
    ReloadIfChanged();
}

Json ReadCompanyFile(const std::wstring& path)
{
    CompanyStore store;
    store.UseFile(path);
    return store.Snapshot();
}

}  // namespace QbSim
