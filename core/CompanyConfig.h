#pragma once
// Where each QuickBooks company's settings file lives, and loading and saving it there.
#include <string>
#include <boost/shared_ptr.hpp>
#include "core/Config.h"

namespace Quorvane {

// "<LocalLow or local application data>\Quorvane\<escaped company>.conf", the folder created
// with its parents; empty when neither folder is known, so nothing lands in a drive's root.
std::wstring GetConfigFilePath(const std::wstring& companyName);

// Failures are noted in the connector log.
bool SaveConfig(const std::wstring& companyName, const boost::shared_ptr<Config>& config);
// False when there are no readable settings; the caller then uses the defaults. Throws
// SettingsFileUnavailableException when the file exists but cannot be opened.
bool LoadConfig(const std::wstring& companyName, const boost::shared_ptr<Config>& config);

}  // namespace Quorvane
