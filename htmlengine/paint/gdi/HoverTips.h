#pragma once
// Tooltips after a hover delay: the pointer resting over an element with a `title` (lines
// split at "\r") or a `titleid` (the id of a popup of the page) for half a second shows
// the tip near the pointer; moving to another element, a press, a key or leaving the
// window hides it. Tab reaching an element with a tip (its own or an ancestor's) shows it at
// once, under the element. A `titleid` popup is the page's own element, shown fixed at the pointer
// (layout keeps it inside the window); a title is drawn by the engine.
#include "htmlengine/document/geometry/Geometry.h"
#include "htmlengine/paint/TitleTip.h"

#include <windows.h>

#include <optional>

namespace htmlengine {

class Element;

const UINT_PTR kTooltipTimerId = 0x48454E33;  // the engine's; the program's timers keep small ids

class HoverTips {
public:
    explicit HoverTips(HWND window) : window_(window) {}
    ~HoverTips();
    HoverTips(const HoverTips&) = delete;
    HoverTips& operator=(const HoverTips&) = delete;

    // The pointer is over `hovered` (null: over nothing) at `pointer`.
    void PointerMoved(Element* hovered, Point pointer);
    void Hide();
    // A new page: nothing of the old one is tracked any longer.
    void Reset();
    // The delay is over: the tip shows. True when the timer was this one's.
    bool OnTimer(UINT_PTR id);
    // The keyboard moved the focus to `focused` (null: nowhere), at `place` in the window.
    void FocusMoved(Element* focused, const Rect& place);
    // The engine-drawn tip on screen, or null.
    const TitleTip* Shown() const { return shown_ ? &*shown_ : nullptr; }

private:
    void Track(Element* owner, Point pointer);
    void ShowTracked();
    void ShowPopup(Element& popup);

    HWND window_;
    Element* owner_ = nullptr;  // referenced while tracked
    Element* popup_ = nullptr;  // a shown titleid popup, referenced
    Point pointer_;
    std::optional<TitleTip> shown_;
};

}  // namespace htmlengine
