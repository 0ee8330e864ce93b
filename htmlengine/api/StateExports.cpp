// States, visibility, location and control values.
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/api/ValueConversion.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/window/EngineWindow.h"

using namespace htmlengine;

namespace {

void Invalidate(Element& element)
{
    if (Document* document = element.OwnerDocument())
        document->Host().Repaint(&element);
}

// The window that shows the element's document, or null.
EngineWindow* WindowOf(Element& element)
{
    Document* document = element.OwnerDocument();
    return document ? EngineWindow::Find(static_cast<HWND>(document->Host().WindowHandle())) : nullptr;
}

// Low nibble: 1 relative to the view, 2 to the document (as if nothing were scrolled).
// High nibble: 0 content box, 1 padding box, 2 border box, 3 margin box, 6 the scroll port
// (the padding box less scroll bars).
bool Locate(EngineWindow& window, Element& element, UINT areas, RECT& location)
{
    LayoutView& layout = window.Layout();
    Rect rect;
    if (!layout.ElementRect(element, rect))
        return false;
    const Box* box = layout.BoxOf(element);
    Edges margin, border, padding;
    if (box) {
        margin = box->margin;
        border = box->border;
        padding = box->padding;
    }
    switch (areas & 0xF0) {
    case 0x00: rect = Inset(Inset(rect, border), padding); break;
    case 0x10: rect = Inset(rect, border); break;
    case 0x30:
        rect = { rect.x - margin.left, rect.y - margin.top, rect.width + margin.Horizontal(),
                 rect.height + margin.Vertical() };
        break;
    case 0x60:
        rect = Inset(rect, border);
        if (box && box->scroll)
            rect = { rect.x, rect.y, box->scroll->port.width, box->scroll->port.height };
        break;
    default: break;
    }
    if ((areas & 0x0F) == 2) {
        const LayoutTree* tree = layout.Update();
        Point scrolled = tree && tree->viewport->scroll ? tree->viewport->scroll->offset : Point();
        rect = rect.Offset(scrolled.x, scrolled.y);
    }
    location = RECT { rect.x, rect.y, rect.Right(), rect.Bottom() };
    return true;
}

}  // namespace

ENGINE_API HTMLayoutGetElementState(HELEMENT he, UINT* state)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!state)
        return ENGINE_INVALID_PARAMETER;
    *state = element->State();
    return ENGINE_OK;
}

ENGINE_API HTMLayoutSetElementState(HELEMENT he, UINT set, UINT clear, BOOL update)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        ChangeState(*element, set, clear);
        if (update)
            Invalidate(*element);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutUpdateElement(HELEMENT he, BOOL renderNow)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        Invalidate(*element);
        EngineWindow* window = WindowOf(*element);
        if (renderNow && window)
            UpdateWindow(window->Handle());
        return ENGINE_OK;
    });
}

// Every scrolling box around the element moves just enough to show it; flag 0x10 (smooth)
// scrolls at once too.
ENGINE_API HTMLayoutScrollToView(HELEMENT he, UINT)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        if (EngineWindow* window = WindowOf(*element))
            window->Layout().ScrollIntoView(*element);
        return ENGINE_OK;
    });
}

// Shown: it has a box and neither it nor an ancestor is hidden (scrolled out of sight still counts).
ENGINE_API HTMLayoutIsElementVisible(HELEMENT he, BOOL* visible)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!visible)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        EngineWindow* window = WindowOf(*element);
        Rect rect;
        bool shown = element->OwnerDocument() && IsElementVisible(*element);
        if (shown && window)
            shown = window->Layout().ElementRect(*element, rect);
        *visible = shown;
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutGetElementLocation(HELEMENT he, RECT* location, UINT areas)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!location)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        *location = RECT { 0, 0, 0, 0 };
        EngineWindow* window = WindowOf(*element);
        if (window)
            Locate(*window, *element, areas, *location);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutControlGetType(HELEMENT he, UINT* type)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!type)
        return ENGINE_INVALID_PARAMETER;
    *type = element->GetControl() ? element->GetControl()->Type() : kControlNone;
    return ENGINE_OK;
}

ENGINE_API HTMLayoutControlGetValue(HELEMENT he, VALUE* value)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!value)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        Control* control = element->GetControl();
        ToValue(control ? control->GetValue(*element) : TextValue(*element), *value);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutControlSetValue(HELEMENT he, const VALUE* value)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!value)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        ControlValue control = FromValue(*value);
        if (element->GetControl())
            element->GetControl()->SetValue(*element, control);
        else
            SetTextValue(*element, control);
        Invalidate(*element);
        return ENGINE_OK;
    });
}
