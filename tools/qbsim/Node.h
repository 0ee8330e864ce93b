#pragma once
// One automation object of the schema. A request's nodes start empty, make their members on
// first use and log every value set, in order, into the request's context; a response's nodes
// read their members from a JSON answer, and a member absent from it gives no object.
//
// Every aggregate and list also answers QBFC's Type (its ENObjectType). A response's detail
// is declared IQBBase in QBFC, and its type information says no more than that; a detail
// shaped by the UntypedDetail fault instead has no Type and a type information that names it.
#include <memory>
#include <string>
#include <vector>

#include "tools/qbsim/ComRef.h"
#include "tools/qbsim/DispatchObject.h"
#include "tools/qbsim/Json.h"
#include "tools/qbsim/Schema.h"

namespace QbSim {

// What of the simulated QBFC's version shows in its objects.
struct Dialect {
    int qbfcVersion;  // the request types offered (Schema.h)
    bool earlyEnumNumbering;  // the numbering SetValue and GetValue use (Enums.h)
    int supportedVersion;  // the highest message-set version QuickBooks answers, 1300 for 13.0
};

struct Assignment {
    std::wstring path;  // "EntityRef.ListID"; "X[]" for a string added to a list, "X[n]" for an element appended
    Json value;  // what the handlers read: enumerations as their current number
    Json sent;  // what the program sent, for the trace
};

struct NodeContext {
    std::wstring requestKind;  // "TimeTrackingAdd", ...
    bool requestSide;
    Dialect dialect;
    std::vector<Assignment> assignments;  // request side, in order
    Json response;  // response side: the answer every node of the response reads a part of
};

class Node : public DispatchObject {
public:
    static ComRef<Node> NewRequest(const std::wstring& requestKind, const Dialect& dialect);
    static ComRef<Node> NewResponse(const std::wstring& requestKind, Json response, const Dialect& dialect);

    const NodeContext& Context() const { return *m_context; }
    // The request's JSON, rebuilt from its assignments ("EntityRef.ListID" -> {"EntityRef":{"ListID":..}}).
    Json RequestJson() const;

protected:
    std::wstring TypeName() const override;
    DISPID MemberId(const std::wstring& name) const override;
    void Call(DISPID id, const Arguments& arguments, VARIANT& result) override;

private:
    Node(const TypeDef& type, const std::shared_ptr<NodeContext>& context, const std::wstring& name,
         const std::wstring& path, const Json& json);
    ComRef<Node> MakeChild(const std::wstring& typeName, const std::wstring& name, const std::wstring& path,
                           const Json& json) const;
    std::wstring ChildPath(const std::wstring& name) const;
    void Assign(const std::wstring& path, const Json& value, const Json& sent);
    // The index of the aggregate's member of this id; -1 when there is none.
    int MemberIndex(DISPID id) const;
    // The member a call reads: an aggregate's member, or the value or list itself.
    std::wstring AccessedMember(DISPID id) const;
    bool HasObjectType() const;
    // A list's or value's member id as this interface numbers it.
    DISPID PublicId(DISPID fixedId) const;
    ComRef<Node> ObjectTypeNode() const;

    void CallAggregate(DISPID id, VARIANT& result);
    void RefuseOnResponse() const;

    // Value fields (NodeValues.cpp).
    DISPID ValueMemberId(const std::wstring& name) const;
    void CallValue(DISPID id, const Arguments& arguments, VARIANT& result);
    void SetValue(const Arguments& arguments);
    void GetValue(const Arguments& arguments, VARIANT& result) const;
    void SetAsString(const Arguments& arguments);

    void CallStringList(DISPID id, const Arguments& arguments, VARIANT& result);
    void CallObjectList(DISPID id, const Arguments& arguments, VARIANT& result);
    const std::vector<Json>& ResponseItems() const;

    const TypeDef* m_type;
    std::shared_ptr<NodeContext> m_context;
    std::wstring m_name;
    std::wstring m_path;
    // The value as set, for a request's node or a response's node changed by the caller.
    Json& OwnJson();

    // This node's part of the context's response, or m_own: what the node reads.
    const Json* m_json;
    Json m_own;
    std::vector<ComRef<Node>> m_children;  // aggregate members by index, or list elements
    bool m_isDetail;
};

}  // namespace QbSim
