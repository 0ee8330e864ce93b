#include "htmlengine/document/events/TabOrder.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/UserInput.h"
#include "htmlengine/document/style/Cascade.h"
#include "htmlengine/document/style/ComputedStyle.h"

#include <algorithm>
#include <cwchar>

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

// `scope` is shown itself (IsElementVisible); below it only what is not `display: none` is walked.
void Collect(Element& element, Document& document, std::vector<Stop>& stops)
{
    std::shared_ptr<const ComputedStyle> style = ComputedStyleOf(element);
    if (style->display == Display::None)
        return;
    if (FocusableAncestor(element) == &element && TakesInput(document, element)) {
        long tabIndex = TabIndexOf(element);
        if (tabIndex >= 0 && style->visibility == Visibility::Visible)
            stops.push_back({ &element, tabIndex });
    }
    for (Element* child : element.Children())
        Collect(*child, document, stops);
}

}  // namespace

std::vector<Element*> TabStops(Document& document, Element& scope)
{
    std::vector<Stop> stops;
    if (IsElementVisible(scope))
        Collect(scope, document, stops);
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return (a.tabIndex > 0 ? a.tabIndex : 1L << 30) < (b.tabIndex > 0 ? b.tabIndex : 1L << 30);
    });
    std::vector<Element*> elements;
    for (const Stop& stop : stops)
        elements.push_back(stop.element);
    return elements;
}

Element* FirstTabStop(Document& document, Element& scope)
{
    std::vector<Element*> stops = TabStops(document, scope);
    return stops.empty() ? nullptr : stops.front();
}

}  // namespace htmlengine
