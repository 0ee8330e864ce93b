#include "core/ConfigFile.h"

#include <windows.h>
#include <set>
#include "core/ConfigFileFormat.h"
#include "core/ConnectorLog.h"
#include "core/CriticalSection.h"
#include "core/Exceptions.h"
#include "core/FileContents.h"
#include "core/SystemMessage.h"

namespace Quorvane {

namespace {

// Far above any real settings file; keeps a damaged size from exhausting memory.
const size_t kMaxConfigFileBytes = 64 * 1024 * 1024;

// Unreadable settings files that could not be copied yet: none of them may be replaced
// before its copy exists.
class UnpreservedFiles {
public:
    void Add(const std::wstring& path)
    {
        CriticalSectionLock lock(m_lock);
        m_paths.insert(path);
    }

    // True when the file needs no copy or the copy was made now.
    bool EnsurePreserved(const std::wstring& path);

private:
    CriticalSection m_lock;
    std::set<std::wstring> m_paths;
};

UnpreservedFiles& Unpreserved()
{
    static UnpreservedFiles files;
    return files;
}

bool CopyToBad(const std::wstring& path)
{
    std::wstring copy = path + L".bad";
    if (!CopyFileW(path.c_str(), copy.c_str(), FALSE))
        return false;
    Logging::AppendToConnectorLog(L"Unreadable settings file " + path + L" was kept as " + copy);
    return true;
}

bool UnpreservedFiles::EnsurePreserved(const std::wstring& path)
{
    CriticalSectionLock lock(m_lock);
    if (m_paths.count(path) == 0)
        return true;
    if (!CopyToBad(path))
        return false;
    m_paths.erase(path);
    return true;
}

void PreserveUnreadable(const std::wstring& path)
{
    if (CopyToBad(path))
        return;
    Logging::AppendToConnectorLog(L"Unreadable settings file " + path +
                                  L" could not be copied yet; it is not replaced");
    Unpreserved().Add(path);
}

}  // namespace

bool WriteConfigFile(const std::wstring& path, const boost::shared_ptr<Config>& config)
{
    if (!config)
        return false;
    return Unpreserved().EnsurePreserved(path) && ReplaceFileContents(path, SerializeConfig(*config));
}

bool ReadConfigFile(const std::wstring& path, const boost::shared_ptr<Config>& config)
{
    std::string bytes;
    DWORD openError = 0;
    FileReadResult result = ReadFileContents(path, kMaxConfigFileBytes, bytes, &openError);
    if (openError != 0)
        throw SettingsFileUnavailableException(path, SystemMessage(openError));
    if (result == FileMissing || !config)
        return false;
    if (result == FileRead && ParseConfig(bytes, *config))
        return true;
    PreserveUnreadable(path);
    return false;
}

}  // namespace Quorvane
