#pragma once
// The display name of an employee, with the name postfixes of the model's current settings.
#include <string>

#include <boost/shared_ptr.hpp>

class MainModel;

namespace Quorvane {
class Employee;
}

// The model may be empty when lastNameFirst is set: that form reads no settings.
std::wstring FormatEmployeeName(const boost::shared_ptr<MainModel>& model,
                                const boost::shared_ptr<Quorvane::Employee>& employee, bool lastNameFirst);
