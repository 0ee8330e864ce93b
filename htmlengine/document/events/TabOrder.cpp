#include "htmlengine/document/events/TabOrder.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/events/Focus.h"
#include "htmlengine/document/events/UserInput.h"
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

void Collect(Element& element, Document& document, const std::function<bool(Element&)>& shown, std::vector<Stop>& stops)
{
    if (ComputedStyleOf(element)->display == Display::None)
        return;
    if (FocusableAncestor(element) == &element && TakesInput(document, element)) {
        long tabIndex = TabIndexOf(element);
        if (tabIndex >= 0 && shown(element))
            stops.push_back({ &element, tabIndex });
    }
    for (Element* child : element.Children())
        Collect(*child, document, shown, stops);
}

}  // namespace

std::vector<Element*> TabStops(Document& document, Element& scope, const std::function<bool(Element&)>& shown)
{
    std::vector<Stop> stops;
    Collect(scope, document, shown, stops);
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        return (a.tabIndex > 0 ? a.tabIndex : 1L << 30) < (b.tabIndex > 0 ? b.tabIndex : 1L << 30);
    });
    std::vector<Element*> elements;
    for (const Stop& stop : stops)
        elements.push_back(stop.element);
    return elements;
}

}  // namespace htmlengine
