// Finding elements: by selector among the descendants, up the ancestors, by attribute.
#include "htmlengine/document/css/Selection.h"
#include "htmlengine/document/css/SelectorMatcher.h"
#include "htmlengine/document/css/SelectorParser.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/api/Handles.h"

#include <vector>

using namespace htmlengine;

namespace {

ENGINE_RESULT Visit(std::vector<Element*> found, ELEMENT_VISITOR callback, LPVOID param)
{
    ElementHold hold(std::move(found));
    for (Element* element : hold.Elements())
        if (!element->deleted && callback(element, param))
            break;
    return ENGINE_OK;
}

ENGINE_RESULT Select(HELEMENT he, const std::wstring& selectors, ELEMENT_VISITOR callback, LPVOID param)
{
    Element* scope = LiveElement(he);
    if (!scope)
        return ENGINE_INVALID_HANDLE;
    if (!callback)
        return ENGINE_INVALID_PARAMETER;
    return Guarded([&] {
        SelectorList list;
        try {
            list = ParseSelectors(selectors);
        } catch (const SelectorError&) {
            return ENGINE_INVALID_PARAMETER;
        }
        // Collected first: the visitor may change the tree.
        return Visit(SelectAll(*scope, list), callback, param);
    });
}

}  // namespace

ENGINE_API HTMLayoutSelectElements(HELEMENT he, const char* selectors, ELEMENT_VISITOR callback, LPVOID param)
{
    if (!selectors)
        return ENGINE_INVALID_PARAMETER;
    std::wstring wide;
    for (const char* p = selectors; *p; ++p)
        wide += wchar_t(static_cast<unsigned char>(*p));
    return Select(he, wide, callback, param);
}

ENGINE_API HTMLayoutSelectElementsW(HELEMENT he, const wchar_t* selectors, ELEMENT_VISITOR callback, LPVOID param)
{
    if (!selectors)
        return ENGINE_INVALID_PARAMETER;
    return Select(he, selectors, callback, param);
}

ENGINE_API HTMLayoutSelectParentW(HELEMENT he, const wchar_t* selector, UINT depth, HELEMENT* found)
{
    Element* element = LiveElement(he);
    if (!element)
        return ENGINE_INVALID_HANDLE;
    if (!selector || !found)
        return ENGINE_INVALID_PARAMETER;
    *found = nullptr;
    return Guarded([&] {
        SelectorList list;
        try {
            list = ParseSelectors(selector);
        } catch (const SelectorError&) {
            return ENGINE_INVALID_PARAMETER;
        }
        UINT level = 0;
        for (Element* e = element; e && (depth == 0 || level < depth); e = e->Parent(), ++level)
            if (MatchesAny(list, *e, e->TopAncestor())) {
                *found = e;
                break;
            }
        return ENGINE_OK;
    });
}

ENGINE_API HTMLayoutVisitElements(HELEMENT he, const char* tag, const char* attributeName,
                                  const wchar_t* attributeValue, ELEMENT_VISITOR callback, LPVOID param, DWORD depth)
{
    Element* scope = LiveElement(he);
    if (!scope)
        return ENGINE_INVALID_HANDLE;
    if (!callback)
        return ENGINE_INVALID_PARAMETER;
    auto wanted = [&](Element& e) {
        if (tag && *tag && e.Tag() != tag)
            return false;
        if (!attributeName)
            return true;
        const std::wstring* value = e.FindAttribute(attributeName);
        return value && (!attributeValue || *value == attributeValue);
    };
    return Guarded([&] { return Visit(CollectDescendants(*scope, wanted, depth), callback, param); });
}
