// States, visibility, location and control values.
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/exports/Handles.h"
#include "htmlengine/document/exports/ValueConversion.h"
#include "htmlengine/document/style/Cascade.h"

using namespace htmlengine;

namespace {

void Invalidate(Element& element)
{
    Document* document = element.OwnerDocument();
    HWND hwnd = document ? static_cast<HWND>(document->Host().WindowHandle()) : nullptr;
    if (hwnd && IsWindow(hwnd)) InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace

ENGINE_API HTMLayoutGetElementState(HELEMENT he, UINT* state)
{
    Element* element = LiveElement(he);
    if (!element) return ENGINE_INVALID_HANDLE;
    if (!state) return ENGINE_INVALID_PARAMETER;
    *state = element->State();
    return ENGINE_OK;
}

ENGINE_API HTMLayoutSetElementState(HELEMENT he, UINT set, UINT clear, BOOL update)
{
    Element* element = LiveElement(he);
    if (!element) return ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        ChangeState(*element, set, clear);
        if (update) Invalidate(*element);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutUpdateElement(HELEMENT he, BOOL renderNow)
{
    Element* element = LiveElement(he);
    if (!element) return ENGINE_INVALID_HANDLE;
    Invalidate(*element);
    Document* document = element->OwnerDocument();
    if (renderNow && document) UpdateWindow(static_cast<HWND>(document->Host().WindowHandle()));
    return ENGINE_OK;
}

// Without layout there is nothing to scroll; the element is in view by definition.
ENGINE_API HTMLayoutScrollToView(HELEMENT he, UINT) { return LiveElement(he) ? ENGINE_OK : ENGINE_INVALID_HANDLE; }

ENGINE_API HTMLayoutIsElementVisible(HELEMENT he, BOOL* visible)
{
    Element* element = LiveElement(he);
    if (!element) return ENGINE_INVALID_HANDLE;
    if (!visible) return ENGINE_INVALID_PARAMETER;
    *visible = element->OwnerDocument() && IsElementVisible(*element);
    return ENGINE_OK;
}

// Boxes come with layout; until then every box is empty at the origin.
ENGINE_API HTMLayoutGetElementLocation(HELEMENT he, RECT* location, UINT)
{
    if (!LiveElement(he)) return ENGINE_INVALID_HANDLE;
    if (!location) return ENGINE_INVALID_PARAMETER;
    *location = RECT{0, 0, 0, 0};
    return ENGINE_OK;
}

ENGINE_API HTMLayoutControlGetType(HELEMENT he, UINT* type)
{
    Element* element = LiveElement(he);
    if (!element) return ENGINE_INVALID_HANDLE;
    if (!type) return ENGINE_INVALID_PARAMETER;
    *type = element->GetControl() ? element->GetControl()->Type() : kControlNone;
    return ENGINE_OK;
}

ENGINE_API HTMLayoutControlGetValue(HELEMENT he, VALUE* value)
{
    Element* element = LiveElement(he);
    if (!element) return ENGINE_INVALID_HANDLE;
    if (!value) return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        Control* control = element->GetControl();
        ToValue(control ? control->GetValue(*element) : TextValue(*element), *value);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutControlSetValue(HELEMENT he, const VALUE* value)
{
    Element* element = LiveElement(he);
    if (!element) return ENGINE_INVALID_HANDLE;
    if (!value) return ENGINE_INVALID_PARAMETER;
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
