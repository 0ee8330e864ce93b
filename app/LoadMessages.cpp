#include "app/LoadMessages.h"

#include "app/HtmlEscape.h"

const wchar_t* const kTimesheetOffCaption = L"Quorvane Pellworth needs the timesheet to be turned on";
const wchar_t* const kTimesheetOffDescription =
    L"Please turn on the timesheet for current company file and [Retry].<br>"
    L"You may do it the following way:<br> 1. Open the \x2018"
    L"Edit\x2019 menu, click on \x2018"
    L"Preferences\x2019<br>"
    L"  2. Select \x2018Time & Expenses\x2019 in the list<br>  3. Select \x2018"
    L"Company Preferences\x2019 tab<br>"
    L"  4. Select \x2018Yes\x2019 for \x2018"
    L"Do you track time?\x2019 question";

const wchar_t* const kCannotConnectCaption = L"Cannot Connect to QuickBooks";
const wchar_t* const kCannotConnectDescription =
    L"Either QuickBooks is not started, or there is a pop-up dialog open (e.g.Preferences).<br/>"
    L"Please run QuickBooks, make sure that no pop-up dialogs are open, and click [Retry].";

const wchar_t* const kNoPayrollAccessCaption = L"Cannot Get Payroll Information from QuickBooks";
const wchar_t* const kNoPayrollAccessDescription =
    L"This information is required to configure import parameters.<br><br>"
    L"Please allow this application to access personal data in QuickBooks<br>"
    L"by following the instructions below.<br><br>"
    L"1. Open QuickBooks, go to the <b>Edit</b> menu, and click <b>Preferences</b>.<br>"
    L"2. Click <b>Integrated Applications</b> in the list on the left<br>"
    L"3. On the <b>Company Preferences</b> tab select <b>Quorvane Pellworth</b><br>"
    L"4. Click <b>Properties...</b> button and set checkbox <b>Allow this application to access...</b><br>"
    L"5. Click <b>OK</b> to save your changes and close the <b>Properties</b> window<br>"
    L"6. Click <b>OK</b> to save your changes and close the <b>Preferences</b> window<br>"
    L"7. Click [Retry].";

const wchar_t* const kSettingsFileCaption = L"Cannot Open the Settings of This Company";

std::wstring SettingsFileDescription(const std::wstring& path, const std::wstring& reason)
{
    return L"Quorvane Pellworth cannot open its settings file<br>\x2018" + HtmlEscape(path) + L"\x2019:<br>" +
           HtmlEscape(reason) +
           L"<br><br>The file is left as it is. Please close the program that holds it, or make sure your Windows "
           L"account may read and change it, and click [Retry].";
}
