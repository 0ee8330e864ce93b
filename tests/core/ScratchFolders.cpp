#include "ScratchFolders.h"

#include <windows.h>
#include <gtest/gtest.h>
#include "core/File.h"
#include "core/KnownFolders.h"

namespace TestSupport {

namespace {

std::wstring g_root;

std::wstring ScratchKnownFolder(Quorvane::KnownFolder folder)
{
    static const wchar_t* const kNames[] = { L"LocalLow", L"Local", L"Roaming", L"Public Documents" };
    return g_root + L"\\" + kNames[folder];
}

std::wstring NoKnownFolder(Quorvane::KnownFolder)
{
    return L"";
}

void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW found = {};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW(path.c_str());
            else if (name != L"." && name != L"..")
                RemoveTree(path);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

class ScratchEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        g_root = std::wstring(temp) + L"pellworth-test-" + std::to_wstring(GetCurrentProcessId());
        RemoveTree(g_root);  // left by a run that was killed
        CreateDirectoryW(g_root.c_str(), NULL);
        RestoreScratchFolders();
    }
    void TearDown() override
    {
        Quorvane::SetKnownFolderProvider(0);
        RemoveTree(g_root);
    }
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new ScratchEnvironment);

}  // namespace

const std::wstring& ScratchRoot()
{
    return g_root;
}

std::wstring NewScratchFolder(const std::wstring& name)
{
    std::wstring folder = g_root + L"\\" + name;
    RemoveTree(folder);
    Quorvane::CreateFolderTree(folder);
    return folder;
}

void UseNoKnownFolders()
{
    Quorvane::SetKnownFolderProvider(&NoKnownFolder);
}
void RestoreScratchFolders()
{
    Quorvane::SetKnownFolderProvider(&ScratchKnownFolder);
}

std::string ReadBytes(const std::wstring& path)
{
    Quorvane::File file;
    ULONGLONG size = 0;
    if (!file.Open(path, OPEN_EXISTING, Quorvane::File::ReadShared) || !file.GetSize(size))
        return "<unreadable>";
    std::string bytes(static_cast<size_t>(size), '\0');
    if (size > 0 && !file.Read(&bytes[0], static_cast<DWORD>(size)))
        return "<unreadable>";
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes)
{
    Quorvane::File file;
    ASSERT_TRUE(file.Open(path, CREATE_ALWAYS, Quorvane::File::ReadWrite));
    ASSERT_TRUE(file.Write(bytes.data(), static_cast<DWORD>(bytes.size())));
}

bool FileExists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace TestSupport
