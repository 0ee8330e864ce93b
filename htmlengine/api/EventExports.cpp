// Handlers, the event root, sent and posted events, and behaviour method calls.
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/events/Dispatcher.h"
#include "htmlengine/document/events/HandlerBinding.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/window/EngineWindow.h"

#include <algorithm>

using namespace htmlengine;

namespace {

bool SameHandler(const HandlerBinding& binding, ELEMENT_EVENT_PROC proc, LPVOID tag)
{
    return binding.proc == reinterpret_cast<ElementProc>(proc) && binding.tag == tag;
}

void RemoveHandler(std::vector<HandlerBinding>& handlers, ELEMENT_EVENT_PROC proc, LPVOID tag)
{
    handlers.erase(std::remove_if(handlers.begin(), handlers.end(),
                                  [&](const HandlerBinding& b) { return SameHandler(b, proc, tag); }),
                   handlers.end());
}

// The click method: what a user's click on a button, box, radio or link does.
ENGINE_RESULT Click(Element& element)
{
    Control* control = element.GetControl();
    if (!control || !control->MakesClicks() || IsDisabledInTree(element))
        return ENGINE_NOT_HANDLED;
    control->OnClick(element, element);
    return ENGINE_OK;
}

}  // namespace

ENGINE_API HTMLayoutWindowAttachEventHandler(HWND hwnd, ELEMENT_EVENT_PROC proc, LPVOID tag, UINT subscription)
{
    if (!hwnd || !proc)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        auto& handlers = EngineWindow::Ensure(hwnd).WindowHandlers();
        RemoveHandler(handlers, proc, tag);
        handlers.push_back({ reinterpret_cast<ElementProc>(proc), tag, subscription, {} });
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutWindowDetachEventHandler(HWND hwnd, ELEMENT_EVENT_PROC proc, LPVOID tag)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    if (!window)
        return ENGINE_INVALID_PARAMETER;
    RemoveHandler(window->WindowHandlers(), proc, tag);
    return ENGINE_OK;
}

ENGINE_API HTMLayoutSetEventRoot(HELEMENT he, HELEMENT* previous)
{
    Element* element = LiveElement(he);
    Document* document = element ? element->OwnerDocument() : nullptr;
    if (!document)
        return ENGINE_INVALID_HANDLE;
    if (previous)
        *previous = document->EventRoot() ? document->EventRoot() : document->Root();
    document->SetEventRoot(element == document->Root() ? nullptr : element);
    return ENGINE_OK;
}

ENGINE_API HTMLayoutPostEvent(HELEMENT he, UINT code, HELEMENT sourceHandle, UINT_PTR reason)
{
    Element* target = LiveElement(he);
    Element* source = sourceHandle ? LiveElement(sourceHandle) : target;
    if (!target || !source)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] { return PostBehaviorEvent(*target, *source, code, reason) ? ENGINE_OK : ENGINE_FAILED; });
}

ENGINE_API HTMLayoutSendEvent(HELEMENT he, UINT code, HELEMENT sourceHandle, UINT_PTR reason, BOOL* handled)
{
    Element* target = LiveElement(he);
    Element* source = sourceHandle ? LiveElement(sourceHandle) : target;
    if (!target || !source)
        return ENGINE_INVALID_HANDLE;
    return Guarded([&] {
        ElementHold hold(*target);
        bool answer = SendBehaviorEvent(*target, *source, code, reason);
        if (handled)
            *handled = answer;
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutCallBehaviorMethod(HELEMENT he, METHOD_PARAMS* params)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!params)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        ElementHold hold(*element);
        return params->methodID == METHOD_CLICK                         ? Click(*element)
               : DispatchToElement(*element, GROUP_METHOD_CALL, params) ? ENGINE_OK
                                                                        : ENGINE_NOT_HANDLED;
    });
}
