#pragma once
// QBFC's typed fields: values with SetValue, GetValue and IsSet; references; string lists;
// lists of Rets. Dates are OLE Automation dates (DateTime::ToVariantDate / FromVariantDate).
// Enumerations share one wrapper, IQBEnumType (QBFC has one interface per enumeration, with the
// same member names): by number, QBFC's EN... value, or by name, where the numbering differs
// between QBFC versions.
#include "connectors/quickbooks/qbfc/Object.h"

namespace Quorvane {
namespace Qbfc {

// IsSet, shared by every value type.
class ValueField : public Object {
public:
    ValueField() {}
    ValueField(IDispatch* dispatch, const void* interfaceKey) : Object(dispatch, interfaceKey) {}
    bool IsSet() const;

protected:
    void Set(const _variant_t& value) const { Call(L"SetValue", DISPATCH_METHOD, { value }); }
    _variant_t Get() const { return Call(L"GetValue", DISPATCH_METHOD, {}); }
    std::wstring TextValue() const;
};

// A string set to "" counts as set.
class IQBStringType : public ValueField {
    QBFC_WRAPPER(IQBStringType, ValueField)
    void SetValue(const std::wstring& value) const { Set(TextArgument(value)); }
    std::wstring GetValue() const { return TextValue(); }
};

class IQBIDType : public ValueField {
    QBFC_WRAPPER(IQBIDType, ValueField)
    void SetValue(const std::wstring& value) const { Set(TextArgument(value)); }
    std::wstring GetValue() const { return TextValue(); }
};

class IQBDateType : public ValueField {
    QBFC_WRAPPER(IQBDateType, ValueField)
    void SetValue(double oleDate) const;
    double GetValue() const;
};

class IQBBoolType : public ValueField {
    QBFC_WRAPPER(IQBBoolType, ValueField)
    void SetValue(bool value) const { Set(_variant_t(value)); }
    bool GetValue() const;
};

// Each enumeration is an interface of its own in QBFC: an enumerated field made through its
// owner's member is cached as that member's interface, one made otherwise is not cached.
class IQBEnumType : public ValueField {
public:
    IQBEnumType() {}
    explicit IQBEnumType(IDispatch* dispatch) : ValueField(dispatch, 0) {}
    static bool ServesSeveralInterfaces() { return true; }
    void SetValue(long value) const { Set(_variant_t(value)); }
    long GetValue() const;
    // The value's name without its prefix: "TimeTracking" for tdtTimeTracking.
    void SetAsString(const std::wstring& name) const { Call(L"SetAsString", DISPATCH_METHOD, { TextArgument(name) }); }
    std::wstring GetAsString() const;
};

class IQBIntType : public ValueField {
    QBFC_WRAPPER(IQBIntType, ValueField)
    void SetValue(long value) const { Set(_variant_t(value)); }
    long GetValue() const;
};

// Hours, minutes, seconds and a sign, read back through four by-reference arguments.
class IQBTimeIntervalType : public ValueField {
    QBFC_WRAPPER(IQBTimeIntervalType, ValueField)
    void SetValue(short hours, short minutes, short seconds, bool isNegative) const;
    void GetValue(short& hours, short& minutes, short& seconds, bool& isNegative) const;
};

class IBSTRList : public Object {
    QBFC_WRAPPER(IBSTRList, Object)
    void Add(const std::wstring& value) const { Call(L"Add", DISPATCH_METHOD, { TextArgument(value) }); }
    long Count() const { return IntProperty(L"Count"); }
    std::wstring GetAt(long index) const;
};

// A reference to a list element: EntityRef, CustomerRef, ParentRef, AccountRef, ...
class IQBBaseRef : public Object {
    QBFC_WRAPPER(IQBBaseRef, Object)
    IQBIDType ListID() const { return Child<IQBIDType>(L"ListID"); }
    IQBStringType FullName() const { return Child<IQBStringType>(L"FullName"); }
};

// A list of Rets (Count, GetAt) or, in a request, of elements to append (Append).
template <typename Element>
class ObjectList : public Object {
public:
    ObjectList() {}
    ObjectList(IDispatch* dispatch, const void* interfaceKey) : Object(dispatch, interfaceKey) {}
    long Count() const { return IntProperty(L"Count"); }
    Element GetAt(long index) const { return Wrap(Call(L"GetAt", DISPATCH_METHOD, { _variant_t(index) })); }
    Element Append() const { return Wrap(Call(L"Append", DISPATCH_METHOD, {})); }

private:
    static Element Wrap(const _variant_t& value) { return Element(value.vt == VT_DISPATCH ? value.pdispVal : 0); }
};

}  // namespace Qbfc
}  // namespace Quorvane
