#include "htmlengine/document/controls/DropdownControl.h"

#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/document/controls/OptionHighlight.h"
#include "htmlengine/document/controls/Popups.h"
#include "htmlengine/document/controls/SelectChoice.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"
#include "htmlengine/document/events/Dispatcher.h"

#include <windows.h>

#include <algorithm>

namespace htmlengine {

namespace {

Element* Popup(Element& select)
{
    for (Element* child : select.Children())
        if (child->Tag() == "popup")
            return child;
    return nullptr;
}

}  // namespace

ControlValue DropdownControl::GetValue(Element& element) const
{
    Element* chosen = ChosenOption(element);
    if (!chosen)
        return ControlValue::Undefined();
    return ControlValue::String(chosen->AttributeOr("value", TextContent(*chosen)));
}

void DropdownControl::SetValue(Element& element, const ControlValue& value)
{
    if (value.kind != ControlValue::Kind::String && value.kind != ControlValue::Kind::Integer)
        return;
    std::wstring wanted = value.kind == ControlValue::Kind::String ? value.text : std::to_wstring(value.number);
    for (Element* option : OptionsOf(element))
        if (option->AttributeOr("value") == wanted)
            return ChooseOption(element, option);
}

bool DropdownControl::IsOpen(Element& select)
{
    Element* popup = Popup(select);
    return popup && (popup->State() & kStateExpanded);
}

void DropdownControl::Open(Element& select)
{
    Element* popup = Popup(select);
    if (!popup || IsOpen(select))
        return;
    NotePopupOpened(select);
    ChangeState(*popup, kStateExpanded, 0);
    HighlightOnOpening(select);
}

void DropdownControl::ClosePopup(Element& select)
{
    HighlightOption(select, nullptr);
    if (Element* popup = Popup(select))
        if (popup->State() & kStateExpanded)
            ChangeState(*popup, kStateCollapsed, 0);
    NotePopupClosed(select);
}

bool DropdownControl::OnClick(Element& element, Element& target)
{
    Element* option = OptionAround(target, element);
    if (option && !(option->State() & kStateDisabled)) {
        Choose(element, *option);
        return true;
    }
    if (IsOpen(element))
        ClosePopup(element);
    else if (!option)
        Open(element);
    return true;
}

bool DropdownControl::OnKeyDown(Element& element, unsigned key, unsigned keyboardState)
{
    if (IsDropKey(key, keyboardState)) {
        Open(element);
        return true;
    }
    Element* next = StepOption(EnabledOptions(element), ChosenOption(element), key);
    if (!next)
        return false;
    if (next != ChosenOption(element))
        Choose(element, *next);
    return true;
}

bool DropdownControl::OnCharacter(Element& element, wchar_t character)
{
    if (character < 0x20)
        return false;
    std::vector<Element*> options = EnabledOptions(element);
    std::vector<std::wstring> texts;
    for (Element* option : options)
        texts.push_back(TextContent(*option));
    bool open = IsOpen(element);
    Element* from = open ? HighlightedOption(element) : ChosenOption(element);
    int current = int(std::find(options.begin(), options.end(), from) - options.begin());
    int found = typeAhead_.Find(character, GetTickCount(), texts, current < int(options.size()) ? current : -1);
    if (found < 0)
        return true;
    if (open)
        HighlightOption(element, options[size_t(found)]);
    else if (options[size_t(found)] != ChosenOption(element))
        Choose(element, *options[size_t(found)]);
    return true;
}

bool DropdownControl::OnPopupKey(Element& element, unsigned key, unsigned keyboardState)
{
    return IsOpen(element) && OnListKey(element, key, keyboardState);
}

bool DropdownControl::OnListKey(Element& select, unsigned key, unsigned keyboardState)
{
    if (key == VK_ESCAPE || IsDropKey(key, keyboardState)) {
        ClosePopup(select);
        return true;
    }
    if (key == VK_RETURN) {
        if (Element* option = HighlightedOption(select))
            Choose(select, *option);
        else
            ClosePopup(select);
        return true;
    }
    if (key == VK_TAB) {
        ClosePopup(select);
        return false;  // the focus moves on as usual
    }
    return MoveHighlight(select, key);
}

void DropdownControl::OnFocusLost(Element& element)
{
    ClosePopup(element);
}

// The highlight follows the pointer over the open list, as in any drop-down list.
void DropdownControl::OnPopupHover(Element& element, Element* hovered)
{
    Element* option = hovered && IsOpen(element) ? OptionAround(*hovered, element) : nullptr;
    if (option && !(option->State() & kStateDisabled) && option != HighlightedOption(element))
        HighlightOption(element, option);
}

void DropdownControl::Choose(Element& select, Element& option)
{
    ChooseOption(select, &option);
    ClosePopup(select);
    SendBehaviorEvent(select, select, EVENT_VALUE_CHANGED, 0);
}

}  // namespace htmlengine
