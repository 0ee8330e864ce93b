#include "htmlengine/document/script/PageRules.h"

#include "htmlengine/api/EngineDocument.h"
#include "htmlengine/document/controls/Control.h"
#include "htmlengine/document/controls/StateRules.h"
#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/script/ScriptParser.h"
#include "htmlengine/document/script/ScriptRunner.h"
#include "htmlengine/document/style/Cascade.h"

#include <map>
#include <memory>

namespace htmlengine {

namespace {

// Parsed once per distinct text: the same rule serves every row of a table.
std::shared_ptr<const Block> Compiled(Document& document, const std::wstring& source)
{
    static std::map<std::wstring, std::shared_ptr<const Block>> cache;
    auto found = cache.find(source);
    if (found != cache.end())
        return found->second;
    std::shared_ptr<const Block> block;
    try {
        block = std::make_shared<const Block>(ParseScript(source));
    } catch (const ScriptError& error) {
        document.LogError(L"script not understood (" + std::wstring(error.what(), error.what() + strlen(error.what())) +
                          L"): " + source);
        block = std::make_shared<const Block>();
    }
    cache[source] = block;
    return block;
}

// A plain click counts only when nothing between the target and the owner makes click
// events of its own; those events bring the click to the owner's rule instead.
bool ClickReachesRuleDirectly(Element& owner, Element& target)
{
    for (Element* e = &target; e; e = e->Parent()) {
        if (e->GetControl() && e->GetControl()->MakesClicks())
            return false;
        if (e == &owner)
            return true;
    }
    return false;
}

// The property that answers this event at `owner`, or null.
const char* Trigger(Element& owner, Element& target, unsigned group, const void* params, std::string& keyTrigger)
{
    switch (group) {
    case GROUP_BEHAVIOR_EVENT: {
        UINT code = static_cast<const BEHAVIOR_EVENT_PARAMS*>(params)->cmd;
        if (code == EVENT_BUTTON_CLICK || code == EVENT_ACTIVATED || code == EVENT_HYPERLINK_CLICK)
            return "on-click";
        return code == EVENT_VALUE_CHANGED && &owner == &target ? "on-change" : nullptr;
    }
    case GROUP_MOUSE:
        return static_cast<const MOUSE_PARAMS*>(params)->cmd == MOUSE_CLICK && ClickReachesRuleDirectly(owner, target)
                   ? "on-click"
                   : nullptr;
    case GROUP_FOCUS:
        return static_cast<const FOCUS_PARAMS*>(params)->cmd == FOCUS_LOST && &owner == &target ? "on-focus-lost"
                                                                                                : nullptr;
    case GROUP_KEY: {
        const KEY_PARAMS* key = static_cast<const KEY_PARAMS*>(params);
        if (key->cmd != KEY_UP)
            return nullptr;
        keyTrigger = "on-key-up-" + std::to_string(key->key_code);
        return keyTrigger.c_str();
    }
    default: return nullptr;
    }
}

bool RunRules(Document& document, Element& owner, Element& target, unsigned group, const void* params)
{
    std::string keyTrigger;
    const char* trigger = Trigger(owner, target, group, params, keyTrigger);
    if (!trigger || IsDisabledInTree(owner))
        return false;
    std::wstring source = StyleProperty(owner, trigger);
    if (source.empty())
        return false;
    std::shared_ptr<const Block> block = Compiled(document, source);
    try {
        ScriptRunner(document, owner).Run(*block);
    } catch (const ScriptError& error) {
        document.LogError(L"script stopped (" + std::wstring(error.what(), error.what() + strlen(error.what())) +
                          L"): " + source);
    }
    return false;  // rules never stop an event
}

}  // namespace

void InstallPageRules(Document& document)
{
    Document* page = &document;
    document.SetPageRules([page](Element& owner, Element& target, unsigned group, const void* params) {
        return RunRules(*page, owner, target, group, params);
    });
}

}  // namespace htmlengine
