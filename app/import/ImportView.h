#pragma once
// What the import shows in the main window. Every call reaches the view through the UI
// thread's queue, in the order made. Texts are HTML, their names already escaped.
#include <string>

class IImportView {
public:
    virtual ~IImportView() {}

    virtual void OnImportStarted() = 0;
    virtual void OnImportFinished() = 0;
    // customValue "reload" makes the window reload when the panel closes; buttons 0 or 2.
    virtual void ShowError(const std::wstring& title, const std::wstring& problem, const std::wstring& reason,
                           const std::wstring& furtherActions, const std::wstring& customValue, int buttons) = 0;
    virtual void ResetImportProgress() = 0;
    virtual void ShowImportProgress() = 0;
    virtual void HideImportProgress() = 0;
    virtual void SetImportProgress(int done, int total) = 0;
    virtual void SetImportedWorkingTime(int minutes) = 0;
    virtual void SetImportedLeaveTime(int minutes) = 0;
    virtual void SetImportComment(const std::wstring& comment) = 0;
    virtual void ShowImportSucceeded() = 0;
    virtual void ShowImportFailed(const std::wstring& message) = 0;
    // Asks whether entries that the server no longer has are kept or deleted.
    virtual void ShowAbsentTimeTrack(bool billedConflicts) = 0;
};
