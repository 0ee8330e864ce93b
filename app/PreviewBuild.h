#pragma once
// Rebuilds the model's preview: every mapped server user, every day of the period.
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

class MainModel;

// checkAbort throws to end the build early; it is called before every user-day.
void BuildPreview(const boost::shared_ptr<MainModel>& model, const boost::function<void()>& checkAbort);
