#include "ui/dialogs/details/MissingDataDialog.h"

#include "app/MainModel.h"
#include "app/missing/MissingItemsController.h"
#include "core/Boundary.h"
#include "core/EmployeeDiff.h"
#include "core/Exceptions.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/MissingItemRules.h"
#include "ui/shared/ErrorPanel.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;
using namespace Quorvane;

namespace {

// The employees the import takes: mapped to an existing or to a new QuickBooks employee. An
// employee without a rule is left out.
bool IsImported(const Config& config, const EmployeeDiff& diff)
{
    try {
        const int state = config.GetEmployeeMappings()->GetBySource(diff.GetServerUser()->GetId())->GetState();
        return state == Mapping::Mapped || state == Mapping::CreateNew;
    } catch (const NotFoundException&) {
        return false;
    }
}

boost::shared_ptr<MissingItemStatusList> CollectStatuses(const boost::shared_ptr<MainModel>& model)
{
    const boost::shared_ptr<Config> config = model->GetConfig();
    const boost::shared_ptr<EmployeeDiffCollection> all = model->GetEmployeeDiffs();
    EmployeeDiffCollection imported;
    for (EmployeeDiffCollection::const_iterator diff = all->begin(); diff != all->end(); ++diff)
        if (IsImported(*config, **diff))
            imported.Add(*diff);
    MissingItemsController controller(model);
    return controller.ValidateMissingItems(*SortByKind(*controller.CollectAllMissingItems(imported)));
}

}  // namespace

MissingDataDialog::MissingDataDialog(HWND parent, const boost::shared_ptr<MainModel>& model)
    : htmlayout::dialog(parent),
      m_model(model),
      m_table(model, MissingItemsTable::DialogLayout),
      m_listingFailed(false),
      m_dataChanged(false)
{
    style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    try {
        m_table.SetStatuses(CollectStatuses(model));
    } catch (...) {
        LogCurrentException(L"Listing the missing items");
        m_listingFailed = true;
    }
}

LRESULT MissingDataDialog::on_document_complete()
{
    SetWindowTextW(hwnd, L"Quorvane Pellworth - Missing Data");
    element root = element::root_element(hwnd);
    if (m_listingFailed)
        m_table.ShowUnavailable(root);
    else
        m_table.BuildMissingItemsTable(root);
    root.set_style_attribute("width", L"800");
    root.set_style_attribute("height", L"500");
    FocusFirstMissingItem(root);
    return 0;
}

bool MissingDataDialog::handle_scripting_call(HELEMENT he, XCALL_PARAMS& params)
{
    const element root = element::root_element(hwnd);
    const char* name = params.method_name;
    if (htmlayout::streq(name, "closeDialog"))
        PostCloseMessage(hwnd);
    else if (htmlayout::streq(name, "OnCreateMissingDataClick")) {
        m_table.StartCreation(hwnd, boost::shared_ptr<EmployeeDiff>(), MissingItemsTable::RunEnded());
        m_dataChanged = true;
    } else if (htmlayout::streq(name, "OnCheckMissingItem")) {
        CheckMissingItemRow(root, ElementArgument(params.argc, reinterpret_cast<json::value*>(params.argv)));
        m_table.UpdateCreateButton(root);
    } else if (htmlayout::streq(name, "OnCloseErrorDialog")) {
        HideErrorDialog(root);
        m_table.StartCreation(hwnd, boost::shared_ptr<EmployeeDiff>(), MissingItemsTable::RunEnded());
    } else
        return htmlayout::dialog::handle_scripting_call(he, params);
    return true;
}

bool MissingDataDialog::can_close()
{
    return m_table.MayCloseWindow();
}

LRESULT MissingDataDialog::on_get_min_max_info(MINMAXINFO* info)
{
    info->ptMinTrackSize.x = 800;
    info->ptMinTrackSize.y = 400;
    return 0;
}
