#pragma once
// What the main window reports to the controller; every operation runs on the UI thread.
#include <string>

#include "core/ConnectionOptions.h"
#include "core/DateRange.h"

class IMainViewNotification {
public:
    typedef Quorvane::Connectors::QVConnector::ConnectionOptions ConnectionOptions;

    virtual ~IMainViewNotification() {}
    virtual void OpenSettings() = 0;
    virtual void OpenImportHistory() = 0;
    virtual void LoadData() = 0;
    virtual void OpenLink(const std::wstring& url) = 0;
    virtual void ReloadData() = 0;
    virtual void ShowMissingData() = 0;
    virtual void ShowPreview(const std::wstring& employeeId, bool workingLeaveTimeTab) = 0;
    virtual void Connect(const ConnectionOptions& options, bool loginRequested) = 0;
    virtual void ChangeDateRange(const Quorvane::DateRange& range) = 0;
    virtual void StartImport(bool checkAbsent) = 0;
    virtual void StopImport() = 0;
    virtual void SelectEmployee(const std::wstring& id, bool selected) = 0;
    virtual void InterruptChangingSite() = 0;
    virtual void ChangeSite() = 0;
    virtual void OpenImportLog() = 0;
};
