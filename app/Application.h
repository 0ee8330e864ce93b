#pragma once
// The program's life between WinMain's start and its return: the model, the controller and the
// view wired together, the message loop, and the exit save.
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

class IMainView;

// Connects the view to the model and the controller, then makes its window (createWindow, when
// given: the window's first showing asks for the first load, which must find the controller),
// runs the view's message loop until the window is gone, then saves the current company's
// settings and breaks the ownership cycle between the view and the controller. Returns 0, or 1
// when createWindow reported that no window could be made.
int RunApplication(const boost::shared_ptr<IMainView>& view,
                   const boost::function<bool()>& createWindow = boost::function<bool()>());
