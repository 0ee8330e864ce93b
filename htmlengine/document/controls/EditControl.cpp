#include "htmlengine/document/controls/EditControl.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Dispatcher.h"

#include <algorithm>
#include <cwchar>

namespace htmlengine {

namespace {

enum Key : unsigned { kBack = 0x08, kDelete = 0x2E, kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kRight = 0x27 };

size_t MaxLength(const Element& element)
{
    const std::wstring* limit = element.FindAttribute("maxlength");
    long value = limit ? std::wcstol(limit->c_str(), nullptr, 10) : 0;
    return value > 0 ? size_t(value) : std::wstring::npos;
}

}  // namespace

EditControl::EditControl(Element& element, bool password)
    : password_(password), text_(element.AttributeOr("value"))
{
    caret_ = anchor_ = text_.size();
}

ControlValue EditControl::GetValue(Element&) const { return ControlValue::String(text_); }

void EditControl::SetValue(Element&, const ControlValue& value)
{
    Replace(value.kind == ControlValue::Kind::String ? value.text : std::wstring());
}

void EditControl::Replace(std::wstring text)
{
    text_ = std::move(text);
    caret_ = anchor_ = text_.size();
}

std::wstring EditControl::Shown(const Element& element) const
{
    if (!password_) return text_;
    std::wstring mask = element.AttributeOr("password-char", L"*");
    return std::wstring(text_.size(), mask.empty() ? L'*' : mask[0]);
}

bool EditControl::DeleteSelection()
{
    if (caret_ == anchor_) return false;
    size_t from = std::min(caret_, anchor_);
    text_.erase(from, std::max(caret_, anchor_) - from);
    caret_ = anchor_ = from;
    return true;
}

void EditControl::MoveCaret(size_t to, bool extend)
{
    caret_ = std::min(to, text_.size());
    if (!extend) anchor_ = caret_;
}

bool EditControl::OnKeyDown(Element& element, unsigned key, unsigned keyboardState)
{
    bool shift = (keyboardState & 0x2) != 0;
    switch (key) {
    case kHome: MoveCaret(0, shift); return true;
    case kEnd: MoveCaret(text_.size(), shift); return true;
    case kLeft: MoveCaret(caret_ > 0 ? caret_ - 1 : 0, shift); return true;
    case kRight: MoveCaret(caret_ + 1, shift); return true;
    case kBack:
        if (!DeleteSelection() && caret_ > 0) text_.erase(--caret_, 1), anchor_ = caret_;
        Edited(element);
        return true;
    case kDelete:
        if (!DeleteSelection() && caret_ < text_.size()) text_.erase(caret_, 1);
        Edited(element);
        return true;
    default: return false;
    }
}

bool EditControl::OnCharacter(Element& element, wchar_t character)
{
    if (character < 0x20) return false;  // control keys come as key-down
    DeleteSelection();
    if (text_.size() >= MaxLength(element)) return true;
    text_.insert(caret_++, 1, character);
    anchor_ = caret_;
    Edited(element);
    return true;
}

void EditControl::Edited(Element& element) { SendBehaviorEvent(element, element, EVENT_VALUE_CHANGED, 0); }

}  // namespace htmlengine
