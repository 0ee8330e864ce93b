#pragma once
// Reading and writing one settings file. No settings are ever lost: a save replaces the file
// atomically, a file whose bytes are damaged is copied to "<path>.bad" before any save may
// replace it, and a file that cannot be opened at all stops the read.
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/Config.h"

namespace Quorvane {

// False when the file could not be written; the old file is then unchanged.
bool WriteConfigFile(const std::wstring& path, const boost::shared_ptr<Config>& config);

// False when the file is missing or its bytes are damaged; the object is then unchanged. Throws
// SettingsFileUnavailableException when the file exists but cannot be opened. The original
// file is never modified by a read.
bool ReadConfigFile(const std::wstring& path, const boost::shared_ptr<Config>& config);

}  // namespace Quorvane
