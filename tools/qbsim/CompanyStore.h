#pragma once
// The process-wide company behind every session manager, under one lock. With a company file
// (QBSIM_COMPANY, or one chosen by a test) the store reads the file again when someone else
// changed it, and after every change replaces it atomically.
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include <windows.h>

#include "tools/qbsim/Company.h"

namespace QbSim {

// The name of the mutex under which processes read and replace one company file. A test holds
// it to keep the program's next QuickBooks request waiting.
std::wstring CompanyFileLockName(const std::wstring& path);

class CompanyStore {
public:
    CompanyStore();

    // Runs `work` under the lock on the current company; saves afterwards when it changed.
    void Use(const std::function<void(Company&)>& work);
    // Replaces the company (and the file, when there is one).
    void Replace(const Json& company);
    Json Snapshot();
    // An empty path keeps the company in memory only; otherwise the file is read (when it
    // exists) and written from then on.
    void UseFile(const std::wstring& path);

private:
    void ReloadIfChanged();
    void Save();
    bool FileStamp(WIN32_FILE_ATTRIBUTE_DATA& stamp) const;

    std::recursive_mutex m_lock;
    std::unique_ptr<Company> m_company;
    std::wstring m_path;
    FILETIME m_seenWrite;
    ULONGLONG m_seenSize;
};

}  // namespace QbSim
