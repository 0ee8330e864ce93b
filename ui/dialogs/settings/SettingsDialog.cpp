#include "ui/dialogs/settings/SettingsDialog.h"

#include <stdexcept>

#include "app/MainModel.h"
#include "core/Boundary.h"
#include "core/Config.h"
#include "ui/toolkit/ElementHelpers.h"
#include "ui/toolkit/FocusReturn.h"
#include "ui/toolkit/TabSelection.h"
#include "json/TextHelpers.h"

using htmlayout::dom::element;

namespace {

const wchar_t kCaption[] = L"Quorvane Pellworth - Settings";
const wchar_t kSaveFailed[] =
    L"The settings could not be saved. Nothing was changed; the connector log holds the details.";

boost::shared_ptr<Quorvane::Config> CopyOfSettings(const MainModel& model)
{
    Quorvane::CriticalSectionLock lock(model.GetLock());
    return boost::shared_ptr<Quorvane::Config>(new Quorvane::Config(*model.GetConfig()));
}

const char* InitialTabId(int tab)
{
    switch (tab) {
    case 1: return "idAutoCreation_Tab";
    case 3: return "idEmployeeMapping_Tab";
    case 4:
    case 5: return "idLeaveTimeAndPayroll_Tab";
    default: return "idImportSettings_Tab";
    }
}

enum { kWorkingTimePanelTab = 5, kWorkingTimePanel = 1 };

}  // namespace

SettingsDialog::SettingsDialog(HWND parent, const boost::shared_ptr<MainModel>& model)
    : htmlayout::dialog(parent), m_model(model), m_config(CopyOfSettings(*model)), m_initialTab(0), m_loadFailed(false)
{
    CreateTabs();
}

// A reload still running finds nobody to tell.
SettingsDialog::~SettingsDialog()
{
    if (m_reload)
        m_reload->Forget();
}

element SettingsDialog::Root() const
{
    return element::root_element(hwnd);
}

LRESULT SettingsDialog::on_document_complete()
{
    SetWindowTextW(hwnd, kCaption);
    const element root = Root();
    LoadTabs(root);
    UpdateMappingIcons(root);
    SelectInitialTab(root);
    // As in any property sheet: the first control of the tab shown.
    htmlayout::return_focus(element(), root.find_first("body > .tabs > [name]:expanded"));
    return 0;
}

// Every tab gets its chance; one that fails leaves Save disabled, with the reason beside it.
void SettingsDialog::LoadTabs(const element& root)
{
    std::wstring failure;
    for (const Tabs::value_type& tab : m_tabs) {
        try {
            tab.second->Load(m_model, m_config, root);
        } catch (...) {
            const std::wstring what = Quorvane::LogCurrentException(L"Loading a settings tab");
            if (failure.empty())
                failure = what;
            m_loadFailed = true;
        }
    }
    if (!m_loadFailed)
        return;
    element save = root.get_element_by_id("Save");
    save.set_state(STATE_DISABLED, 0);
    element problem = root.get_element_by_id("SettingsLoadProblem");
    problem.set_text((L"The settings could not all be shown, so they cannot be saved here: " + failure).c_str());
    htmlayout::expand(problem);
}

// The window is not resizable; it keeps at least the page's minimum size.
LRESULT SettingsDialog::on_get_min_max_info(MINMAXINFO* info)
{
    const UINT width = HTMLayoutGetMinWidth(hwnd);
    RECT frame = { 0, 0, static_cast<LONG>(width), static_cast<LONG>(HTMLayoutGetMinHeight(hwnd, width)) };
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    info->ptMinTrackSize.x = frame.right - frame.left;
    info->ptMinTrackSize.y = frame.bottom - frame.top;
    return 0;
}

bool SettingsDialog::handle_scripting_call(HELEMENT he, XCALL_PARAMS& params)
{
    if (m_reload)
        return true;  // the page is waiting for QuickBooks
    bool handled = false;
    Quorvane::RunAtBoundary(L"settings script call", [&] { handled = OnScriptCall(he, params); });
    return handled || htmlayout::dialog::handle_scripting_call(he, params);
}

// True when handled; false leaves the call to the default handling.
bool SettingsDialog::OnScriptCall(HELEMENT he, XCALL_PARAMS& params)
{
    const char* name = params.method_name;
    const element root = Root();
    if (htmlayout::streq(name, "closeDialog")) {
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return true;
    }
    if (htmlayout::streq(name, "saveConfig")) {
        SaveCurrentTab(root);
        return true;
    }
    if (htmlayout::streq(name, "selectChanged")) {
        SaveCurrentTab(root);
        RefreshAllTabs(root);
        return true;
    }
    if (htmlayout::streq(name, "updateMappingIcon")) {
        UpdateMappingIcons(root);
        return false;
    }
    const TabPtr current = GetCurrentTab(root);
    return current && current->OnScriptCall(root, he, params);
}

bool SettingsDialog::handle_event(HELEMENT he, BEHAVIOR_EVENT_PARAMS& params)
{
    if (params.cmd != EVENT_BUTTON_CLICK)
        return htmlayout::dialog::handle_event(he, params);
    const element source(params.he);
    const wchar_t* name = source.get_attribute("name");
    if (name && m_reload)
        return true;  // nothing closes the dialog while it waits for QuickBooks
    if (WideEqualsNoCase(name, L"OK") && !SaveForOk())
        return true;
    if (WideEqualsNoCase(name, L"RELOAD"))
        StartReload();
    return htmlayout::dialog::handle_event(he, params);
}

// The current tab gets ready what the user is about to use.
bool SettingsDialog::on_focus(HELEMENT, HELEMENT target, UINT event_type)
{
    if (event_type != FOCUS_GOT || m_reload)
        return false;
    const element root = Root();
    Quorvane::RunAtBoundary(L"settings focus", [&] {
        if (const TabPtr current = GetCurrentTab(root))
            current->OnFocus(m_model, m_config, root, target);
    });
    return false;
}

bool SettingsDialog::SaveForOk()
{
    if (m_loadFailed)
        return false;
    const element root = Root();
    if (Quorvane::RunAtBoundary(L"saving the settings", [&] { SaveAllTabs(root); }))
        return true;
    ShowMessage(kSaveFailed);
    return false;
}

void SettingsDialog::SelectInitialTab(const element& root)
{
    const Tabs::const_iterator tab = m_tabs.find(InitialTabId(m_initialTab));
    if (tab == m_tabs.end())
        return;
    SelectTab(*tab->second, root);
    if (m_initialTab == kWorkingTimePanelTab)
        tab->second->ShowPanel(root, kWorkingTimePanel);
}

void SettingsDialog::SelectTab(const ISettingsTab& tab, const element& root)
{
    const std::string id = tab.GetId();
    htmlayout::select_tab_by_panel(root.find_first(".tabs"), htmlayout::a2w(id.c_str(), -1).c_str());
}

SettingsDialog::TabPtr SettingsDialog::GetCurrentTab(const element& root) const
{
    std::vector<element> current;
    root.find_all(&current, ".settingsStrip > [panel]:current");
    if (current.size() != 1)
        throw std::runtime_error("can't find current tab");
    const Tabs::const_iterator tab = m_tabs.find(htmlayout::w2a(current[0].get_attribute("panel"), -1).c_str());
    return tab == m_tabs.end() ? TabPtr() : tab->second;
}

void SettingsDialog::SaveCurrentTab(const element& root)
{
    if (const TabPtr current = GetCurrentTab(root))
        current->Save(m_model, m_config, root);
}

void SettingsDialog::SaveAllTabs(const element& root)
{
    for (const Tabs::value_type& tab : m_tabs)
        tab.second->Save(m_model, m_config, root);
}

void SettingsDialog::RefreshAllTabs(const element& root)
{
    for (const Tabs::value_type& tab : m_tabs)
        tab.second->Refresh(m_model, m_config, root);
}

void SettingsDialog::UpdateMappingIcons(const element& root)
{
    for (const Tabs::value_type& tab : m_tabs) {
        element icon = root.get_element_by_id((tab.first + "_Img").c_str());
        if (!icon.is_valid())
            continue;
        const int validity = tab.second->GetValidType(m_model, m_config, root);
        if (validity != TabComplete && validity != TabIncomplete)
            throw std::runtime_error("Invalide validType");
        icon.set_attribute("src",
                           validity == TabComplete ? L"IDR_MAPPING_CORRECTED.png" : L"IDR_MAPPING_UNDEFINED.png");
    }
}

// What the user entered goes into the copy first, so the refreshed tabs show it again.
void SettingsDialog::StartReload()
{
    const element root = Root();
    SaveAllTabs(root);
    m_reload.reset(new SettingsReload(m_model, hwnd, this));
    if (!m_reload->Start()) {
        m_reload.reset();
        ShowMessage(L"The employees and payroll items could not be read again from QuickBooks.");
        return;
    }
    SetWaiting(true);
}

void SettingsDialog::OnReloadCompleted(const std::wstring& error)
{
    m_reload.reset();
    const element root = Root();
    Quorvane::RunAtBoundary(L"settings reload completion", [&] {
        RefreshAllTabs(root);
        UpdateMappingIcons(root);
    });
    SetWaiting(false);
    if (!error.empty())
        ShowMessage(error.c_str());
}

// The overlay covers the page; the disabled window takes no clicks, keys or close requests.
void SettingsDialog::SetWaiting(bool waiting)
{
    element overlay = Root().get_element_by_id("PleaseWaitOverlay");
    if (waiting)
        htmlayout::expand(overlay);
    else
        htmlayout::collapse(overlay);
    EnableWindow(hwnd, waiting ? FALSE : TRUE);
}

void SettingsDialog::ShowMessage(const wchar_t* text) const
{
    MessageBoxW(hwnd, text, kCaption, MB_OK | MB_ICONWARNING);
}
