// Handles, the tree, creation, insertion, detaching, deletion and sorting.
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/dom/ElementRegistry.h"
#include "htmlengine/document/events/Adoption.h"
#include "htmlengine/api/Handles.h"
#include "htmlengine/window/EngineWindow.h"

#include <algorithm>

using namespace htmlengine;

namespace {

ENGINE_RESULT Give(Element* element, HELEMENT* out)
{
    if (!out)
        return ENGINE_INVALID_PARAMETER;
    *out = element;
    return ENGINE_OK;
}

// Takes an element out of its parent; it stays alive for the caller.
void TakeOut(Element& element)
{
    Unlink(element);
    if (Element* parent = element.Parent())
        parent->RemoveNode(&element);
}

bool InDocumentOf(Element& element, HWND hwnd)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    return window && window->GetDocument() && element.OwnerDocument() == window->GetDocument();
}

}  // namespace

ENGINE_API HTMLayout_UseElement(HELEMENT he)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    AddReference(element);
    return ENGINE_OK;
}

ENGINE_API HTMLayout_UnuseElement(HELEMENT he)
{
    Element* element = AnyElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    DropReference(element);
    return ENGINE_OK;
}

ENGINE_API HTMLayoutGetRootElement(HWND hwnd, HELEMENT* root)
{
    EngineWindow* window = EngineWindow::Find(hwnd);
    Element* element = window && window->GetDocument() ? window->GetDocument()->Root() : nullptr;
    Give(element, root);
    return element ? ENGINE_OK : ENGINE_FAILED;
}

ENGINE_API HTMLayoutGetParentElement(HELEMENT he, HELEMENT* parent)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    return Give(element->Parent(), parent);
}

ENGINE_API HTMLayoutGetChildrenCount(HELEMENT he, UINT* count)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!count)
        return ENGINE_INVALID_PARAMETER;
    *count = UINT(element->ChildCount());
    return ENGINE_OK;
}

ENGINE_API HTMLayoutGetNthChild(HELEMENT he, UINT n, HELEMENT* child)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    return Give(element->Child(n), child);
}

ENGINE_API HTMLayoutGetElementIndex(HELEMENT he, UINT* index)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!index)
        return ENGINE_INVALID_PARAMETER;
    *index = UINT(element->Index());
    return ENGINE_OK;
}

ENGINE_API HTMLayoutGetElementHwnd(HELEMENT he, HWND* hwnd, BOOL rootWindow)
{
    Document* document = DocumentOf(he);
    if (!hwnd)
        return ENGINE_INVALID_PARAMETER;
    *hwnd = document ? static_cast<HWND>(document->Host().WindowHandle()) : nullptr;
    if (*hwnd && rootWindow)
        *hwnd = GetAncestor(*hwnd, GA_ROOT) ? GetAncestor(*hwnd, GA_ROOT) : *hwnd;
    return document ? ENGINE_OK : ENGINE_FAILED;
}

ENGINE_API HTMLayoutGetElementUID(HELEMENT he, UINT* uid)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!uid)
        return ENGINE_INVALID_PARAMETER;
    *uid = element->Uid();
    return ENGINE_OK;
}

ENGINE_API HTMLayoutGetElementByUID(HWND hwnd, UINT uid, HELEMENT* he)
{
    Element* element = uid ? ElementByUid(uid) : nullptr;
    if (!element || element->deleted || !InDocumentOf(*element, hwnd))
        return ENGINE_FAILED;
    return Give(element, he);
}

ENGINE_API HTMLayoutCreateElement(const char* tag, const wchar_t* text, HELEMENT* he)
{
    if (!tag || !*tag || !he)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        Element* element = new Element(tag);
        if (text && *text)
            element->AppendNode(new TextNode(text));
        *he = element;
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutInsertElement(HELEMENT he, HELEMENT parentHandle, UINT index)
{
    Element* element = LiveElement(he);
    Element* parent = LiveElement(parentHandle);
    if (!element || !parent)
        return ENGINE_INVALID_HANDLE;
    if (element == parent || element->IsAncestorOf(parent) || (element->OwnerDocument() && !element->Parent()))
        return ENGINE_INVALID_PARAMETER;  // into itself, or a document's root
    return Guarded([&] {
        ElementHold hold(*element);
        TakeOut(*element);
        parent->InsertChild(element, index);
        AdoptSubtree(*element);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutDetachElement(HELEMENT he)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!element->Parent())
        return ENGINE_OK;
    AddReference(element);
    TakeOut(*element);
    DropReference(element);  // freed now when nothing holds it
    return ENGINE_OK;
}

ENGINE_API HTMLayoutDeleteElement(HELEMENT he)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (element->OwnerDocument() && !element->Parent())
        return ENGINE_INVALID_PARAMETER;  // the root
    return Guarded([&] {
        ElementHold hold(*element);
        DetachBehaviors(*element);
        TakeOut(*element);
        MarkDeleted(element);
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutSortElements(HELEMENT he, UINT first, UINT last, ELEMENT_COMPARATOR cmp, LPVOID param)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    last = std::min<UINT>(last, UINT(element->ChildCount()));
    if (!cmp || first > last)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        std::vector<Element*> order(element->Children().begin() + first, element->Children().begin() + last);
        std::stable_sort(order.begin(), order.end(), [&](Element* a, Element* b) { return cmp(a, b, param) < 0; });
        element->ReorderChildren(first, order);
        if (Document* document = element->OwnerDocument())
            document->BoxesChanged(*element);
        return ENGINE_OK;
    });
}
