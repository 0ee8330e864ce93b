#pragma once
// The program's life between WinMain's start and its return: the model, the controller and the
// view wired together, the message loop, and the exit save.
#include <boost/shared_ptr.hpp>

class IMainView;

// Runs the view's message loop until its window is gone, then saves the current company's
// settings and breaks the ownership cycle between the view and the controller. Returns 0.
int RunApplication(const boost::shared_ptr<IMainView>& view);
