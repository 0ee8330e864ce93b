// The program's entry: the main window, then the application's life over it.
#include <windows.h>

#include <boost/shared_ptr.hpp>

#include "app/Application.h"
#include "ui/main/MainView.h"
#include "ui/main/ProgramDialogs.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    boost::shared_ptr<MainView> view(new MainView());
    view->InitInstance(instance, showCommand);
    if (!view->GetHwnd()) {
        MessageBoxW(nullptr, L"The main window could not be created.", L"Quorvane Pellworth", MB_OK | MB_ICONERROR);
        return 1;
    }
    ProgramDialogs dialogs;
    SetDialogRunner(&dialogs);
    const int result = RunApplication(view);
    SetDialogRunner(nullptr);
    return result;
}
