#pragma once
// Single-line edits: text and password inputs. The text starts as the "value" attribute;
// typing and pasting respect "maxlength", values set by code do not. The edit keeps its
// caret, its selection (between the anchor and the caret) and how far its text is scrolled.
#include "htmlengine/document/controls/Control.h"

#include <string>
#include <vector>

namespace htmlengine {

class EditControl : public Control {
public:
    EditControl(Element& element, bool password);
    ControlType Type() const override { return password_ ? kControlPassword : kControlText; }
    ControlValue GetValue(Element& element) const override;
    void SetValue(Element& element, const ControlValue& value) override;
    bool OnKeyDown(Element& element, unsigned key, unsigned keyboardState) override;
    bool OnCharacter(Element& element, wchar_t character) override;
    // Tab brings the focus with the whole text selected, so typing replaces it; a click
    // places the caret instead.
    void OnTabbedInto(Element& element) override;

    const std::wstring& Text() const { return text_; }
    size_t Caret() const { return caret_; }
    size_t SelectionStart() const;
    size_t SelectionEnd() const;
    // What the user sees: the text, or one mask character per character for passwords.
    std::wstring Shown(const Element& element) const;

    // A click (extend: a drag or Shift+click) at a character boundary of the shown text.
    void PlaceCaret(size_t index, bool extend);

    // Pixels of the shown text scrolled out at the left; the painter keeps the caret in view.
    int ScrollX() const { return scrollX_; }
    void KeepInView(int caretX, int textWidth, int viewWidth);
    // An edit without the focus shows the start of its text.
    void ScrollToStart() { scrollX_ = 0; }
    // Where the painter put the shown text: the x of its start in the border box (before
    // scrolling) and the advance up to each character, so that clicks find their place.
    void SetShownGeometry(int textLeft, std::vector<int> extents);
    // Press to place the caret, Shift+press or drag to select.
    bool OnMouse(Element& element, const MouseInput& input) override;

protected:
    // A user edit changed the text.
    virtual void Edited(Element& element);
    void Replace(std::wstring text);
    // The text, caret or selection changed: the edit is painted again.
    void Show(Element& element);

private:
    bool OnEditKey(Element& element, unsigned key, unsigned keyboardState);
    bool OnShortcut(Element& element, unsigned key);
    bool OnDeletion(Element& element, bool forward);
    // Typed or pasted text in place of the selection, cut to what "maxlength" leaves room for.
    void Insert(Element& element, std::wstring text);
    bool DeleteSelection();
    void MoveCaret(size_t to, bool extend);
    void SelectAll();
    bool CopySelection(Element& element);
    size_t IndexAt(int x) const;

    bool password_;
    std::wstring text_;
    size_t caret_ = 0;
    size_t anchor_ = 0;
    int scrollX_ = 0;
    int textLeft_ = 0;
    std::vector<int> extents_;
};

// Whether the element is a text, password or date input.
bool IsEditOf(const Element* element);

}  // namespace htmlengine
