#pragma once
// A main window that shows nothing: the benchmark measures the import, not the view.
#include "app/import/ImportView.h"

class SilentView : public IImportView {
public:
    void OnImportStarted() {}
    void OnImportFinished() {}
    void ShowError(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&,
                   const std::wstring&, int) {}
    void ResetImportProgress() {}
    void ShowImportProgress() {}
    void HideImportProgress() {}
    void SetImportProgress(int, int) {}
    void SetImportedWorkingTime(int) {}
    void SetImportedLeaveTime(int) {}
    void SetImportComment(const std::wstring&) {}
    void ShowImportSucceeded() {}
    void ShowImportFailed(const std::wstring&) {}
    void ShowAbsentTimeTrack(bool) {}
};
