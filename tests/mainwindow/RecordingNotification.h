#pragma once
// A controller stand-in that writes down every report of the view, one line each.
#include <string>
#include <vector>

#include "app/IMainViewNotification.h"

class RecordingNotification : public IMainViewNotification {
public:
    void OpenSettings() override { Record("OpenSettings"); }
    void OpenImportHistory() override { Record("OpenImportHistory"); }
    void LoadData() override { Record("LoadData"); }
    void OpenLink(const std::wstring& url) override { Record("OpenLink " + Narrow(url)); }
    void ReloadData() override { Record("ReloadData"); }
    void ShowMissingData() override { Record("ShowMissingData"); }
    void ShowPreview(const std::wstring& id, bool workingLeaveTimeTab) override
    {
        Record("ShowPreview " + Narrow(id) + (workingLeaveTimeTab ? " working" : " missing"));
    }
    void Connect(const ConnectionOptions& options, bool loginRequested) override
    {
        Record("Connect " + Narrow(options.url) + " " + Narrow(options.userName) + " " + Narrow(options.password) +
               (options.rememberPassword ? " remember" : " forget") + (loginRequested ? " login" : ""));
    }
    void ChangeDateRange(const Quorvane::DateRange& range) override
    {
        Record("ChangeDateRange " + std::to_string(range.GetRangeType()) + " " + Narrow(range.GetStart().ToString()) +
               " " + Narrow(range.GetEnd().ToString()));
    }
    void StartImport(bool checkAbsent) override { Record(checkAbsent ? "StartImport check" : "StartImport nocheck"); }
    void StopImport() override { Record("StopImport"); }
    void SelectEmployee(const std::wstring& id, bool selected) override
    {
        Record("SelectEmployee " + Narrow(id) + (selected ? " on" : " off"));
    }
    void InterruptChangingSite() override { Record("InterruptChangingSite"); }
    void ChangeSite() override { Record("ChangeSite"); }
    void OpenImportLog() override { Record("OpenImportLog"); }

    std::vector<std::string> calls;

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

private:
    void Record(const std::string& call) { calls.push_back(call); }
};
