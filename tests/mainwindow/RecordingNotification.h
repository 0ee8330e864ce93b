#pragma once
// A controller stand-in that writes down every report of the view, one line each.
#include <string>
#include <vector>

#include "app/IMainViewNotification.h"
#include "core/TextCodec.h"

class RecordingNotification : public IMainViewNotification {
public:
    void OpenSettings() override { Record("OpenSettings"); }
    void OpenImportHistory() override { Record("OpenImportHistory"); }
    void LoadData() override { Record("LoadData"); }
    void OpenLink(const std::wstring& url) override { Record("OpenLink " + Quorvane::Narrow(url)); }
    void ReloadData() override { Record("ReloadData"); }
    void ShowMissingData() override { Record("ShowMissingData"); }
    void ShowPreview(const std::wstring& id, bool workingLeaveTimeTab) override
    {
        Record("ShowPreview " + Quorvane::Narrow(id) + (workingLeaveTimeTab ? " working" : " missing"));
    }
    void Connect(const ConnectionOptions& options, bool loginRequested) override
    {
        Record("Connect " + Quorvane::Narrow(options.url) + " " + Quorvane::Narrow(options.userName) + " " +
               Quorvane::Narrow(options.password) + (options.rememberPassword ? " remember" : " forget") +
               (loginRequested ? " login" : ""));
    }
    void ChangeDateRange(const Quorvane::DateRange& range) override
    {
        Record("ChangeDateRange " + std::to_string(range.GetRangeType()) + " " +
               Quorvane::Narrow(range.GetStart().ToString()) + " " + Quorvane::Narrow(range.GetEnd().ToString()));
    }
    void StartImport(bool checkAbsent) override { Record(checkAbsent ? "StartImport check" : "StartImport nocheck"); }
    void StopImport() override { Record("StopImport"); }
    void SelectEmployee(const std::wstring& id, bool selected) override
    {
        Record("SelectEmployee " + Quorvane::Narrow(id) + (selected ? " on" : " off"));
    }
    void InterruptChangingSite() override { Record("InterruptChangingSite"); }
    void ChangeSite() override { Record("ChangeSite"); }
    void OpenImportLog() override { Record("OpenImportLog"); }

    std::vector<std::string> calls;

private:
    void Record(const std::string& call) { calls.push_back(call); }
};
