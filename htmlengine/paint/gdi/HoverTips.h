#pragma once
// Tooltips after a hover delay: the pointer resting over an element with a `title` (lines
// split at "\r") or a `titleid` (the id of a popup of the page) for half a second shows
// the tip near the pointer; moving to another element, a press, a key or leaving the
// window hides it. Tab reaching an element with a tip (its own or an ancestor's) shows it at
// once, under the element. Either tip goes under the pointer's cursor or the focused element
// and its ring, or above them when there is no room below, so it never covers them. A
// `titleid` popup is the page's own element, shown fixed there; a title is drawn by the engine.
#include "htmlengine/document/geometry/Geometry.h"
#include "htmlengine/paint/TitleTip.h"

#include <windows.h>

#include <optional>

namespace htmlengine {

class Element;
class LayoutView;

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
    bool OnTimer(UINT_PTR id, LayoutView& layout);
    // The keyboard moved the focus to `focused` (null: nowhere), at `place` in the window.
    void FocusMoved(Element* focused, const Rect& place, LayoutView& layout);
    // The engine-drawn tip on screen, or null.
    const TitleTip* Shown() const { return shown_ ? &*shown_ : nullptr; }

private:
    void Track(Element* owner);
    void ShowTracked(LayoutView& layout);
    void ShowPopup(Element& popup, LayoutView& layout);

    HWND window_;
    Element* owner_ = nullptr;  // referenced while tracked
    Element* popup_ = nullptr;  // a shown titleid popup, referenced
    Rect anchor_;  // what the tip leaves uncovered, in view coordinates
    std::optional<TitleTip> shown_;
};

}  // namespace htmlengine
