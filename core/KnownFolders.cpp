#include "core/KnownFolders.h"

#include <windows.h>
#include <shlobj.h>

namespace Quorvane {

namespace {

KnownFolderProvider g_provider = 0;

// LocalLow does not exist before Vista, so the call is looked up at run time.
std::wstring LocalAppDataLow()
{
    typedef HRESULT(WINAPI * GetKnownFolderPathFunction)(REFGUID, DWORD, HANDLE, PWSTR*);
    static const GUID kLocalAppDataLow = {
        0xA520A1A4, 0x1780, 0x4FF6, { 0xBD, 0x18, 0x16, 0x73, 0x43, 0xC5, 0xAF, 0x16 }
    };
    std::wstring path;
    HMODULE shell = LoadLibraryW(L"Shell32.dll");
    if (!shell)
        return path;
    // Through void* because GetProcAddress's type says nothing about the function's.
    GetKnownFolderPathFunction getPath = reinterpret_cast<GetKnownFolderPathFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell, "SHGetKnownFolderPath")));
    PWSTR found = NULL;
    if (getPath && SUCCEEDED(getPath(kLocalAppDataLow, 0, NULL, &found)) && found)
        path = found;
    CoTaskMemFree(found);
    FreeLibrary(shell);
    return path;
}

std::wstring SpecialFolder(int csidl, BOOL create)
{
    wchar_t path[MAX_PATH] = {};
    return SHGetSpecialFolderPathW(NULL, path, csidl, create) ? path : L"";
}

std::wstring ShellFolder(KnownFolder folder)
{
    switch (folder) {
    case LocalAppDataLowFolder: return LocalAppDataLow();
    case LocalAppDataFolder: return SpecialFolder(CSIDL_LOCAL_APPDATA, FALSE);
    case AppDataFolder: return SpecialFolder(CSIDL_APPDATA, TRUE);
    case CommonDocumentsFolder: return SpecialFolder(CSIDL_COMMON_DOCUMENTS, TRUE);
    }
    return L"";
}

bool IsFolder(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring GetKnownFolderPath(KnownFolder folder)
{
    return g_provider ? g_provider(folder) : ShellFolder(folder);
}

void SetKnownFolderProvider(KnownFolderProvider provider)
{
    g_provider = provider;
}

bool CreateFolderTree(const std::wstring& path)
{
    if (path.empty())
        return false;
    SHCreateDirectoryExW(NULL, path.c_str(), NULL);
    return IsFolder(path);
}

}  // namespace Quorvane
