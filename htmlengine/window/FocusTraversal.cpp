#include "htmlengine/window/FocusTraversal.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/FocusScope.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/document/style/ComputedStyle.h"
#include "htmlengine/layout/LayoutView.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace htmlengine {

namespace {

struct Stop {
    Element* element;
    long tabIndex;  // 0 for the document-order part
};

long TabIndexOf(const Element& element)
{
    const std::wstring* text = element.FindAttribute("tabindex");
    return text ? std::wcstol(text->c_str(), nullptr, 10) : 0;
}

bool IsShown(Element& element, LayoutView& layout)
{
    Rect rect;
    return layout.ElementRect(element, rect) && ComputedStyleOf(element)->visibility == Visibility::Visible;
}

void Collect(Element& element, Document& document, LayoutView& layout, std::vector<Stop>& stops)
{
    if (ComputedStyleOf(element)->display == Display::None)
        return;
    if (FocusableAncestor(element) == &element && TakesInput(document, element)) {
        long tabIndex = TabIndexOf(element);
        if (tabIndex >= 0 && IsShown(element, layout))
            stops.push_back({ &element, tabIndex });
    }
    for (Element* child : element.Children())
        Collect(*child, document, layout, stops);
}

}  // namespace

Element* NextInTabOrder(Document& document, LayoutView& layout, Element* from, bool backwards)
{
    SettleFocusScope(document);
    Element* scope = InputScope(document) ? InputScope(document) : document.Root();
    if (!scope)
        return nullptr;
    std::vector<Stop> stops;
    Collect(*scope, document, layout, stops);
    if (stops.empty())
        return nullptr;
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return (a.tabIndex > 0 ? a.tabIndex : 1L << 30) < (b.tabIndex > 0 ? b.tabIndex : 1L << 30);
    });
    auto at = std::find_if(stops.begin(), stops.end(), [&](const Stop& stop) { return stop.element == from; });
    if (at == stops.end())
        return backwards ? stops.back().element : stops.front().element;
    size_t index = size_t(at - stops.begin());
    size_t next = backwards ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
    return stops[next].element;
}

}  // namespace htmlengine
