#include "connectors/quickbooks/qbfc/Fields.h"

namespace Quorvane {
namespace Qbfc {

namespace {

_variant_t Coerced(_variant_t value, VARTYPE type)
{
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

long IQBIntType::GetValue() const
{
    return Coerced(Get(), VT_I4).lVal;
}

void IQBTimeIntervalType::SetValue(short hour, short minute, short second, bool isNegative) const
{
    Call(L"SetValue", DISPATCH_METHOD, { _variant_t(hour), _variant_t(minute), _variant_t(second), _variant_t(isNegative) });
}

std::wstring IBSTRList::GetAt(long index) const
{
    return BstrToWString(Coerced(Call(L"GetAt", DISPATCH_METHOD, { _variant_t(index) }), VT_BSTR).bstrVal);
}

}  // namespace Qbfc
}  // namespace Quorvane
