#pragma once
// The program under test, started as a process of its own, with its windows: the main window
// and the dialogs it opens, found by class and title among the process's shown windows.
#include <windows.h>

#include <memory>
#include <string>

#include "tools/programdriver/EngineQuery.h"
#include "tools/programdriver/PageWindow.h"
#include "tools/programdriver/PostedInput.h"
#include "tools/programdriver/ProgramProcess.h"

namespace driver {

// Window classes and titles of the program.
extern const wchar_t kMainWindowClass[];
extern const wchar_t kDialogClass[];
extern const wchar_t kProgramTitle[];
extern const wchar_t kSettingsTitle[];
extern const wchar_t kPreviewTitle[];
extern const wchar_t kMissingDataTitle[];

class Program {
public:
    Program(const std::wstring& executable, const EnvironmentAdditions& environment);

    ProgramProcess& Process() { return *m_process; }

    // Wait until the window is shown.
    PageWindow MainWindow(DWORD timeoutMs = kStepTimeoutMs);
    PageWindow Dialog(const std::wstring& title, DWORD timeoutMs = kStepTimeoutMs);
    // A native dialog (the close confirmation) and a click on its button with that text.
    HWND NativeDialog(const std::wstring& title, DWORD timeoutMs = kStepTimeoutMs);
    void ClickButton(HWND dialog, const std::wstring& text);
    // Until no shown window of the program has that class and title.
    void WaitClosed(const std::wstring& className, const std::wstring& title, DWORD timeoutMs = kStepTimeoutMs);

private:
    HWND WaitForWindow(const std::wstring& className, const std::wstring& title, DWORD timeoutMs);

    std::unique_ptr<ProgramProcess> m_process;
    EngineQuery m_query;
    PostedInput m_input;
};

}  // namespace driver
