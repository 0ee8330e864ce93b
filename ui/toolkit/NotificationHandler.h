#pragma once
// The engine's notifications to a window, as virtual operations with the dialogs' defaults.
#include <windows.h>

#include "htmlengine/api/EngineDocument.h"

namespace htmlayout {

class notification_handler {
public:
    virtual ~notification_handler() {}

    // 0xB01: a URL the page names. The default serves it from the program's resources.
    virtual LRESULT on_load_data(LOAD_DATA_NOTIFICATION* block);
    // 0xB04, at the end of every load. Dialogs fill their page here.
    virtual LRESULT on_document_complete() { return 0; }
    // 0xB07, once per name of an element's "behavior" list. The default offers the named
    // behaviours of the program.
    virtual LRESULT on_attach_behavior(ATTACH_BEHAVIOR_NOTIFICATION* block);
    // Every other notification code; answered 0.
    virtual LRESULT on_other_notification(NMHDR* /*header*/) { return 0; }

    // Calls the operation of the block's code.
    LRESULT handle_notification(NMHDR* header);
};

}  // namespace htmlayout
