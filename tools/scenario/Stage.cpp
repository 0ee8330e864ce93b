#include "tools/scenario/Stage.h"

#include <windows.h>
#include <shellapi.h>

#include "core/CompanyConfig.h"
#include "core/KnownFolders.h"
#include "core/TextUtils.h"
#include "tools/programdriver/DriverError.h"
#include "tools/scenario/SimulatedCompany.h"

namespace scenario {

namespace {

// SHFileOperation wants a list ending in two nulls.
void RemoveTree(const std::wstring& path)
{
    std::wstring list = path + L'\0';
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    operation.fFlags = FOF_NO_UI;
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES)
        SHFileOperationW(&operation);
}

}  // namespace

Stage::Stage(const std::wstring& folder, const std::wstring& companyTemplate)
    : m_folder(folder), m_companyFile(folder + L"\\company.json"), m_traceFile(folder + L"\\qbsim-trace.txt")
{
    RemoveTree(m_folder);
    if (!Quorvane::CreateFolderTree(m_folder) || !CopyFileW(companyTemplate.c_str(), m_companyFile.c_str(), FALSE))
        throw driver::DriverError(L"cannot make a fresh company file in " + m_folder);
    m_companyName = SimulatedCompany(m_companyFile).Name();
    DeleteFileW(SettingsFile().c_str());
    RemoveTree(ImportLogFolder());
}

std::wstring Stage::SettingsFile() const
{
    return Quorvane::GetConfigFilePath(m_companyName);
}

std::wstring Stage::ImportLogFolder() const
{
    return Quorvane::GetKnownFolderPath(Quorvane::CommonDocumentsFolder) + L"\\Quorvane\\QB Import Logs\\Imported to " +
           Quorvane::EscapeFileName(m_companyName);
}

driver::EnvironmentAdditions Stage::ProgramEnvironment() const
{
    return { { L"QBSIM_COMPANY", m_companyFile }, { L"QBSIM_TRACE", m_traceFile } };
}

}  // namespace scenario
