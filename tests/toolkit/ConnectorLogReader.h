#pragma once
// The connector log of this test run, which lies in the run's scratch folders.
#include <string>

#include "../core/ScratchFolders.h"

inline std::string ReadConnectorLog()
{
    return TestSupport::ReadBytes(TestSupport::ScratchRoot() + L"\\Roaming\\Quorvane\\logs\\QBConLog.txt");
}
