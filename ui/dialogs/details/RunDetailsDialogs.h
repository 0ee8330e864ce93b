#pragma once
// Runs the preview dialog (page 136) and the missing-data dialog (page 139) modally on the UI
// thread, for the program's dialog runner.
#include <windows.h>

#include <string>

#include <boost/shared_ptr.hpp>

class MainModel;

// True when the dialog changed data.
bool RunPreviewDialog(HWND owner, const boost::shared_ptr<MainModel>& model, const std::wstring& employeeId,
                      bool workingLeaveTimeTab);
bool RunMissingDataDialog(HWND owner, const boost::shared_ptr<MainModel>& model);
