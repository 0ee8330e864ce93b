#pragma once
// The texts the load shows on the QuickBooks problem panel: captions are plain text,
// descriptions markup in which a "[Retry]" becomes the button that loads again.
#include <string>

extern const wchar_t* const kTimesheetOffCaption;
extern const wchar_t* const kTimesheetOffDescription;
extern const wchar_t* const kCannotConnectCaption;
extern const wchar_t* const kCannotConnectDescription;
extern const wchar_t* const kNoPayrollAccessCaption;
extern const wchar_t* const kNoPayrollAccessDescription;

// The company's settings file exists but cannot be opened; path and reason are plain text.
extern const wchar_t* const kSettingsFileCaption;
std::wstring SettingsFileDescription(const std::wstring& path, const std::wstring& reason);
