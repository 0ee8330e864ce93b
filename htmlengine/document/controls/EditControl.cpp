#include "htmlengine/document/controls/EditControl.h"

#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/document/controls/Clipboard.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
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

// A single-line edit takes the first line of what is pasted, without control characters.
std::wstring FirstLine(const std::wstring& text)
{
    std::wstring line;
    for (wchar_t c : text) {
        if (c == L'\r' || c == L'\n')
            break;
        if (c >= 0x20)
            line += c;
    }
    return line;
}

void* WindowOf(Element& element)
{
    Document* document = element.OwnerDocument();
    return document ? document->Host().WindowHandle() : nullptr;
}

}  // namespace

EditControl::EditControl(Element& element, bool password) : password_(password), text_(element.AttributeOr("value"))
{
    caret_ = anchor_ = text_.size();
}

ControlValue EditControl::GetValue(Element&) const
{
    return ControlValue::String(text_);
}

void EditControl::SetValue(Element&, const ControlValue& value)
{
    Replace(value.kind == ControlValue::Kind::String ? value.text : std::wstring());
}

void EditControl::Replace(std::wstring text)
{
    text_ = std::move(text);
    caret_ = anchor_ = text_.size();
}

void EditControl::OnTabbedInto(Element& element)
{
    SelectAll();
    Show(element);
}

void EditControl::SelectAll()
{
    anchor_ = 0;
    caret_ = text_.size();
}

size_t EditControl::SelectionStart() const
{
    return std::min(caret_, anchor_);
}
size_t EditControl::SelectionEnd() const
{
    return std::max(caret_, anchor_);
}

std::wstring EditControl::Shown(const Element& element) const
{
    if (!password_)
        return text_;
    std::wstring mask = element.AttributeOr("password-char", L"*");
    return std::wstring(text_.size(), mask.empty() ? L'*' : mask[0]);
}

void EditControl::PlaceCaret(size_t index, bool extend)
{
    MoveCaret(index, extend);
}

void EditControl::KeepInView(int caretX, int textWidth, int viewWidth)
{
    if (caretX - scrollX_ > viewWidth)
        scrollX_ = caretX - viewWidth;
    if (caretX < scrollX_)
        scrollX_ = caretX;
    scrollX_ = std::max(0, std::min(scrollX_, textWidth - viewWidth));  // no empty space at the right
}

void EditControl::SetShownGeometry(int textLeft, std::vector<int> extents)
{
    textLeft_ = textLeft;
    extents_ = std::move(extents);
}

// The character boundary nearest to x (border-box coordinates).
size_t EditControl::IndexAt(int x) const
{
    int offset = x - textLeft_ + scrollX_;
    size_t count = std::min(extents_.size(), text_.size());
    for (size_t i = 0; i < count; ++i) {
        int before = i == 0 ? 0 : extents_[i - 1];
        if (offset < (before + extents_[i]) / 2)
            return i;
    }
    return text_.size();
}

bool EditControl::OnMouse(Element& element, const MouseInput& input)
{
    bool shift = (input.keyboardState & KEYBOARD_SHIFT) != 0;
    if (input.kind == MouseInput::Kind::Down)
        PlaceCaret(IndexAt(input.x), shift);
    if (input.kind == MouseInput::Kind::Move && input.captured)
        PlaceCaret(IndexAt(input.x), true);
    if (input.kind == MouseInput::Kind::DoubleClick)
        SelectAll();
    bool taken = input.kind != MouseInput::Kind::Move || input.captured;
    if (taken)
        Show(element);
    return taken;
}

void EditControl::Show(Element& element)
{
    if (Document* document = element.OwnerDocument())
        document->Host().Repaint(&element);
}

bool EditControl::DeleteSelection()
{
    if (caret_ == anchor_)
        return false;
    size_t from = SelectionStart();
    text_.erase(from, SelectionEnd() - from);
    caret_ = anchor_ = from;
    return true;
}

void EditControl::MoveCaret(size_t to, bool extend)
{
    caret_ = std::min(to, text_.size());
    if (!extend)
        anchor_ = caret_;
}

void EditControl::Insert(Element& element, std::wstring text)
{
    bool deleted = DeleteSelection();
    size_t limit = MaxLength(element);
    size_t room = limit > text_.size() ? limit - text_.size() : 0;
    if (text.size() > room)
        text.resize(room);
    text_.insert(caret_, text);
    caret_ += text.size();
    anchor_ = caret_;
    if (deleted || !text.empty())
        Edited(element);
}

bool EditControl::CopySelection(Element& element)
{
    if (password_ || caret_ == anchor_)
        return false;  // a password never leaves its edit
    return WriteClipboardText(WindowOf(element), text_.substr(SelectionStart(), SelectionEnd() - SelectionStart()));
}

bool EditControl::OnShortcut(Element& element, unsigned key)
{
    switch (key) {
    case 'A': SelectAll(); return true;
    case 'C': CopySelection(element); return true;
    case 'X':
        if (CopySelection(element) && DeleteSelection())
            Edited(element);
        return true;
    case 'V':
        if (auto pasted = ReadClipboardText(WindowOf(element)))
            Insert(element, FirstLine(*pasted));
        return true;
    default: return false;
    }
}

bool EditControl::OnDeletion(Element& element, bool forward)
{
    if (!DeleteSelection()) {
        if (forward && caret_ < text_.size())
            text_.erase(caret_, 1);
        else if (!forward && caret_ > 0)
            text_.erase(--caret_, 1), anchor_ = caret_;
        else
            return true;  // nothing to delete: no change to report
    }
    Edited(element);
    return true;
}

bool EditControl::OnKeyDown(Element& element, unsigned key, unsigned keyboardState)
{
    bool taken = OnEditKey(element, key, keyboardState);
    if (taken)
        Show(element);
    return taken;
}

bool EditControl::OnEditKey(Element& element, unsigned key, unsigned keyboardState)
{
    bool shift = (keyboardState & KEYBOARD_SHIFT) != 0;
    if (keyboardState & KEYBOARD_CONTROL)
        return OnShortcut(element, key);
    switch (key) {
    case kHome: MoveCaret(0, shift); return true;
    case kEnd: MoveCaret(text_.size(), shift); return true;
    case kLeft:
        if (!shift && caret_ != anchor_)
            return MoveCaret(SelectionStart(), false), true;
        MoveCaret(caret_ > 0 ? caret_ - 1 : 0, shift);
        return true;
    case kRight:
        if (!shift && caret_ != anchor_)
            return MoveCaret(SelectionEnd(), false), true;
        MoveCaret(caret_ + 1, shift);
        return true;
    case kBack: return OnDeletion(element, false);
    case kDelete: return OnDeletion(element, true);
    default: return false;
    }
}

bool EditControl::OnCharacter(Element& element, wchar_t character)
{
    if (character < 0x20)
        return false;  // control keys come as key-down
    Insert(element, std::wstring(1, character));
    Show(element);
    return true;
}

bool IsEditOf(const Element* element)
{
    return element && dynamic_cast<EditControl*>(element->GetControl()) != nullptr;
}

void EditControl::Edited(Element& element)
{
    SendBehaviorEvent(element, element, EVENT_VALUE_CHANGED, 0);
}

}  // namespace htmlengine
