#pragma once
// Controls a click activates: buttons, check boxes, radios, links and "clickable" elements.
#include "htmlengine/document/controls/Control.h"

namespace htmlengine {

// A plain button: a click (or Enter or Space while focused) fires the button-click event
// with the button as source, wherever inside it the click landed.
class ButtonControl : public Control {
public:
    ControlType Type() const override { return kControlButton; }
    bool OnClick(Element& element, Element& target) override;
    bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState) override;
    bool MakesClicks() const override { return true; }

protected:
    virtual void Activate(Element& element);
};

// A check box: its value is its checked state; a click toggles it, then fires value-changed
// and button-click.
class CheckboxControl : public ButtonControl {
public:
    ControlType Type() const override { return kControlCheckbox; }
    ControlValue GetValue(Element& element) const override;
    void SetValue(Element& element, const ControlValue& value) override;

protected:
    void Activate(Element& element) override;
};

// A radio: a click checks it and unchecks the others of its name.
class RadioControl : public CheckboxControl {
public:
    ControlType Type() const override { return kControlRadio; }
    void SetValue(Element& element, const ControlValue& value) override;

protected:
    void Activate(Element& element) override;
};

// <a href>: a click fires the hyperlink event; the engine never navigates.
class HyperlinkControl : public ButtonControl {
public:
    ControlType Type() const override { return kControlHyperlink; }

protected:
    void Activate(Element& element) override;
};

// The "clickable" behaviour: a click fires "activated".
class ClickableControl : public ButtonControl {
public:
    ControlType Type() const override { return kControlClickable; }
    bool IsFocusable() const override { return false; }

protected:
    void Activate(Element& element) override;
};

// Checks a radio and unchecks every other radio of the same name in the document.
void CheckRadio(Element& radio);

}  // namespace htmlengine
