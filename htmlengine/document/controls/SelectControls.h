#pragma once
// The list (the "select" behaviour on a popup or list): a click checks the option. While the
// page has it expanded inside the focused element it takes the keys as an open dropdown list
// does: the arrows, Home and End move a highlight (state current) over its enabled options,
// Enter closes it and activates the highlighted option as a click would (its own on-click rule
// and behaviour answer), Escape closes it, Tab closes it and moves on. And the progress bar.
// The dropdown select is DropdownControl.h.
#include "htmlengine/document/controls/Control.h"

namespace htmlengine {

class ListControl : public Control {
public:
    ControlType Type() const override { return kControlList; }
    ControlValue GetValue(Element& element) const override;
    bool OnClick(Element& element, Element& target) override;
    bool OnPopupKey(Element& element, unsigned key, unsigned keyboardState) override;
    void OnExpansionChanged(Element& element) override;
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
