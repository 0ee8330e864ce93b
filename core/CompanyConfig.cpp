#include "core/CompanyConfig.h"

#include "core/ConfigFile.h"
#include "core/ConnectorLog.h"
#include "core/KnownFolders.h"
#include "core/TextUtils.h"

namespace Quorvane {

namespace {

std::wstring SettingsBaseFolder()
{
    std::wstring lowIntegrity = GetKnownFolderPath(LocalAppDataLowFolder);
    return lowIntegrity.empty() ? GetKnownFolderPath(LocalAppDataFolder) : lowIntegrity;
}

}  // namespace

std::wstring GetConfigFilePath(const std::wstring& companyName)
{
    std::wstring base = SettingsBaseFolder();
    if (base.empty())
        return L"";
    std::wstring folder = base + L"\\Quorvane";
    CreateFolderTree(folder);
    return folder + L"\\" + EscapeFileName(companyName) + L".conf";
}

bool SaveConfig(const std::wstring& companyName, const boost::shared_ptr<Config>& config)
{
    std::wstring path = GetConfigFilePath(companyName);
    if (!path.empty() && WriteConfigFile(path, config))
        return true;
    Logging::AppendToConnectorLog(L"The settings of \"" + companyName + L"\" could not be saved to \"" + path + L"\"");
    return false;
}

bool LoadConfig(const std::wstring& companyName, const boost::shared_ptr<Config>& config)
{
    std::wstring path = GetConfigFilePath(companyName);
    return !path.empty() && ReadConfigFile(path, config);
}

}  // namespace Quorvane
