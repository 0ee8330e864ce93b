#pragma once
// The process-wide company behind every session manager, under one lock. With a company file
// (QBSIM_COMPANY, or one chosen by a test) every change is appended to the journal beside it
// ("<file>.journal") before it is answered, and changes that other processes made are read
// from there; the file itself is replaced atomically, whole, when the journal has grown as
// large as the file and when a session ends.
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include <windows.h>

#include "tools/qbsim/Company.h"
#include "tools/qbsim/Journal.h"

namespace QbSim {

// The name of the mutex under which processes read and replace one company file. A test holds
// it to keep the program's next QuickBooks request waiting.
std::wstring CompanyFileLockName(const std::wstring& path);

class CompanyStore {
public:
    CompanyStore();

    // Runs `work` under the lock on the current company; journals what it changed.
    void Use(const std::function<void(Company&)>& work);
    // Replaces the company (and the file, when there is one).
    void Replace(const Json& company);
    Json Snapshot();
    // An empty path keeps the company in memory only; otherwise the file and its journal are
    // read (when they exist) and written from then on.
    void UseFile(const std::wstring& path);
    // Writes the file whole and empties the journal, when the journal holds anything.
    void Compact();

private:
    void ReloadIfChanged();
    void JournalChanges();
    void AppendToJournal(const Json& entry);
    std::wstring SeenFileStamp() const;
    void Save();
    bool FileStamp(WIN32_FILE_ATTRIBUTE_DATA& stamp) const;

    std::recursive_mutex m_lock;
    std::unique_ptr<Company> m_company;
    std::wstring m_path;
    QbSim::Journal m_journal;
    FILETIME m_seenWrite;
    ULONGLONG m_seenSize;
    bool m_journalApplies;  // to the file as last seen
};

// The company a file and its journal hold, as a simulator using the file would see it.
Json ReadCompanyFile(const std::wstring& path);

}  // namespace QbSim
