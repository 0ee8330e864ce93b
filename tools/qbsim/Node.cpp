#include "tools/qbsim/Node.h"

#include <cwchar>
#include <utility>

#include "tools/qbsim/Enums.h"
#include "tools/qbsim/NamedId.h"
#include "tools/qbsim/Simulator.h"

namespace QbSim {

namespace {

// The members of lists, numbered within their interface (TypeDef::idBase).
enum StringListMember { kAdd = 4, kStringCount = 5, kStringAt = 6 };
enum ObjectListMember { kGetAt = 4, kCount = 5, kAppend = 6 };
const DISPID kTypeMember = 0x400;  // IQBBase's Type, on every aggregate and list

const NamedId kStringListMembers[] = { { L"Add", kAdd }, { L"Count", kStringCount }, { L"GetAt", kStringAt } };
const NamedId kObjectListMembers[] = { { L"Count", kCount }, { L"GetAt", kGetAt }, { L"Append", kAppend } };

void AssignPath(Json& root, const std::wstring& path, const Json& value)
{
    Json* node = &root;
    size_t start = 0;
    for (;;) {
        size_t dot = path.find(L'.', start);
        std::wstring segment = path.substr(start, dot == std::wstring::npos ? std::wstring::npos : dot - start);
        size_t bracket = segment.find(L'[');
        std::wstring name = segment.substr(0, bracket);
        bool last = dot == std::wstring::npos;
        if (bracket == std::wstring::npos) {
            if (last) {
                node->Set(name, value);
                return;
            }
            if (!node->Has(name))
                node->Set(name, Json::MakeObject());
            node = node->Find(name);
        } else {
            if (!node->Has(name))
                node->Set(name, Json::MakeArray());
            Json* array = node->Find(name);
            if (segment[bracket + 1] == L']') {  // "X[]": a string added to a list
                array->Push(value);
                return;
            }
            size_t index = std::wcstoul(segment.c_str() + bracket + 1, 0, 10);
            while (array->Size() <= index)
                array->Push(Json::MakeObject());
            node = &array->At(index);
            if (last)
                return;
        }
        start = dot + 1;
    }
}

}  // namespace

Node::Node(const TypeDef& type, const std::shared_ptr<NodeContext>& context, const std::wstring& name,
           const std::wstring& path, const Json& json)
    : m_type(&type), m_context(context), m_name(name), m_path(path), m_json(&json), m_isDetail(false)
{
    // A response's nodes read their part of the answer where the context keeps it.
    if (context->requestSide) {
        m_own = json;
        m_json = &m_own;
    }
    if (type.kind == NodeKind::Aggregate)
        m_children.resize(type.members.size());
}

ComRef<Node> Node::NewRequest(const std::wstring& requestKind, const Dialect& dialect)
{
    std::shared_ptr<NodeContext> context(new NodeContext { requestKind, true, dialect, {}, Json() });
    const TypeDef& type = FindRequestType(L"I" + requestKind, dialect.qbfcVersion);
    return ComRef<Node>::Adopt(new Node(type, context, L"", L"", Json()));
}

ComRef<Node> Node::NewResponse(const std::wstring& requestKind, Json response, const Dialect& dialect)
{
    std::shared_ptr<NodeContext> context(new NodeContext { requestKind, false, dialect, {}, std::move(response) });
    return ComRef<Node>::Adopt(new Node(FindType(L"IMsgSetResponse"), context, L"", L"", context->response));
}

Json Node::RequestJson() const
{
    Json request = Json::MakeObject();
    for (const Assignment& assignment : m_context->assignments)
        AssignPath(request, assignment.path, assignment.value);
    return request;
}

std::wstring Node::TypeName() const
{
    return m_isDetail && HasObjectType() ? L"IQBBase" : m_type->name;
}

ComRef<Node> Node::MakeChild(const std::wstring& typeName, const std::wstring& name, const std::wstring& path,
                             const Json& json) const
{
    return ComRef<Node>::Adopt(new Node(FindType(typeName), m_context, name, path, json));
}

Json& Node::OwnJson()
{
    if (m_json != &m_own) {
        m_own = *m_json;
        m_json = &m_own;
    }
    return m_own;
}

std::wstring Node::ChildPath(const std::wstring& name) const
{
    return m_path.empty() ? name : m_path + L"." + name;
}

void Node::Assign(const std::wstring& path, const Json& value, const Json& sent)
{
    Simulator::Instance().Faults().Check(Stage::SetField, m_context->requestKind, m_name);
    m_context->assignments.push_back(Assignment { path, value, sent });
}

void Node::RefuseOnResponse() const
{
    if (!m_context->requestSide)
        throw Failure(E_ACCESSDENIED, L"qbsim: a response cannot be changed");
}

bool Node::HasObjectType() const
{
    return !m_json->Get(L"@untyped").AsBool();
}

// A read-only field of its own: the object's kind as ENObjectType.
ComRef<Node> Node::ObjectTypeNode() const
{
    const EnumDef& objectType = FindEnum(L"ObjectType");
    Json number(NumberOfName(objectType, L"ot" + m_type->name.substr(1)));
    std::shared_ptr<NodeContext> context(
        new NodeContext { m_context->requestKind, false, m_context->dialect, {}, number });
    return ComRef<Node>::Adopt(
        new Node(FindType(EnumTypeName(L"ObjectType")), context, L"Type", L"Type", context->response));
}

DISPID Node::MemberId(const std::wstring& name) const
{
    bool isObject = m_type->kind == NodeKind::Aggregate || m_type->kind == NodeKind::ObjectList;
    if (isObject && name == L"Type" && HasObjectType()) {
        bool declared = false;
        for (const Member& member : m_type->members)
            declared = declared || member.name == name;
        if (!declared)
            return kTypeMember;
    }
    switch (m_type->kind) {
    case NodeKind::Aggregate:
        for (const Member& member : m_type->members)
            if (member.name == name)
                return member.id;
        return DISPID_UNKNOWN;
    case NodeKind::StringList: return PublicId(FindId(kStringListMembers, name));
    case NodeKind::ObjectList: return PublicId(FindId(kObjectListMembers, name));
    default: return PublicId(ValueMemberId(name));
    }
}

DISPID Node::PublicId(DISPID fixedId) const
{
    return fixedId == DISPID_UNKNOWN ? DISPID_UNKNOWN : fixedId + m_type->idBase;
}

void Node::Call(DISPID id, const Arguments& arguments, VARIANT& result)
{
    if (!m_context->requestSide && Simulator::Instance().Faults().IsArmed(Stage::GetField))
        Simulator::Instance().Faults().Check(Stage::GetField, m_context->requestKind, AccessedMember(id));
    if (id == kTypeMember)
        return SetObject(result, ObjectTypeNode().Detach());
    DISPID fixedId = id - m_type->idBase;
    switch (m_type->kind) {
    case NodeKind::Aggregate: return CallAggregate(id, result);
    case NodeKind::StringList: return CallStringList(fixedId, arguments, result);
    case NodeKind::ObjectList: return CallObjectList(fixedId, arguments, result);
    default: return CallValue(fixedId, arguments, result);
    }
}

int Node::MemberIndex(DISPID id) const
{
    for (size_t i = 0; m_type->kind == NodeKind::Aggregate && i < m_type->members.size(); ++i)
        if (m_type->members[i].id == id)
            return static_cast<int>(i);
    return -1;
}

std::wstring Node::AccessedMember(DISPID id) const
{
    if (id == kTypeMember)
        return L"Type";
    int index = MemberIndex(id);
    return index >= 0 ? m_type->members[index].name : m_name;
}

void Node::CallAggregate(DISPID id, VARIANT& result)
{
    int index = MemberIndex(id);
    if (index < 0)
        throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    const Member& member = m_type->members[index];
    const Json& answer = m_json->Get(member.name);
    if (member.kind == MemberKind::PlainInt)
        return SetInt(result, static_cast<long>(answer.AsInt()));
    if (member.kind == MemberKind::PlainText) {
        if (!answer.IsNull())
            return SetText(result, answer.AsString());
        result.vt = VT_BSTR;  // QuickBooks may leave a status message out: a null BSTR
        result.bstrVal = 0;
        return;
    }
    // A value given as null is present but not set; a detail given as null is absent.
    bool present = m_json->Has(member.name) && !(member.kind == MemberKind::AnyObject && answer.IsNull());
    ComRef<Node>& child = m_children[index];
    if (!child && (m_context->requestSide || present)) {
        bool isDetail = member.kind == MemberKind::AnyObject;
        child = MakeChild(isDetail ? answer.Get(L"@type").AsString() : member.type, member.name, ChildPath(member.name),
                          answer);
        child.Get()->m_isDetail = isDetail;
    }
    SetObject(result, child.AddRefGet());
}

void Node::CallStringList(DISPID id, const Arguments& arguments, VARIANT& result)
{
    if (id == kAdd) {
        Json text(arguments.Text(0));
        Assign(m_path + L"[]", text, text);
        return OwnJson().Push(text);
    }
    if (id == kStringCount)
        return SetInt(result, static_cast<long>(m_json->IsArray() ? m_json->Size() : 0));
    if (id != kStringAt)
        throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    size_t index = static_cast<size_t>(arguments.Int(0));
    if (!m_json->IsArray() || index >= m_json->Size())
        throw Failure(DISP_E_BADINDEX, L"qbsim: index out of range");
    SetText(result, m_json->At(index).AsString());
}

const std::vector<Json>& Node::ResponseItems() const
{
    return m_json->IsArray() ? m_json->Items() : m_json->Get(L"@items").Items();
}

void Node::CallObjectList(DISPID id, const Arguments& arguments, VARIANT& result)
{
    if (id == kAppend) {
        RefuseOnResponse();
        std::wstring path = m_path + L"[" + std::to_wstring(m_children.size()) + L"]";
        Assign(path, Json::MakeObject(), Json::MakeObject());
        m_children.push_back(MakeChild(m_type->elementType, m_name, path, Json()));
        return SetObject(result, m_children.back().AddRefGet());
    }
    size_t count = m_context->requestSide ? m_children.size() : ResponseItems().size();
    if (id == kCount)
        return SetInt(result, static_cast<long>(count));
    if (id != kGetAt)
        throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    size_t index = static_cast<size_t>(arguments.Int(0));
    if (index >= count)
        throw Failure(DISP_E_BADINDEX, L"qbsim: index out of range");
    if (m_children.size() < count)
        m_children.resize(count);
    if (!m_children[index]) {
        std::wstring path = m_path + L"[" + std::to_wstring(index) + L"]";
        m_children[index] = MakeChild(m_type->elementType, m_name, path, ResponseItems()[index]);
    }
    SetObject(result, m_children[index].AddRefGet());
}

}  // namespace QbSim
