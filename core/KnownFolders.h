#pragma once
// The user's and the machine's folders that settings and logs live in, behind one seam so that
// tests work in a scratch folder.
#include <string>

namespace Quorvane {

enum KnownFolder { LocalAppDataLowFolder, LocalAppDataFolder, AppDataFolder, CommonDocumentsFolder };

// Without a trailing backslash; empty when the system cannot give the folder.
std::wstring GetKnownFolderPath(KnownFolder folder);

typedef std::wstring (*KnownFolderProvider)(KnownFolder folder);
// Null restores the shell's folders.
void SetKnownFolderProvider(KnownFolderProvider provider);

// Creates the folder with every missing parent; true when it exists afterwards.
bool CreateFolderTree(const std::wstring& path);

}  // namespace Quorvane
