#pragma once
// One automation object of the schema. A request's nodes start empty, make their members on
// first use and log every value set, in order, into the request's context; a response's nodes
// read their members from a JSON answer, and a member absent from it gives no object.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tools/qbsim/ComRef.h"
#include "tools/qbsim/DispatchObject.h"
#include "tools/qbsim/Json.h"
#include "tools/qbsim/Schema.h"

namespace QbSim {

struct NodeContext {
    std::wstring requestKind;  // "TimeTrackingAdd", ...
    bool requestSide;
    // Request side: each value set, string added or element appended, as (path, value).
    std::vector<std::pair<std::wstring, Json> > assignments;
};

class Node : public DispatchObject {
public:
    static ComRef<Node> NewRequest(const std::wstring& requestKind);
    static ComRef<Node> NewResponse(const std::wstring& requestKind, const Json& response);

    const NodeContext& Context() const { return *m_context; }
    // The request's JSON, rebuilt from its assignments ("EntityRef.ListID" -> {"EntityRef":{"ListID":..}}).
    Json RequestJson() const;

protected:
    std::wstring TypeName() const override { return m_type->name; }
    DISPID MemberId(const std::wstring& name) const override;
    void Call(DISPID id, const Arguments& arguments, VARIANT& result) override;

private:
    Node(const TypeDef& type, const std::shared_ptr<NodeContext>& context, const std::wstring& name,
         const std::wstring& path, const Json& json);
    ComRef<Node> MakeChild(const std::wstring& typeName, const std::wstring& name, const std::wstring& path,
                           const Json& json) const;
    std::wstring ChildPath(const std::wstring& name) const;
    void Assign(const std::wstring& path, const Json& value);
    // The member a call reads: an aggregate's member, or the value or list itself.
    std::wstring AccessedMember(DISPID id) const;

    void CallAggregate(DISPID id, VARIANT& result);
    void CallValue(DISPID id, const Arguments& arguments, VARIANT& result);
    void SetValue(const Arguments& arguments);
    void GetValue(VARIANT& result) const;
    void CallStringList(DISPID id, const Arguments& arguments, VARIANT& result);
    void CallObjectList(DISPID id, const Arguments& arguments, VARIANT& result);
    const std::vector<Json>& ResponseItems() const;

    const TypeDef* m_type;
    std::shared_ptr<NodeContext> m_context;
    std::wstring m_name;
    std::wstring m_path;
    Json m_json;                          // response: this node's answer; request value: the value set
    std::vector<ComRef<Node> > m_children;  // aggregate members by index, or list elements
};

}  // namespace QbSim
