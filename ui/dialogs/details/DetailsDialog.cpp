#include "ui/dialogs/details/DetailsDialog.h"

#include <boost/bind/bind.hpp>

#include "app/MainModel.h"
#include "core/Boundary.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/EmployeeSelect.h"
#include "ui/dialogs/details/MissingItemsTab.h"
#include "ui/dialogs/details/WorkingLeaveTimeTab.h"
#include "ui/toolkit/FocusReturn.h"
#include "ui/toolkit/TabSelection.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;

namespace {

const int kWidth = 1012;
const int kHeight = 600;

// The page at its full width, and at its full height where the screen has room for the window.
void SetPageSize(HWND window, element& root)
{
    root.set_style_attribute("width", std::to_wstring(kWidth).c_str());
    RECT frame = { 0, 0, kWidth, kHeight };
    RECT work;
    if (!AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                            static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE))) ||
        !SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        return;
    if (frame.bottom - frame.top <= work.bottom - work.top)
        root.set_style_attribute("height", std::to_wstring(kHeight).c_str());
}

}  // namespace

DetailsDialog::DetailsDialog(HWND parent, const boost::shared_ptr<MainModel>& model)
    : htmlayout::dialog(parent), m_model(model), m_openWorkingLeaveTimeTab(false), m_dataChanged(false)
{
    style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    CreateTabs();
}

void DetailsDialog::CreateTabs()
{
    m_tabs.AddTab(TabCollection::TabPtr(new WorkingLeaveTimeTab(m_model)));
    m_missingItems.reset(new MissingItemsTab(m_model));
    m_tabs.AddTab(m_missingItems);
}

// Items are created off the UI thread: a tab may have changed data since the last script call.
bool DetailsDialog::IsDataChanged() const
{
    return m_dataChanged || m_missingItems->IsDataChanged();
}

bool DetailsDialog::IsCreatingItems() const
{
    return m_missingItems->IsCreating();
}

bool DetailsDialog::can_close()
{
    return m_missingItems->MayCloseWindow();
}

LRESULT DetailsDialog::on_document_complete()
{
    SetWindowTextW(hwnd, L"Quorvane Pellworth - Preview Import Results");
    element root = element::root_element(hwnd);
    FillEmployeeSelect(root, *m_model, m_employeeId);
    SetPageSize(hwnd, root);
    const TabCollection::TabMap tabs = m_tabs.GetTabs();
    // A tab that fails leaves the other one standing.
    for (TabCollection::TabMap::const_iterator tab = tabs.begin(); tab != tabs.end(); ++tab)
        Quorvane::RunAtBoundary(L"preview tab build", boost::bind(&ITabController::Build, tab->second.get(), root));
    ChooseInitialTab(root);
    htmlayout::return_focus(root.get_element_by_id("EmployeeSelectId"), root);
    return 0;
}

// The missing items are shown first only when there are any: an empty tab is hidden.
void DetailsDialog::ChooseInitialTab(const element& root)
{
    const element tabs = root.get_element_by_id("detailsTab");
    const element missingItems = tabs.find_first("div[panel=\"idMissingItems_Tab\"]");
    if (!m_openWorkingLeaveTimeTab && !(missingItems.get_state() & STATE_COLLAPSED))
        htmlayout::select_tab(tabs, missingItems);
}

bool DetailsDialog::handle_scripting_call(HELEMENT he, XCALL_PARAMS& params)
{
    const char* name = params.method_name;
    if (htmlayout::streq(name, "closeDialog")) {
        PostCloseMessage(hwnd);
        return true;
    }
    json::value* argv = reinterpret_cast<json::value*>(params.argv);
    const TabCollection::TabMap tabs = m_tabs.GetTabs();
    for (TabCollection::TabMap::const_iterator tab = tabs.begin(); tab != tabs.end(); ++tab) {
        const bool handled = tab->second->OnScriptCall(hwnd, he, name, params.argc, argv);
        m_dataChanged = m_dataChanged || tab->second->IsDataChanged();
        if (handled)
            return true;
    }
    return htmlayout::dialog::handle_scripting_call(he, params);
}

LRESULT DetailsDialog::on_get_min_max_info(MINMAXINFO* info)
{
    info->ptMinTrackSize.x = 900;
    info->ptMinTrackSize.y = 480;
    return 0;
}
