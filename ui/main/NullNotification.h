#pragma once
// The sink the view reports to while it has no controller: it ignores every report.
#include "app/IMainViewNotification.h"

class NullNotification : public IMainViewNotification {
public:
    void OpenSettings() override {}
    void OpenImportHistory() override {}
    void LoadData() override {}
    void OpenLink(const std::wstring&) override {}
    void ReloadData() override {}
    void ShowMissingData() override {}
    void ShowPreview(const std::wstring&, bool) override {}
    void Connect(const ConnectionOptions&, bool) override {}
    void ChangeDateRange(const Quorvane::DateRange&) override {}
    void StartImport(bool) override {}
    void StopImport() override {}
    void SelectEmployee(const std::wstring&, bool) override {}
    void InterruptChangingSite() override {}
    void ChangeSite() override {}
    void OpenImportLog() override {}
};
