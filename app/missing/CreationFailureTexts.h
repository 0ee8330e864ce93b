#pragma once
// What the user is told when QuickBooks would not create a missing item. Every name in the
// texts is escaped, because the views show them as HTML.
#include <string>

class MainModel;

namespace Quorvane {

class EmployeeDiff;
class MissingItem;

struct CreationFailureTexts {
    std::wstring title;
    std::wstring heading;
    std::wstring problem;
    std::wstring resolution;
};

// diff is the preview of the employee whose import needed the item. errorText, which may be
// empty, is markup: a validation refusal, whose names are escaped already.
CreationFailureTexts MakeCreationFailureTexts(const MainModel& model, const MissingItem& item,
                                              const EmployeeDiff& diff, int code, const std::wstring& errorText);

}  // namespace Quorvane
