#include "htmlengine/document/controls/OptionHighlight.h"

#include "htmlengine/api/EngineDocument.h"

#include "htmlengine/document/controls/SelectChoice.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementStates.h"

#include <windows.h>

#include <algorithm>

namespace htmlengine {

std::vector<Element*> EnabledOptions(Element& list)
{
    std::vector<Element*> options = OptionsOf(list);
    options.erase(std::remove_if(options.begin(), options.end(),
                                 [](Element* option) { return (option->State() & kStateDisabled) != 0; }),
                  options.end());
    return options;
}

Element* StepOption(const std::vector<Element*>& options, Element* from, unsigned key)
{
    if (options.empty())
        return nullptr;
    auto at = std::find(options.begin(), options.end(), from);
    switch (key) {
    case VK_HOME: return options.front();
    case VK_END: return options.back();
    case VK_DOWN: return at == options.end() ? options.front() : at + 1 == options.end() ? *at : *(at + 1);
    case VK_UP: return at == options.end() ? options.front() : at == options.begin() ? *at : *(at - 1);
    default: return nullptr;
    }
}

Element* HighlightedOption(Element& list)
{
    for (Element* option : OptionsOf(list))
        if (option->State() & kStateCurrent)
            return option;
    return nullptr;
}

void HighlightOption(Element& list, Element* option)
{
    for (Element* each : OptionsOf(list)) {
        bool current = (each->State() & kStateCurrent) != 0;
        if (current != (each == option))
            ChangeState(*each, each == option ? kStateCurrent : 0, each == option ? 0 : kStateCurrent);
    }
    Document* document = list.OwnerDocument();
    if (option && document)
        document->Host().ScrollIntoView(*option);
}

bool MoveHighlight(Element& list, unsigned key)
{
    Element* next = StepOption(EnabledOptions(list), HighlightedOption(list), key);
    if (next)
        HighlightOption(list, next);
    return next != nullptr;
}

bool IsDropKey(unsigned key, unsigned keyboardState)
{
    if (keyboardState & KEYBOARD_ALT)  // Alt+F4 closes the window, as over any drop-down
        return key == VK_DOWN || key == VK_UP;
    return key == VK_F4;
}

void HighlightOnOpening(Element& list)
{
    std::vector<Element*> options = EnabledOptions(list);
    Element* chosen = ChosenOption(list);
    bool chosenEnabled = std::find(options.begin(), options.end(), chosen) != options.end();
    HighlightOption(list, chosenEnabled ? chosen : options.empty() ? nullptr : options.front());
}

}  // namespace htmlengine
