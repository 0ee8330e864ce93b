#pragma once
// The dropdown select: a "caption", an optional dropdown button and a "popup" of options.
// A click on the caption or button, Alt+Down or F4 opens the popup; in the open list the
// arrows, Home, End and type-ahead move a highlight (state current), Enter or a click
// chooses, Escape or a press outside closes without a choice; the highlight also follows the
// pointer. Closed, the same keys choose at once. A user's choice fires value-changed from
// the select; code's choices fire nothing.
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/TypeAhead.h"

namespace htmlengine {

class DropdownControl : public Control {
public:
    ControlType Type() const override { return kControlSelect; }
    // The chosen option's "value" attribute, or nothing.
    ControlValue GetValue(Element& element) const override;
    // Chooses the option with that value (a string, or an integer as its text); a value no
    // option has changes nothing.
    void SetValue(Element& element, const ControlValue& value) override;
    bool OnClick(Element& element, Element& target) override;
    bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState) override;
    bool OnCharacter(Element& element, wchar_t character) override;
    void OnFocusLost(Element& element) override;
    bool OnPopupKey(Element& element, unsigned key, unsigned keyboardState) override;
    void ClosePopup(Element& element) override;
    void OnPopupHover(Element& element, Element* hovered) override;

    static bool IsOpen(Element& select);
    void Open(Element& select);

private:
    bool OnListKey(Element& select, unsigned key, unsigned keyboardState);
    void Choose(Element& select, Element& option);

    TypeAhead typeAhead_;
};

}  // namespace htmlengine
