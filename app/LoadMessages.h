#pragma once
// The fixed texts the load shows on the QuickBooks problem panel. A "[Retry]" becomes the button
// that loads again.
extern const wchar_t* const kTimesheetOffCaption;
extern const wchar_t* const kTimesheetOffDescription;
extern const wchar_t* const kCannotConnectCaption;
extern const wchar_t* const kCannotConnectDescription;
extern const wchar_t* const kNoPayrollAccessCaption;
extern const wchar_t* const kNoPayrollAccessDescription;
