#pragma once
// What the user is told when QuickBooks would not create a missing item. The title is plain
// text; heading, problem and resolution are markup (the resolution's line breaks are "<br>"),
// with every name in them escaped; the log text is plain.
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
    // The heading and the problem as plain text, for the import log.
    std::wstring logText;
};

// diff is the preview of the employee whose import needed the item. errorText, plain text that
// may be empty, is why the item was not created (a validation refusal, say).
CreationFailureTexts MakeCreationFailureTexts(const MainModel& model, const MissingItem& item, const EmployeeDiff& diff,
                                              int code, const std::wstring& errorText);

}  // namespace Quorvane
