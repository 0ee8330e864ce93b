#pragma once
// Runs the settings dialog modally on the UI thread: the edited copy of the model's settings
// when the user saved them, null otherwise (and when page 134 cannot be loaded).
#include <windows.h>

#include <boost/shared_ptr.hpp>

#include "app/DialogRunner.h"

boost::shared_ptr<Quorvane::Config> RunSettingsDialog(HWND owner, const boost::shared_ptr<MainModel>& model,
                                                      SettingsTab initialTab);
