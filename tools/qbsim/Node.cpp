#include "tools/qbsim/Node.h"

#include <cwchar>

#include "core/DateTime.h"
#include "tools/qbsim/Simulator.h"

namespace QbSim {

namespace {

enum ValueMember { kSetValue = 1, kGetValue, kIsSet, kHour, kMinute, kSecond, kIsNegative };
enum StringListMember { kAdd = 1, kStringCount, kStringAt };
enum ObjectListMember { kCount = 1, kGetAt, kAppend };

struct NamedId {
    const wchar_t* name;
    DISPID id;
};

const NamedId kValueMembers[] = {
    { L"SetValue", kSetValue }, { L"GetValue", kGetValue }, { L"IsSet", kIsSet }, { L"Hour", kHour },
    { L"Minute", kMinute }, { L"Second", kSecond }, { L"IsNegative", kIsNegative },
};
const NamedId kStringListMembers[] = { { L"Add", kAdd }, { L"Count", kStringCount }, { L"GetAt", kStringAt } };
const NamedId kObjectListMembers[] = { { L"Count", kCount }, { L"GetAt", kGetAt }, { L"Append", kAppend } };

template <size_t N>
DISPID FindId(const NamedId (&table)[N], const std::wstring& name)
{
    for (const NamedId& entry : table)
        if (name == entry.name)
            return entry.id;
    return DISPID_UNKNOWN;
}

struct Interval {
    int hour, minute, second;
    bool negative;
};

// "PT2H15M0S", with a leading "-" when negative: the form the company file keeps.
std::wstring FormatInterval(const Interval& interval)
{
    wchar_t text[64];
    std::swprintf(text, 64, L"%lsPT%dH%dM%dS", interval.negative ? L"-" : L"", interval.hour, interval.minute,
                  interval.second);
    return text;
}

Interval ParseInterval(const std::wstring& text)
{
    Interval interval = { 0, 0, 0, !text.empty() && text[0] == L'-' };
    std::swscanf(text.c_str() + (interval.negative ? 1 : 0), L"PT%dH%dM%dS", &interval.hour, &interval.minute,
                 &interval.second);
    return interval;
}

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
    : m_type(&type), m_context(context), m_name(name), m_path(path), m_json(json)
{
    if (type.kind == NodeKind::Aggregate)
        m_children.resize(type.members.size());
}

ComRef<Node> Node::NewRequest(const std::wstring& requestKind)
{
    std::shared_ptr<NodeContext> context(new NodeContext{ requestKind, true, {} });
    return ComRef<Node>::Adopt(new Node(FindType(L"I" + requestKind), context, L"", L"", Json()));
}

ComRef<Node> Node::NewResponse(const std::wstring& requestKind, const Json& response)
{
    std::shared_ptr<NodeContext> context(new NodeContext{ requestKind, false, {} });
    return ComRef<Node>::Adopt(new Node(FindType(L"IMsgSetResponse"), context, L"", L"", response));
}

Json Node::RequestJson() const
{
    Json request = Json::MakeObject();
    for (const auto& assignment : m_context->assignments)
        AssignPath(request, assignment.first, assignment.second);
    return request;
}

ComRef<Node> Node::MakeChild(const std::wstring& typeName, const std::wstring& name, const std::wstring& path,
                             const Json& json) const
{
    return ComRef<Node>::Adopt(new Node(FindType(typeName), m_context, name, path, json));
}

std::wstring Node::ChildPath(const std::wstring& name) const
{
    return m_path.empty() ? name : m_path + L"." + name;
}

void Node::Assign(const std::wstring& path, const Json& value)
{
    Simulator::Instance().Faults().Check(Stage::SetField, m_context->requestKind, m_name);
    m_context->assignments.push_back(std::make_pair(path, value));
}

DISPID Node::MemberId(const std::wstring& name) const
{
    switch (m_type->kind) {
    case NodeKind::Aggregate:
        for (size_t i = 0; i < m_type->members.size(); ++i)
            if (m_type->members[i].name == name)
                return static_cast<DISPID>(i + 1);
        return DISPID_UNKNOWN;
    case NodeKind::StringList:
        return FindId(kStringListMembers, name);
    case NodeKind::ObjectList:
        return FindId(kObjectListMembers, name);
    default:
        return FindId(kValueMembers, name);
    }
}

void Node::Call(DISPID id, const Arguments& arguments, VARIANT& result)
{
    if (!m_context->requestSide)
        Simulator::Instance().Faults().Check(Stage::GetField, m_context->requestKind, AccessedMember(id));
    switch (m_type->kind) {
    case NodeKind::Aggregate: return CallAggregate(id, result);
    case NodeKind::StringList: return CallStringList(id, arguments, result);
    case NodeKind::ObjectList: return CallObjectList(id, arguments, result);
    default: return CallValue(id, arguments, result);
    }
}

std::wstring Node::AccessedMember(DISPID id) const
{
    bool isMember = m_type->kind == NodeKind::Aggregate && id >= 1 && static_cast<size_t>(id) <= m_type->members.size();
    return isMember ? m_type->members[id - 1].name : m_name;
}

void Node::CallAggregate(DISPID id, VARIANT& result)
{
    if (id < 1 || static_cast<size_t>(id) > m_type->members.size())
        throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    const Member& member = m_type->members[id - 1];
    const Json& answer = m_json.Get(member.name);
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
    bool present = m_json.Has(member.name) && !(member.kind == MemberKind::AnyObject && answer.IsNull());
    ComRef<Node>& child = m_children[id - 1];
    if (!child && (m_context->requestSide || present)) {
        std::wstring type = member.kind == MemberKind::AnyObject ? answer.Get(L"@type").AsString() : member.type;
        child = MakeChild(type, member.name, ChildPath(member.name), answer);
    }
    SetObject(result, child.AddRefGet());
}

void Node::CallValue(DISPID id, const Arguments& arguments, VARIANT& result)
{
    if (id == kSetValue) {
        if (!m_context->requestSide)
            throw Failure(E_ACCESSDENIED, L"qbsim: a response cannot be changed");
        return SetValue(arguments);
    }
    if (id == kGetValue)
        return GetValue(result);
    if (id == kIsSet)
        return SetBool(result, !m_json.IsNull());
    if (m_type->kind != NodeKind::IntervalValue)
        throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    Interval interval = ParseInterval(m_json.AsString());
    if (id == kIsNegative)
        return SetBool(result, interval.negative);
    SetInt(result, id == kHour ? interval.hour : id == kMinute ? interval.minute : interval.second);
}

void Node::SetValue(const Arguments& arguments)
{
    Json value;
    switch (m_type->kind) {
    case NodeKind::TextValue: value = Json(arguments.Text(0)); break;
    case NodeKind::BoolValue: value = Json(arguments.Bool(0)); break;
    case NodeKind::IntValue: value = Json(static_cast<int>(arguments.Int(0))); break;
    case NodeKind::DateValue: {
        double date = arguments.Date(0);
        Simulator::Instance().CheckDate(date);
        value = Json(Quorvane::DateTime::FromVariantDate(date).ToString());
        break;
    }
    default: {
        Interval interval = { static_cast<int>(arguments.Int(0)), static_cast<int>(arguments.Int(1)),
                              static_cast<int>(arguments.Int(2)), arguments.Bool(3) };
        value = Json(FormatInterval(interval));
    }
    }
    Assign(m_path, value);
    m_json = value;
}

void Node::GetValue(VARIANT& result) const
{
    switch (m_type->kind) {
    case NodeKind::BoolValue: return SetBool(result, m_json.AsBool());
    case NodeKind::IntValue: return SetInt(result, static_cast<long>(m_json.AsInt()));
    case NodeKind::DateValue: {
        Quorvane::DateTime date;
        date.Parse(m_json.AsString());
        return SetDate(result, date.ToVariantDate());
    }
    default: return SetText(result, m_json.AsString());
    }
}

void Node::CallStringList(DISPID id, const Arguments& arguments, VARIANT& result)
{
    if (id == kAdd) {
        std::wstring text = arguments.Text(0);
        Assign(m_path + L"[]", Json(text));
        return m_json.Push(Json(text));
    }
    if (id == kStringCount)
        return SetInt(result, static_cast<long>(m_json.IsArray() ? m_json.Size() : 0));
    if (id != kStringAt)
        throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
    size_t index = static_cast<size_t>(arguments.Int(0));
    if (!m_json.IsArray() || index >= m_json.Size())
        throw Failure(DISP_E_BADINDEX, L"qbsim: index out of range");
    SetText(result, m_json.At(index).AsString());
}

const std::vector<Json>& Node::ResponseItems() const
{
    return m_json.IsArray() ? m_json.Items() : m_json.Get(L"@items").Items();
}

void Node::CallObjectList(DISPID id, const Arguments& arguments, VARIANT& result)
{
    if (id == kAppend) {
        if (!m_context->requestSide)
            throw Failure(E_ACCESSDENIED, L"qbsim: a response cannot be changed");
        std::wstring path = m_path + L"[" + std::to_wstring(m_children.size()) + L"]";
        Assign(path, Json::MakeObject());
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
