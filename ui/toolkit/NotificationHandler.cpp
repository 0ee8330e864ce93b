#include "ui/toolkit/NotificationHandler.h"

#include "ui/toolkit/Behavior.h"
#include "ui/toolkit/PageResources.h"

namespace htmlayout {

// Always 0: a URL that is no resource is left to the engine.
LRESULT notification_handler::on_load_data(LOAD_DATA_NOTIFICATION* block)
{
    const unsigned char* data = nullptr;
    UINT size = 0;
    if (LoadResourceFromUrl(block->uri, &data, &size))
        HTMLayoutDataReady(block->hdr.hwndFrom, block->uri, data, size);
    return 0;
}

LRESULT notification_handler::on_attach_behavior(ATTACH_BEHAVIOR_NOTIFICATION* block)
{
    attach_behavior(block);
    return 0;
}

LRESULT notification_handler::handle_notification(NMHDR* header)
{
    if (!header)
        return 0;
    switch (header->code) {
    case NOTIFY_LOAD_DATA: return on_load_data(reinterpret_cast<LOAD_DATA_NOTIFICATION*>(header));
    case NOTIFY_DOCUMENT_COMPLETE: return on_document_complete();
    case NOTIFY_ATTACH_BEHAVIOR: return on_attach_behavior(reinterpret_cast<ATTACH_BEHAVIOR_NOTIFICATION*>(header));
    default: return on_other_notification(header);
    }
}

}  // namespace htmlayout
