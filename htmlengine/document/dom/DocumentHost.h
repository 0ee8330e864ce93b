#pragma once
// What a document asks of the window that shows it: URL data and program behaviours. The
// window implements it by notifying the host program; tests implement it directly.
#include "htmlengine/document/events/HandlerBinding.h"

#include <string>
#include <vector>

namespace htmlengine {

class Element;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // What a URL is asked for (the load-data notification's data type).
    enum class UrlKind { Html = 0, Image = 1, StyleSheet = 2 };

    // The bytes of a URL as the page wrote it; false when there are none.
    virtual bool LoadUrl(const std::wstring& url, UrlKind kind, std::vector<unsigned char>& data) = 0;

    // Offers one behaviour name of an element to the program; true with `binding` filled
    // when the program takes it.
    virtual bool AttachBehavior(Element& element, const std::string& name, HandlerBinding& binding) = 0;

    // The window's handle, for the API's element-window call; null without a window.
    virtual void* WindowHandle() const = 0;

    // Handlers attached to the window: they see every event of the document.
    virtual std::vector<HandlerBinding>& WindowHandlers() = 0;

    // Posted events wait in the document; the window dispatches them from its message loop.
    virtual void WakeForPostedEvents() = 0;

    // An element took the keyboard focus: the window takes the system focus.
    virtual void TakeFocus() = 0;

    // Something boxes depend on changed (elements, text, attributes, states, styles): the
    // window lays out again before its next paint, hit test or location query.
    virtual void ContentChanged() = 0;
    // Only the look of an element changed (a caret, a selection, an edit's text): repaint
    // without relayout; null repaints the whole window.
    virtual void Repaint(const Element* element) = 0;

    // Scrolls the element's scrolling ancestors until it is in view (a highlighted option).
    virtual void ScrollIntoView(Element& element) = 0;
};

}  // namespace htmlengine
