#pragma once
// Selects. The dropdown: a "caption", an optional dropdown button and a "popup" of
// options; a click on the caption or button opens or closes the popup, a click on an
// option chooses it, closes the popup and fires value-changed from the select. The list
// (the "select" behaviour on a popup or list): a click checks the option.
#include "htmlengine/document/controls/Control.h"

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

private:
    void Choose(Element& select, Element& option);
};

class ListControl : public Control {
public:
    ControlType Type() const override { return kControlList; }
    ControlValue GetValue(Element& element) const override;
    bool OnClick(Element& element, Element& target) override;
    bool IsFocusable() const override { return false; }
};

// A progress bar: its value is the "value" attribute (0-100).
class ProgressControl : public Control {
public:
    ControlType Type() const override { return kControlProgress; }
    ControlValue GetValue(Element& element) const override;
    void SetValue(Element& element, const ControlValue& value) override;
    bool IsFocusable() const override { return false; }
};

// One 20 ms step of a bar's move toward its "requested-value": +3 up (clamped), -1 down;
// on arrival the attribute goes. False when there is nothing left to do.
bool StepProgress(Element& progress);

}  // namespace htmlengine
