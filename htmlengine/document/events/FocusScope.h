#pragma once
// Panels that are modal to the keyboard too. An element styled "focus-scope: contain" holds
// the keyboard while it is shown; of several shown, the topmost (z-index, then document
// order) does. While one does, Tab and Shift+Tab stay inside it, keys reach only what lies
// inside it (the panel itself while the focus is elsewhere) and clicks outside it are
// ignored. When a panel appears the focus moves in, to its first "autofocus" element or its
// first Tab stop; when it goes, the focus returns to where it was before, or, when that is gone,
// to the first Tab stop of the page. The event root that the
// program sets confines input the same way.
#include "htmlengine/document/dom/ElementLifetime.h"

#include <memory>
#include <vector>

namespace htmlengine {

class Document;
class Element;

// The shown panels in the order they appeared, each with the element that had the focus then.
class FocusScopes {
public:
    struct Entry {
        ElementRef scope;
        ElementRef returnTo;
    };

    std::vector<std::unique_ptr<Entry>>& Stack() { return stack_; }
    // The panel that holds the keyboard since the last settling, or null.
    Element* Top() const { return stack_.empty() ? nullptr : stack_.back()->scope.Get(); }
    unsigned long long SettledAt() const { return settledAt_; }
    void SetSettledAt(unsigned long long generation) { settledAt_ = generation; }
    void Clear()
    {
        stack_.clear();
        settledAt_ = 0;
    }

private:
    std::vector<std::unique_ptr<Entry>> stack_;
    unsigned long long settledAt_ = 0;  // the style generation the stack was brought up to
};

// Where Tab and keys without a focused element inside go: the panel that holds the keyboard,
// else the event root, else null (the whole document).
Element* InputScope(Document& document);

// Whether the element lies in the panel that holds the keyboard and in the event root.
bool InsideInputScopes(Document& document, const Element& element);

// Brings the stack and the focus in line with the panels shown now. Called before input is
// handled and before a frame is painted; does nothing while no style changed since.
void SettleFocusScope(Document& document);

}  // namespace htmlengine
