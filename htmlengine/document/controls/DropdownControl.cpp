#include "htmlengine/document/controls/DropdownControl.h"

#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/document/controls/Popups.h"
#include "htmlengine/document/controls/SelectChoice.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
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
        if (child->Tag() == "popup") return child;
    return nullptr;
}

// The options a user can choose, in document order.
std::vector<Element*> EnabledOptions(Element& select)
{
    std::vector<Element*> options = OptionsOf(select);
    options.erase(std::remove_if(options.begin(), options.end(),
                                 [](Element* option) { return (option->State() & kStateDisabled) != 0; }),
                  options.end());
    return options;
}

bool IsOpenKey(unsigned key, unsigned keyboardState)
{
    return key == VK_F4 || ((keyboardState & KEYBOARD_ALT) && (key == VK_DOWN || key == VK_UP));
}

}  // namespace

ControlValue DropdownControl::GetValue(Element& element) const
{
    Element* chosen = ChosenOption(element);
    if (!chosen) return ControlValue::Undefined();
    return ControlValue::String(chosen->AttributeOr("value", TextContent(*chosen)));
}

void DropdownControl::SetValue(Element& element, const ControlValue& value)
{
    if (value.kind != ControlValue::Kind::String && value.kind != ControlValue::Kind::Integer) return;
    std::wstring wanted = value.kind == ControlValue::Kind::String ? value.text : std::to_wstring(value.number);
    for (Element* option : OptionsOf(element))
        if (option->AttributeOr("value") == wanted) return ChooseOption(element, option);
}

bool DropdownControl::IsOpen(Element& select)
{
    Element* popup = Popup(select);
    return popup && (popup->State() & kStateExpanded);
}

void DropdownControl::Open(Element& select)
{
    Element* popup = Popup(select);
    if (!popup || IsOpen(select)) return;
    NotePopupOpened(select);
    ChangeState(*popup, kStateExpanded, 0);
    std::vector<Element*> options = EnabledOptions(select);
    Element* chosen = ChosenOption(select);
    bool chosenEnabled = std::find(options.begin(), options.end(), chosen) != options.end();
    Highlight(select, chosenEnabled ? chosen : options.empty() ? nullptr : options.front());
}

void DropdownControl::ClosePopup(Element& select)
{
    Highlight(select, nullptr);
    if (Element* popup = Popup(select))
        if (popup->State() & kStateExpanded) ChangeState(*popup, kStateCollapsed, 0);
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

Element* DropdownControl::Step(const std::vector<Element*>& options, Element* from, unsigned key) const
{
    if (options.empty()) return nullptr;
    auto at = std::find(options.begin(), options.end(), from);
    switch (key) {
    case VK_HOME: return options.front();
    case VK_END: return options.back();
    case VK_DOWN: return at == options.end() ? options.front() : at + 1 == options.end() ? *at : *(at + 1);
    case VK_UP: return at == options.end() ? options.front() : at == options.begin() ? *at : *(at - 1);
    default: return nullptr;
    }
}

bool DropdownControl::OnKeyDown(Element& element, unsigned key, unsigned keyboardState)
{
    if (IsOpenKey(key, keyboardState)) {
        Open(element);
        return true;
    }
    Element* next = Step(EnabledOptions(element), ChosenOption(element), key);
    if (!next) return false;
    if (next != ChosenOption(element)) Choose(element, *next);
    return true;
}

bool DropdownControl::OnCharacter(Element& element, wchar_t character)
{
    if (character < 0x20) return false;
    std::vector<Element*> options = EnabledOptions(element);
    std::vector<std::wstring> texts;
    for (Element* option : options) texts.push_back(TextContent(*option));
    bool open = IsOpen(element);
    Element* from = open ? Highlighted(element) : ChosenOption(element);
    int current = int(std::find(options.begin(), options.end(), from) - options.begin());
    int found = typeAhead_.Find(character, GetTickCount(), texts, current < int(options.size()) ? current : -1);
    if (found < 0) return true;
    if (open)
        Highlight(element, options[size_t(found)]);
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
    if (key == VK_ESCAPE || IsOpenKey(key, keyboardState)) {
        ClosePopup(select);
        return true;
    }
    if (key == VK_RETURN) {
        if (Element* option = Highlighted(select))
            Choose(select, *option);
        else
            ClosePopup(select);
        return true;
    }
    if (key == VK_TAB) {
        ClosePopup(select);
        return false;  // the focus moves on as usual
    }
    Element* next = Step(EnabledOptions(select), Highlighted(select), key);
    if (next) Highlight(select, next);
    return next != nullptr;
}

void DropdownControl::OnFocusLost(Element& element) { ClosePopup(element); }

// The highlight follows the pointer over the open list, as in any drop-down list.
void DropdownControl::OnPopupHover(Element& element, Element* hovered)
{
    Element* option = hovered && IsOpen(element) ? OptionAround(*hovered, element) : nullptr;
    if (option && !(option->State() & kStateDisabled) && option != Highlighted(element)) Highlight(element, option);
}

Element* DropdownControl::Highlighted(Element& select) const
{
    for (Element* option : OptionsOf(select))
        if (option->State() & kStateCurrent) return option;
    return nullptr;
}

void DropdownControl::Highlight(Element& select, Element* option)
{
    for (Element* each : OptionsOf(select)) {
        bool current = (each->State() & kStateCurrent) != 0;
        if (current != (each == option)) ChangeState(*each, each == option ? kStateCurrent : 0, each == option ? 0 : kStateCurrent);
    }
    Document* document = select.OwnerDocument();
    if (option && document) document->Host().ScrollIntoView(*option);
}

void DropdownControl::Choose(Element& select, Element& option)
{
    ChooseOption(select, &option);
    ClosePopup(select);
    SendBehaviorEvent(select, select, EVENT_VALUE_CHANGED, 0);
}

}  // namespace htmlengine
