#include "htmlengine/document/events/Dispatcher.h"

#include "htmlengine/document/dom/Document.h"
#include "htmlengine/document/dom/DocumentHost.h"
#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/dom/ElementLifetime.h"
#include "htmlengine/document/events/HandlerBinding.h"

#include <deque>
#include <vector>

namespace htmlengine {

namespace {

// Keeps the path's elements alive while handlers run: a handler may delete any of them.
class EventPath {
public:
    explicit EventPath(Element& target)
    {
        for (Element* e = &target; e; e = e->Parent()) {
            AddReference(e);
            elements_.insert(elements_.begin(), e);
        }
    }
    ~EventPath()
    {
        for (Element* e : elements_)
            DropReference(e);
    }
    EventPath(const EventPath&) = delete;
    EventPath& operator=(const EventPath&) = delete;

    const std::vector<Element*>& RootToTarget() const { return elements_; }

private:
    std::vector<Element*> elements_;
};

bool CallAll(std::vector<HandlerBinding> handlers, void* element, unsigned group, void* params)
{
    for (const HandlerBinding& handler : handlers)
        if (handler.Wants(group) && CallHandler(handler, element, group, params))
            return true;
    return false;
}

bool CallElement(Element& element, unsigned group, void* params)
{
    if (element.deleted || !element.HasHandlers())
        return false;
    return CallAll(element.Handlers(), &element, group, params);
}

bool Sink(Document& document, const EventPath& path, unsigned group, void* params, UINT* command)
{
    if (command)
        *command |= EVENT_SINKING;
    bool handled = CallAll(document.Host().WindowHandlers(), path.RootToTarget().back(), group, params);
    for (Element* e : path.RootToTarget()) {
        if (handled)
            break;
        handled = CallElement(*e, group, params);
    }
    if (command)
        *command &= ~EVENT_SINKING;
    return handled;
}

bool Bubble(Document& document, const EventPath& path, unsigned group, void* params)
{
    Element& target = *path.RootToTarget().back();
    const auto& elements = path.RootToTarget();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        if (CallElement(**it, group, params))
            return true;
        if (document.PageRules() && !(*it)->deleted && document.PageRules()(**it, target, group, params))
            return true;
    }
    return CallAll(document.Host().WindowHandlers(), &target, group, params);
}

}  // namespace

bool DispatchEvent(Document& document, Element& target, unsigned group, void* params, UINT* command)
{
    EventPath path(target);
    return Sink(document, path, group, params, command) || Bubble(document, path, group, params);
}

bool DispatchToElement(Element& element, unsigned group, void* params)
{
    ElementHold hold(element);
    return CallElement(element, group, params);
}

bool DispatchToWindow(Document& document, Element& element, unsigned group, void* params)
{
    return CallAll(document.Host().WindowHandlers(), &element, group, params);
}

bool SendBehaviorEvent(Element& target, Element& source, UINT code, UINT_PTR reason)
{
    Document* document = target.OwnerDocument();
    if (!document)
        return false;
    BEHAVIOR_EVENT_PARAMS params = { code, &target, &source, reason };
    return DispatchEvent(*document, target, GROUP_BEHAVIOR_EVENT, &params, &params.cmd);
}

bool PostBehaviorEvent(Element& target, Element& source, UINT code, UINT_PTR reason)
{
    Document* document = target.OwnerDocument();
    if (!document)
        return false;
    document->PostedEvents().push_back({ &target, &source, code, reason });
    AddReference(&target);  // after the push, which may fail
    AddReference(&source);
    document->Host().WakeForPostedEvents();
    return true;
}

void FlushPostedEvents(Document& document)
{
    std::deque<PostedEvent> batch;
    batch.swap(document.PostedEvents());  // what handlers post now waits for the next round
    for (const PostedEvent& event : batch) {
        if (!event.target->deleted && !event.source->deleted && event.target->OwnerDocument() == &document)
            SendBehaviorEvent(*event.target, *event.source, event.code, UINT_PTR(event.reason));
        DropReference(event.target);
        DropReference(event.source);
    }
    if (!document.PostedEvents().empty())
        document.Host().WakeForPostedEvents();
}

}  // namespace htmlengine
