#include "connectors/quickbooks/qbfc/Fields.h"

namespace Quorvane {
namespace Qbfc {

namespace {

// Changes the value where it is: returning a copy would copy a text once more.
const _variant_t& Coerced(_variant_t&& value, VARTYPE type)
{
    if (value.vt != type)
        value.ChangeType(type);
    return value;
}

}  // namespace

bool ValueField::IsSet() const
{
    return Coerced(Call(L"IsSet", DISPATCH_METHOD, {}), VT_BOOL).boolVal != VARIANT_FALSE;
}

std::wstring ValueField::TextValue() const
{
    return BstrToWString(Coerced(Get(), VT_BSTR).bstrVal);
}

bool IQBBoolType::GetValue() const
{
    return Coerced(Get(), VT_BOOL).boolVal != VARIANT_FALSE;
}

void IQBDateType::SetValue(double oleDate) const
{
    _variant_t value;
    value.vt = VT_DATE;
    value.date = oleDate;
    Set(value);
}

double IQBDateType::GetValue() const
{
    return Coerced(Get(), VT_DATE).date;
}

long IQBEnumType::GetValue() const
{
    return Coerced(Get(), VT_I4).lVal;
}

std::wstring IQBEnumType::GetAsString() const
{
    return BstrToWString(Coerced(Call(L"GetAsString", DISPATCH_METHOD, {}), VT_BSTR).bstrVal);
}

long IQBIntType::GetValue() const
{
    return Coerced(Get(), VT_I4).lVal;
}

void IQBTimeIntervalType::SetValue(short hours, short minutes, short seconds, bool isNegative) const
{
    Call(L"SetValue", DISPATCH_METHOD,
         { _variant_t(hours), _variant_t(minutes), _variant_t(seconds), _variant_t(isNegative) });
}

void IQBTimeIntervalType::GetValue(short& hours, short& minutes, short& seconds, bool& isNegative) const
{
    VARIANT_BOOL negative = VARIANT_FALSE;
    Call(L"GetValue", DISPATCH_METHOD,
         { ShortOutArgument(hours), ShortOutArgument(minutes), ShortOutArgument(seconds), BoolOutArgument(negative) });
    isNegative = negative != VARIANT_FALSE;
}

std::wstring IBSTRList::GetAt(long index) const
{
    return BstrToWString(Coerced(Call(L"GetAt", DISPATCH_METHOD, { _variant_t(index) }), VT_BSTR).bstrVal);
}

}  // namespace Qbfc
}  // namespace Quorvane
