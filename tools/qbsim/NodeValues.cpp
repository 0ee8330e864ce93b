// The value fields of the schema: strings, IDs, dates, Booleans, numbers, enumerations and time
// intervals, set on a request and read on a response.
#include <cwchar>

#include "core/DateTime.h"
#include "tools/qbsim/Enums.h"
#include "tools/qbsim/NamedId.h"
#include "tools/qbsim/Node.h"
#include "tools/qbsim/Simulator.h"

namespace QbSim {

namespace {

// QBFC's own dispatch ids of the value types; an enumeration's are numbered within its interface
// (TypeDef::idBase).
enum ValueMember { kIsSet = 1, kSetValue = 5, kGetValue = 6, kSetAsString = 7, kGetAsString = 8 };

const NamedId kValueMembers[] = { { L"IsSet", kIsSet }, { L"SetValue", kSetValue }, { L"GetValue", kGetValue } };
const NamedId kEnumMembers[] = {
    { L"IsSet", kIsSet },
    { L"SetValue", kSetValue },
    { L"GetValue", kGetValue },
    { L"SetAsString", kSetAsString },
    { L"GetAsString", kGetAsString },
};

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

}  // namespace

DISPID Node::ValueMemberId(const std::wstring& name) const
{
    return m_type->kind == NodeKind::EnumValue ? FindId(kEnumMembers, name) : FindId(kValueMembers, name);
}

void Node::CallValue(DISPID id, const Arguments& arguments, VARIANT& result)
{
    bool isEnum = m_type->kind == NodeKind::EnumValue;
    switch (id) {
    case kIsSet: return SetBool(result, !m_json->IsNull());
    case kSetValue: RefuseOnResponse(); return SetValue(arguments);
    case kGetValue: return GetValue(arguments, result);
    case kSetAsString:
        if (!isEnum)
            break;
        RefuseOnResponse();
        return SetAsString(arguments);
    case kGetAsString:
        if (!isEnum)
            break;
        return SetText(result, NameOfNumber(FindEnum(m_type->enumName), static_cast<int>(m_json->AsInt())));
    }
    throw Failure(DISP_E_MEMBERNOTFOUND, L"qbsim: no such member");
}

void Node::SetValue(const Arguments& arguments)
{
    Json value;
    Json sent;
    switch (m_type->kind) {
    case NodeKind::TextValue: value = Json(arguments.Text(0)); break;
    case NodeKind::BoolValue: value = Json(arguments.Bool(0)); break;
    case NodeKind::IntValue: value = Json(static_cast<int>(arguments.Int(0))); break;
    case NodeKind::EnumValue: {
        int number = static_cast<int>(arguments.Int(0));
        sent = Json(number);
        value = Json(FromSentNumber(FindEnum(m_type->enumName), number, m_context->dialect.earlyEnumNumbering));
        break;
    }
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
    Assign(m_path, value, sent.IsNull() ? value : sent);
    OwnJson() = value;
}

void Node::SetAsString(const Arguments& arguments)
{
    std::wstring name = arguments.Text(0);
    Json value(NumberOfName(FindEnum(m_type->enumName), name));
    Assign(m_path, value, Json(name));
    OwnJson() = value;
}

void Node::GetValue(const Arguments& arguments, VARIANT& result) const
{
    switch (m_type->kind) {
    case NodeKind::BoolValue: return SetBool(result, m_json->AsBool());
    case NodeKind::IntValue: return SetInt(result, static_cast<long>(m_json->AsInt()));
    case NodeKind::EnumValue: {
        int number = static_cast<int>(m_json->AsInt());
        return SetInt(result, ToSentNumber(FindEnum(m_type->enumName), number, m_context->dialect.earlyEnumNumbering));
    }
    case NodeKind::DateValue: {
        Quorvane::DateTime date;
        date.Parse(m_json->AsString());
        return SetDate(result, date.ToVariantDate());
    }
    case NodeKind::IntervalValue: {
        // GetValue(short* hours, short* minutes, short* seconds, VARIANT_BOOL* isNegative)
        Interval interval = ParseInterval(m_json->AsString());
        arguments.SetShortOut(0, static_cast<short>(interval.hour));
        arguments.SetShortOut(1, static_cast<short>(interval.minute));
        arguments.SetShortOut(2, static_cast<short>(interval.second));
        return arguments.SetBoolOut(3, interval.negative);
    }
    default: return SetText(result, m_json->AsString());
    }
}

}  // namespace QbSim
