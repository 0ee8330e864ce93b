#pragma once
// The filters list queries share. ActiveStatus is ENActiveStatus (2: active and inactive).
#include "connectors/quickbooks/qbfc/Fields.h"

namespace Quorvane {
namespace Qbfc {

class INameRangeFilter : public Object {
    QBFC_WRAPPER(INameRangeFilter, Object)
    IQBStringType FromName() const { return Child<IQBStringType>(L"FromName"); }
    IQBStringType ToName() const { return Child<IQBStringType>(L"ToName"); }
};

class IORNameFilter : public Object {
    QBFC_WRAPPER(IORNameFilter, Object)
    INameRangeFilter NameRangeFilter() const { return Child<INameRangeFilter>(L"NameRangeFilter"); }
};

// What IListFilter, IListWithClassFilter and ICustomerListFilter have in common.
class ListFilterFields : public Object {
public:
    ListFilterFields() {}
    ListFilterFields(IDispatch* dispatch, const void* interfaceKey) : Object(dispatch, interfaceKey) {}
    IQBIntType MaxReturned() const { return Child<IQBIntType>(L"MaxReturned"); }
    IQBEnumType ActiveStatus() const { return Child<IQBEnumType>(L"ActiveStatus"); }
    IORNameFilter ORNameFilter() const { return Child<IORNameFilter>(L"ORNameFilter"); }
};

class IListFilter : public ListFilterFields {
    QBFC_WRAPPER(IListFilter, ListFilterFields)
};

class IListWithClassFilter : public ListFilterFields {
    QBFC_WRAPPER(IListWithClassFilter, ListFilterFields)
};

class ICustomerListFilter : public ListFilterFields {
    QBFC_WRAPPER(ICustomerListFilter, ListFilterFields)
};

class IORListQuery : public Object {
    QBFC_WRAPPER(IORListQuery, Object)
    IBSTRList ListIDList() const { return Child<IBSTRList>(L"ListIDList"); }
    IBSTRList FullNameList() const { return Child<IBSTRList>(L"FullNameList"); }
    IListFilter ListFilter() const { return Child<IListFilter>(L"ListFilter"); }
};

class IORListQueryWithOwnerIDAndClass : public Object {
    QBFC_WRAPPER(IORListQueryWithOwnerIDAndClass, Object)
    IBSTRList ListIDList() const { return Child<IBSTRList>(L"ListIDList"); }
    IBSTRList FullNameList() const { return Child<IBSTRList>(L"FullNameList"); }
    IListWithClassFilter ListWithClassFilter() const { return Child<IListWithClassFilter>(L"ListWithClassFilter"); }
};

// A query by the shared list filter: employees, all items, payroll wage items, and service
// items before QBFC 11.
class ListQueryFields : public Object {
public:
    ListQueryFields() {}
    ListQueryFields(IDispatch* dispatch, const void* interfaceKey) : Object(dispatch, interfaceKey) {}
    IORListQuery ORListQuery() const { return Child<IORListQuery>(L"ORListQuery"); }
    IBSTRList IncludeRetElementList() const { return Child<IBSTRList>(L"IncludeRetElementList"); }
};

// The elements every list element's Ret has.
class ListRetFields : public Object {
public:
    ListRetFields() {}
    ListRetFields(IDispatch* dispatch, const void* interfaceKey) : Object(dispatch, interfaceKey) {}
    IQBIDType ListID() const { return Child<IQBIDType>(L"ListID"); }
    IQBStringType EditSequence() const { return Child<IQBStringType>(L"EditSequence"); }
    IQBStringType Name() const { return Child<IQBStringType>(L"Name"); }
    IQBBoolType IsActive() const { return Child<IQBBoolType>(L"IsActive"); }
};

// ...and those of lists with levels (customers and jobs, items, accounts).
class HierarchyRetFields : public ListRetFields {
public:
    HierarchyRetFields() {}
    HierarchyRetFields(IDispatch* dispatch, const void* interfaceKey) : ListRetFields(dispatch, interfaceKey) {}
    IQBStringType FullName() const { return Child<IQBStringType>(L"FullName"); }
    IQBIntType Sublevel() const { return Child<IQBIntType>(L"Sublevel"); }
    // Absent for a top-level element, and for item kinds that have no parent.
    IQBBaseRef ParentRef() const { return Child<IQBBaseRef>(L"ParentRef"); }
};

}  // namespace Qbfc
}  // namespace Quorvane
