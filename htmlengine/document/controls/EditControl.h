#pragma once
// Single-line edits: text and password inputs. The text starts as the "value" attribute;
// typing respects "maxlength", values set by code do not.
#include "htmlengine/document/controls/Control.h"

#include <string>

namespace htmlengine {

class EditControl : public Control {
public:
    EditControl(Element& element, bool password);
    ControlType Type() const override { return password_ ? kControlPassword : kControlText; }
    ControlValue GetValue(Element& element) const override;
    void SetValue(Element& element, const ControlValue& value) override;
    bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState) override;
    bool OnCharacter(Element& element, wchar_t character) override;

    const std::wstring& Text() const { return text_; }
    size_t Caret() const { return caret_; }
    // What the user sees: the text, or one mask character per character for passwords.
    std::wstring Shown(const Element& element) const;

protected:
    // A user edit changed the text.
    virtual void Edited(Element& element);
    void Replace(std::wstring text);

private:
    bool DeleteSelection();
    void MoveCaret(size_t to, bool extend);

    bool password_;
    std::wstring text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;  // selection is [min(anchor, caret), max(...))
};

}  // namespace htmlengine
