#pragma once
// A built-in control: the value of an input, check box, radio, select, date, progress bar
// or plain element, and its answer to the user's clicks and keys.
#include "htmlengine/document/controls/ControlValue.h"

namespace htmlengine {

class Element;
class Dispatcher;

enum ControlType : unsigned {
    kControlNone = 0,
    kControlText = 1,
    kControlButton = 2,
    kControlCheckbox = 3,
    kControlRadio = 4,
    kControlSelect = 5,
    kControlPassword = 6,
    kControlDate = 7,
    kControlProgress = 8,
    kControlHyperlink = 9,
};

class Control {
public:
    virtual ~Control() = default;
    virtual ControlType Type() const = 0;
    virtual ControlValue GetValue(Element& element) const;  // the element's text
    virtual void SetValue(Element& element, const ControlValue& value);

    // User input, after the page's handlers declined it; true when the control used it.
    virtual bool OnClick(Element& element, Element& target, Dispatcher& dispatcher);
    virtual bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState, Dispatcher& dispatcher);
    virtual bool OnCharacter(Element& element, wchar_t character, Dispatcher& dispatcher);
    virtual void OnFocusLost(Element& element, Dispatcher& dispatcher);
    virtual bool IsFocusable() const { return true; }
};

}  // namespace htmlengine
