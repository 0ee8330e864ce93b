#include "ui/toolkit/Behavior.h"

#include "json/TextHelpers.h"

namespace htmlayout {

behavior* behavior::s_head = nullptr;

behavior::behavior(UINT subscription, const char* name) : event_handler(subscription), next(s_head), name(name)
{
    s_head = this;
}

event_handler* behavior::find_behavior(const char* name, HELEMENT he)
{
    for (behavior* candidate = s_head; candidate; candidate = candidate->next)
        if (streq(candidate->name, name))
            return candidate->create_instance(he);
    return nullptr;
}

bool attach_behavior(ATTACH_BEHAVIOR_NOTIFICATION* block)
{
    if (!block)
        return false;
    event_handler* handler = behavior::find_behavior(block->behaviorName, block->element);
    if (!handler)
        return false;
    block->elementTag = handler;
    block->elementProc = &event_handler::element_proc;
    block->elementEvents = handler->subscription;
    return true;
}

}  // namespace htmlayout
