#include "connectors/quickbooks/QBStatusMessage.h"

#include <windows.h>

namespace Quorvane {
namespace Connectors {

namespace {

struct StatusText {
    HRESULT code;
    const wchar_t* text;
};

// QuickBooks's short descriptions of its status codes, then the two COM errors and the
// program's own status.
const StatusText kStatusTexts[] = {
    { 1, L"No match" },
    { 500, L"One or more objects cannot be found" },
    { 501, L"Object not in this qbXML specification" },
    { 510, L"Object cannot be returned" },
    { 530, L"Unsupported field" },
    { 531, L"Unsupported enum value" },
    { 550, L"Cannot save notes" },
    { 560, L"Deprecated field used" },
    { 570, L"Cannot link to transaction" },
    { 600, L"No cleared state to return" },
    { 1000, L"Internal error" },
    { 1010, L"System not available" },
    { 1030, L"Unsupported message" },
    { 1060, L"Invalid request ID" },
    { 3000, L"Invalid object ID" },
    { 3010, L"Invalid Boolean" },
    { 3020, L"Invalid date" },
    { 3030, L"Invalid date range" },
    { 3031, L"Invalid string range" },
    { 3035, L"Invalid time interval" },
    { 3040, L"Invalid amount" },
    { 3045, L"Invalid price" },
    { 3050, L"Invalid percentage" },
    { 3060, L"Invalid quantity" },
    { 3065, L"Invalid GUID" },
    { 3070, L"String too long" },
    { 3080, L"Invalid string" },
    { 3085, L"Invalid number" },
    { 3090, L"Invalid object name" },
    { 3100, L"Name is not unique" },
    { 3101, L"Resulting amount too large" },
    { 3110, L"Invalid enum value" },
    { 3120, L"Object not found" },
    { 3121, L"OwnerID not found" },
    { 3130, L"Parent reference not found" },
    { 3140, L"Reference not found" },
    { 3150, L"Missing required element" },
    { 3151, L"Invalid element for request" },
    { 3153, L"Element conflict in request" },
    { 3160, L"Object cannot be deleted" },
    { 3161, L"Cannot delete before closing date" },
    { 3162, L"Not allowed in multi-user mode" },
    { 3170, L"Object cannot be modified" },
    { 3171, L"Cannot modify before closing date" },
    { 3172, L"Cannot modify prior to last condense" },
    { 3173, L"Related object deleted or modified" },
    { 3175, L"Object is in use" },
    { 3176, L"Related object is in use" },
    { 3177, L"Duplicate AppliedToTxn IDs" },
    { 3180, L"Object cannot be added" },
    { 3185, L"Object cannot be voided" },
    { 3190, L"Cannot clear required element" },
    { 3200, L"Outdated edit sequence" },
    { 3205, L"Invalid address" },
    { 3210, L"Other validation error" },
    { 3220, L"Not authorized operation" },
    { 3230, L"Status rollback" },
    { 3231, L"Status unprocessed" },
    { 3240, L"Time creation mismatch" },
    { 3250, L"Feature not enabled" },
    { 3260, L"Insufficient permissions" },
    { 3261, L"Application has no sensitive data permission" },
    { 3262, L"Requires payroll subscription" },
    { 3263, L"Not authorized for write access" },
    { 3270, L"Missing posting account" },
    { 3280, L"Item type mismatch" },
    { 3290, L"Item line out of order" },
    { 3300, L"Cannot open requested window" },
    { 3301, L"Not allowed in unattended mode" },
    { 3310, L"Unknown employee time status" },
    { 3320, L"Could not create report" },
    { 3330, L"Invalid GUID for request" },
    { 3340, L"Not allowed in data event callback" },
    { 3350, L"Custom field list is full" },
    { 3351, L"Invalid type for custom field" },
    { 3352, L"Not allowed to reuse custom field" },
    { 3360, L"Callback app cannot be verified" },
    { 9001, L"Invalid checksum" },
    { 9002, L"No stored response found" },
    { 9003, L"Reinitialization problem" },
    { 9004, L"Invalid message ID" },
    { 9005, L"An error recovery record could not be saved" },
    { 9100, L"Macro name not unique" },
    { 9101, L"Macro name too long" },
    { 9102, L"Macro name invalid" },
    { 9103, L"Macro substitution failure" },
    { static_cast<HRESULT>(0x8004040D), L"Cannot connect to QuickBooks" },
    { static_cast<HRESULT>(0x8004041C),
      L"An internal QuickBooks error occurred while trying to access the QuickBooks company data file." },
    { kNotConfirmedStatus, L"QuickBooks did not confirm the change" },
};

}  // namespace

std::wstring QBStatusMessage(int code)
{
    for (const StatusText& entry : kStatusTexts) {
        if (entry.code == static_cast<HRESULT>(code))
            return entry.text;
    }
    return std::wstring();
}

}  // namespace Connectors
}  // namespace Quorvane
