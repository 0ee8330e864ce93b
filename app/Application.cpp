#include "app/Application.h"

#include <ole2.h>

#include "app/IMainView.h"
#include "app/MainController.h"
#include "app/MainModel.h"
#include "core/CompanyConfig.h"

namespace {

// OLE and COM for the UI thread, for as long as the program runs.
class ComScope {
public:
    ComScope()
    {
        OleInitialize(NULL);
        CoInitialize(NULL);
    }
    ~ComScope()
    {
        CoUninitialize();
        OleUninitialize();
    }
};

void SaveCurrentCompany(MainModel& model)
{
    Quorvane::CriticalSectionLock lock(model.GetLock());
    boost::shared_ptr<Quorvane::Config> config = model.GetConfig();
    if (config)
        Quorvane::SaveConfig(model.GetCompanyInformation(), config);
}

}  // namespace

int RunApplication(const boost::shared_ptr<IMainView>& view, const boost::function<bool()>& createWindow)
{
    ComScope com;
    boost::shared_ptr<MainModel> model(new MainModel());
    boost::shared_ptr<MainController> controller(new MainController(view, model));
    view->SetNotification(controller);
    view->SetModel(model);
    if (createWindow && !createWindow()) {
        controller->ReleaseViewAndModel();
        view->SetModel(boost::shared_ptr<MainModel>());
        view->SetNotification(boost::shared_ptr<IMainViewNotification>());
        return 1;
    }
    controller->Show(true);
    // The load ends first (a bounded wait), so it neither holds the model's lock during the save
    // nor posts to a view that is going away.
    controller->ReleaseViewAndModel();
    SaveCurrentCompany(*model);
    view->SetModel(boost::shared_ptr<MainModel>());
    view->SetNotification(boost::shared_ptr<IMainViewNotification>());
    return 0;
}
