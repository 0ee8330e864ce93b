#pragma once
// Folders of this process's own for the settings file and logs, so a run never touches the
// user's real ones.
#include <string>

#include "core/KnownFolders.h"

std::wstring ScratchFolder(Quorvane::KnownFolder folder);
