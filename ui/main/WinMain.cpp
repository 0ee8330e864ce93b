// The program's entry: the main window, then the application's life over it.
#include <windows.h>

#include <boost/shared_ptr.hpp>

#include "app/Application.h"
#include "ui/main/MainView.h"
#include "ui/main/ProgramDialogs.h"

namespace {

// The window is made only once the view reaches the controller and the model.
bool CreateMainWindow(MainView& view, HINSTANCE instance, int showCommand)
{
    view.InitInstance(instance, showCommand);
    if (view.GetHwnd())
        return true;
    MessageBoxW(nullptr, L"The main window could not be created.", L"Quorvane Pellworth", MB_OK | MB_ICONERROR);
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    boost::shared_ptr<MainView> view(new MainView());
    ProgramDialogs dialogs;
    SetDialogRunner(&dialogs);
    const int result = RunApplication(view, [&] { return CreateMainWindow(*view, instance, showCommand); });
    SetDialogRunner(nullptr);
    return result;
}
