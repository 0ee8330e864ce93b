#include "tools/programdriver/Program.h"

#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/TopWindows.h"

namespace driver {

const wchar_t kMainWindowClass[] = L"WIN32";
const wchar_t kDialogClass[] = L"#32770";
const wchar_t kProgramTitle[] = L"Quorvane Pellworth";
const wchar_t kSettingsTitle[] = L"Quorvane Pellworth - Settings";
const wchar_t kPreviewTitle[] = L"Quorvane Pellworth - Preview Import Results";
const wchar_t kMissingDataTitle[] = L"Quorvane Pellworth - Missing Data";

Program::Program(const std::wstring& executable, const EnvironmentAdditions& environment)
    : m_process(new ProgramProcess(executable, environment))
{
}

HWND Program::WaitForWindow(const std::wstring& className, const std::wstring& title, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitUntil(
        L"the window \"" + title + L"\" (" + className + L")",
        [&] {
            if (!m_process->Running())
                throw DriverError(L"the program ended (exit code " + std::to_wstring(m_process->ExitCode()) + L")");
            found = FindShownWindow(m_process->Id(), className, title);
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

PageWindow Program::MainWindow(DWORD timeoutMs)
{
    return PageWindow(WaitForWindow(kMainWindowClass, kProgramTitle, timeoutMs), m_query, m_input);
}

PageWindow Program::Dialog(const std::wstring& title, DWORD timeoutMs)
{
    return PageWindow(WaitForWindow(kDialogClass, title, timeoutMs), m_query, m_input);
}

HWND Program::NativeDialog(const std::wstring& title, DWORD timeoutMs)
{
    return WaitForWindow(kDialogClass, title, timeoutMs);
}

void Program::ClickButton(HWND dialog, const std::wstring& text)
{
    HWND button = FindChildByText(dialog, text);
    if (!button)
        throw DriverError(L"the dialog has no button \"" + text + L"\"; it shows:\n" + ChildTexts(dialog));
    RECT area = {};
    GetClientRect(button, &area);
    m_input.Click(button, POINT { area.right / 2, area.bottom / 2 });
}

void Program::WaitClosed(const std::wstring& className, const std::wstring& title, DWORD timeoutMs)
{
    WaitUntil(
        L"the window \"" + title + L"\" to close",
        [&] { return !m_process->Running() || !FindShownWindow(m_process->Id(), className, title); }, timeoutMs);
}

}  // namespace driver
