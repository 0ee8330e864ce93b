#pragma once
// The modal settings window (page 134) with its five tabs. It edits a deep copy of the model's
// settings; the caller installs the copy only when the dialog ends with OK. The tabs save
// themselves into the copy as the page's scripts report changes, and all of them on OK.
#include <map>
#include <string>

#include <boost/shared_ptr.hpp>

#include "ui/dialogs/settings/ISettingsTab.h"
#include "app/SettingsReload.h"
#include "ui/toolkit/Dialog.h"

class SettingsDialog : public htmlayout::dialog, private IReloadListener {
public:
    typedef boost::shared_ptr<ISettingsTab> TabPtr;

    SettingsDialog(HWND parent, const boost::shared_ptr<MainModel>& model);
    ~SettingsDialog();

    // 1 auto-creation, 2 import settings, 3 employee mapping, 4 leave time and payroll, 5 the
    // same on its working-time panel; anything else opens the import settings.
    void SetInitialTab(int tab) { m_initialTab = tab; }
    boost::shared_ptr<Quorvane::Config> GetConfig() const { return m_config; }

    bool handle_scripting_call(HELEMENT he, XCALL_PARAMS& params) override;
    bool handle_event(HELEMENT he, BEHAVIOR_EVENT_PARAMS& params) override;
    bool on_focus(HELEMENT he, HELEMENT target, UINT event_type) override;
    LRESULT on_get_min_max_info(MINMAXINFO* info) override;
    LRESULT on_document_complete() override;

private:
    typedef std::map<std::string, TabPtr> Tabs;

    void CreateTabs();
    void LoadTabs(const htmlayout::dom::element& root);
    htmlayout::dom::element Root() const;
    bool OnScriptCall(HELEMENT he, XCALL_PARAMS& params);
    void SelectInitialTab(const htmlayout::dom::element& root);
    void SelectTab(const ISettingsTab& tab, const htmlayout::dom::element& root);
    TabPtr GetCurrentTab(const htmlayout::dom::element& root) const;
    void SaveCurrentTab(const htmlayout::dom::element& root);
    void SaveAllTabs(const htmlayout::dom::element& root);
    void RefreshAllTabs(const htmlayout::dom::element& root);
    void UpdateMappingIcons(const htmlayout::dom::element& root);
    // False when a tab failed to save; the user has been told.
    bool SaveForOk();
    void StartReload();
    void OnReloadCompleted(const std::wstring& error) override;
    void SetWaiting(bool waiting);
    void ShowMessage(const wchar_t* text) const;

    boost::shared_ptr<MainModel> m_model;
    boost::shared_ptr<Quorvane::Config> m_config;
    int m_initialTab;
    Tabs m_tabs;
    boost::shared_ptr<SettingsReload> m_reload;  // while a reload runs
    // A tab could not show the settings: its page holds defaults, which must never be saved.
    bool m_loadFailed;
};
