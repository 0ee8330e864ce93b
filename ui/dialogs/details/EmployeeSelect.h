#pragma once
// The preview dialog's list of server users ("EmployeeSelectId"), named as QuickBooks knows them.
#include <string>

#include "ui/toolkit/Element.h"

class MainModel;

// One option per server user not mapped "do not import", ordered by the lower-cased option
// text; the model's own collection keeps its order. The user `employeeId` is chosen, the first
// one when the id is empty, and nobody when it is not in the list (never someone else);
// "QuorvaneUser" names the chosen user with the login.
void FillEmployeeSelect(const htmlayout::dom::element& root, const MainModel& model, const std::wstring& employeeId);
