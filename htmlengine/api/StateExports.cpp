// States, visibility, location and control values.
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/api/ValueConversion.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/layout/ElementArea.h"
#include "htmlengine/window/EngineWindow.h"
#include "htmlengine/window/FocusTraversal.h"

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

ENGINE_API HTMLayoutGetFocusTarget(HELEMENT wanted, HELEMENT root, HELEMENT* found)
{
    Element* scope = LiveElement(root);
    if (!scope)
        return ENGINE_INVALID_HANDLE;
    if (!found)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        EngineWindow* window = WindowOf(*scope);
        Document* document = scope->OwnerDocument();
        *found = window && document ? FocusTarget(*document, LiveElement(wanted), scope) : nullptr;
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
        Rect area;
        if (window && ElementArea(window->Layout(), *element, areas, area))
            *location = RECT { area.x, area.y, area.Right(), area.Bottom() };
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
