#pragma once
// A date input: an edit whose text is a date, "YYYY-MM-DD" (typed also as M/D/YYYY). The
// value is the FILETIME of that day's midnight, with no time-zone step; an empty edit has
// no value. Typing commits on Enter or when the focus leaves; an unreadable text reverts.
#include "htmlengine/document/controls/EditControl.h"

#include <optional>

namespace htmlengine {

class DateControl : public EditControl {
public:
    explicit DateControl(Element& element);
    ControlType Type() const override { return kControlDate; }
    ControlValue GetValue(Element& element) const override;
    void SetValue(Element& element, const ControlValue& value) override;
    bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState) override;
    void OnFocusLost(Element& element) override;

protected:
    void Edited(Element&) override {}  // a date changes on commit, not per key

private:
    void Commit(Element& element);

    std::optional<long long> date_;
};

// Text and FILETIME of a day, both ways; nullopt for a text that is no date.
std::optional<long long> ParseDate(const std::wstring& text);
std::wstring FormatDate(long long fileTime);

}  // namespace htmlengine
