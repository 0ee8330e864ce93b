#include "ui/dialogs/settings/RunSettingsDialog.h"

#include "app/MainModel.h"
#include "ui/dialogs/settings/SettingsDialog.h"
#include "ui/toolkit/PageResources.h"

namespace {

const int kSettingsPage = 134;

}  // namespace

boost::shared_ptr<Quorvane::Config> RunSettingsDialog(HWND owner, const boost::shared_ptr<MainModel>& model,
                                                      SettingsTab initialTab)
{
    const unsigned char* page = 0;
    UINT size = 0;
    if (!model || !model->GetConfig() ||
        !LoadHtmlResource(GetModuleHandleW(0), MAKEINTRESOURCEW(kSettingsPage), &page, &size))
        return boost::shared_ptr<Quorvane::Config>();
    SettingsDialog dialog(owner, model);
    if (initialTab != SettingsTab::Default)
        dialog.SetInitialTab(static_cast<int>(initialTab));
    if (dialog.do_modal(page, size) != htmlayout::dialog::kResultOk)
        return boost::shared_ptr<Quorvane::Config>();
    return dialog.GetConfig();
}
