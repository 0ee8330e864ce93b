#include "ScratchFolder.h"

#include <windows.h>

#include <cwchar>

std::wstring ScratchFolder(Quorvane::KnownFolder folder)
{
    wchar_t path[MAX_PATH + 64];
    const DWORD length = GetTempPathW(MAX_PATH, path);
    swprintf(path + length, 64, L"pellworth-settings-%lu\\%ls", GetCurrentProcessId(),
             folder == Quorvane::CommonDocumentsFolder ? L"documents" : L"appdata");
    return path;
}
