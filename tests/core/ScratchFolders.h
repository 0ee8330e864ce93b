#pragma once
// Every test of this executable works in a scratch folder: the known folders (settings, logs)
// point into one that exists for the whole run and is removed afterwards.
#include <string>

namespace TestSupport {

// The scratch root; the known folders lie below it.
const std::wstring& ScratchRoot();

// A fresh empty folder below the scratch root.
std::wstring NewScratchFolder(const std::wstring& name);

// Known folders that the system cannot give, until RestoreScratchFolders.
void UseNoKnownFolders();
void RestoreScratchFolders();

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

}  // namespace TestSupport
