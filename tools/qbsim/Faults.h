#pragma once
// Failures that tests arrange before the program acts: an HRESULT (with or without error
// information) at any step of a session, or a response shaped differently from QuickBooks's
// answer. Each fault lets `skip` matching events pass and then fires `times` times. A fault
// may instead change a record behind the program's back at that moment (a bookkeeper billing
// an entry while an import runs) and let the call go on.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "tools/qbsim/ComFailure.h"
#include "tools/qbsim/Json.h"

namespace QbSim {

enum class Stage {
    OpenConnection,
    BeginSession,
    EndSession,
    CloseConnection,
    CreateMsgSetRequest,
    SetField,  // a value set, a string added or an element appended on a request
    DoRequests,
    GetField,  // any member read on a response
    Response,  // the response of a request: status, message and detail
};

enum class ResponseShape {
    Status,  // the given status, severity (default "Error") and message, no detail
    Warning,  // QuickBooks's answer with the given status, severity (default "Warn") and message
    NullDetail,  // status 0 and no detail
    OtherDetail,  // status 0 and a detail of another kind
    OmitElement,  // QuickBooks's answer without one element of the Ret (or of each Ret in a list)
    UntypedDetail,  // QuickBooks's answer whose detail has no Type, but type information naming it
};

// Control::Edit's arguments, kept for the moment a fault fires.
struct RecordEdit {
    bool IsSet() const { return !list.empty(); }
    std::wstring list;
    std::wstring id;
    Json patch;
};

struct Fault {
    Fault();
    // A response of severity "Error": QuickBooks refused the request and changed nothing.
    bool IsRefusal() const;
    Stage stage;
    std::wstring request;  // request kind such as "TimeTrackingAdd"; empty matches every request
    std::wstring member;  // for SetField and GetField: the member's name; empty matches every member
    int skip;
    int times;  // -1: for ever
    ComFailure failure;  // the HRESULT stages
    ResponseShape shape;  // the Response stage
    int status;
    std::wstring severity;  // empty: the shape's own
    std::wstring message;
    bool nullMessage;
    std::wstring element;  // OmitElement
    RecordEdit edit;  // when set, made instead of the failure or the reshaping
};

// The stage's name as the control commands spell it ("DoRequests", "SetField", ...).
Stage ParseStage(const std::wstring& name);

class FaultTable {
public:
    typedef std::function<void(const RecordEdit&)> Editor;

    // `editor` makes the edits of faults that carry one; it runs without the table's lock.
    explicit FaultTable(const Editor& editor);

    void Add(const Fault& fault);
    void Clear();
    // Throws the ComFailure of the first fault that fires for this event.
    void Check(Stage stage, const std::wstring& request, const std::wstring& member);
    // Whether a fault may still fire at the stage: every field read asks, and mostly none may.
    bool IsArmed(Stage stage);
    // The Response fault that fires for this request, if one does; the caller answers the
    // request (or, for a refusal, does not) and then lets Reshape apply it.
    bool FireResponse(const std::wstring& request, Fault& fired);
    // Reshapes a response {StatusCode, StatusSeverity, StatusMessage, Detail} as the fault says.
    void Reshape(const Fault& fault, Json& response);

private:
    // The fault that fires for this event, copied out of the table; false when none does.
    bool Fire(Stage stage, const std::wstring& request, const std::wstring& member, Fault& fired);

    Editor m_editor;
    std::mutex m_lock;
    std::vector<Fault> m_faults;
};

}  // namespace QbSim
