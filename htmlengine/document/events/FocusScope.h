#pragma once
// Panels that are modal to the keyboard too, and the one rule that keeps the focus usable. An
// element styled "focus-scope: contain" holds the keyboard while it is shown; of several shown,
// the topmost (z-index, then document order) does. While one does, Tab and Shift+Tab stay inside
// it, keys reach only what lies inside it (the panel itself while the focus is elsewhere) and
// clicks outside it are ignored. When a panel appears the focus moves in, to its entry focus
// (its first "autofocus" element, else its first Tab stop); when it goes, the focus returns to
// where it was before.
// A focus that cannot be used any more (its element disabled, hidden, removed, or the element a
// closed panel returns to cannot take it) goes to the nearest shown focusable ancestor, else to
// the entry focus of what holds the keyboard; the element it was taken from gets it back once it
// can hold it again, unless the user acted meanwhile. The event root that the program sets
// confines input the same way.
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
        ForgetTakenFocus();
    }

    // The element the focus was taken from because it could not hold it, and where it went.
    ElementRef& TakenFrom() { return takenFrom_; }
    ElementRef& PutOn() { return putOn_; }
    // Where a focused element was removed from: its parent, the start of the search for a new home.
    ElementRef& RemovedFrom() { return removedFrom_; }
    // The user acted: a focus taken meanwhile is not given back over what the user did.
    void ForgetTakenFocus()
    {
        takenFrom_.Reset();
        putOn_.Reset();
    }

private:
    std::vector<std::unique_ptr<Entry>> stack_;
    unsigned long long settledAt_ = 0;  // the style generation the stack was brought up to
    ElementRef takenFrom_;
    ElementRef putOn_;
    ElementRef removedFrom_;
};

// Where Tab and keys without a focused element inside go: the panel that holds the keyboard,
// else the event root, else null (the whole document).
Element* InputScope(Document& document);

// Whether the element lies in the panel that holds the keyboard and in the event root.
bool InsideInputScopes(Document& document, const Element& element);

// Whether the element can hold the focus now: alive, focusable, enabled, shown, and inside the
// panel that holds the keyboard and the event root.
bool CanHoldFocus(Document& document, Element* element);

// Where the focus goes on entering `scope`: its first "autofocus" element that can hold it, else
// its first Tab stop; null when neither.
Element* EntryFocus(Document& document, Element& scope);

// Brings the stack and the focus in line with the panels shown now and settles a focus that
// cannot be used. Called before input is handled and before a frame is painted; does nothing
// while no style changed since.
void SettleFocusScope(Document& document);

// Called as user input arrives, before it is handled.
void UserActed(Document& document);

}  // namespace htmlengine
