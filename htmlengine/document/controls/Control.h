#pragma once
// A built-in control: the value of an input, check box, radio, select, date, progress bar
// or other element, and its answer to the user's clicks and keys. Values set through the
// API never fire events; user input does.
#include "htmlengine/document/controls/ControlValue.h"

namespace htmlengine {

class Element;

// A real mouse event on a control, or inside it, as the window's input routes it.
struct MouseInput {
    enum class Kind { Down, Up, Move, DoubleClick };
    Kind kind = Kind::Move;
    int x = 0, y = 0;  // relative to the control's border box
    unsigned keyboardState = 0;  // ENGINE_KEYBOARD_STATE bits
    bool captured = false;  // a move or up after a down on this control, wherever the pointer is
};

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
    kControlClickable = 10,
    kControlList = 11,
};

class Control {
public:
    virtual ~Control() = default;
    virtual ControlType Type() const = 0;

    // Elements without a value of their own read and write their text.
    virtual ControlValue GetValue(Element& element) const;
    virtual void SetValue(Element& element, const ControlValue& value);

    // A click on the element or inside it; true when the control used it.
    virtual bool OnClick(Element& element, Element& target);
    virtual bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState);
    virtual bool OnCharacter(Element& element, wchar_t character);
    virtual void OnFocusLost(Element& element);
    // Tab brought the focus to the element.
    virtual void OnTabbedInto(Element& element);
    // While the control's popup is open, key-downs reach it before the page: true takes the key.
    virtual bool OnPopupKey(Element& element, unsigned key, unsigned keyboardState);
    // A press in window coordinates while its popup is open; true when the engine-drawn popup
    // (not a document element) took it.
    virtual bool OnPopupPress(Element& element, int x, int y);
    virtual void ClosePopup(Element& element);
    // The pointer moved onto `hovered` while the control's popup is open.
    virtual void OnPopupHover(Element& element, Element* hovered);
    // The element itself was expanded or collapsed (by the page or by the engine).
    virtual void OnExpansionChanged(Element& element);
    // Mouse input for the nearest control from the target up (after the page's handlers left
    // it); a control that took a down gets the moves and the up until the button is released.
    // True when the control used it.
    virtual bool OnMouse(Element& element, const MouseInput& input);
    virtual bool IsFocusable() const { return true; }
    // Whether a click on it makes a click event (so the page's click rules wait for that).
    virtual bool MakesClicks() const { return false; }
};

// The value any element gives without a control: its text; a string sets the text.
ControlValue TextValue(Element& element);
void SetTextValue(Element& element, const ControlValue& value);

}  // namespace htmlengine
