#pragma once
// Customers and jobs: the query, the add and their Ret.
#include "connectors/quickbooks/qbfc/ListQuery.h"

namespace Quorvane {
namespace Qbfc {

class IORCustomerListQuery : public Object {
    QBFC_WRAPPER(IORCustomerListQuery, Object)
    IBSTRList ListIDList() const { return Child<IBSTRList>(L"ListIDList"); }
    IBSTRList FullNameList() const { return Child<IBSTRList>(L"FullNameList"); }
    ICustomerListFilter CustomerListFilter() const { return Child<ICustomerListFilter>(L"CustomerListFilter"); }
};

class ICustomerQuery : public Object {
    QBFC_WRAPPER(ICustomerQuery, Object)
    IORCustomerListQuery ORCustomerListQuery() const { return Child<IORCustomerListQuery>(L"ORCustomerListQuery"); }
    IBSTRList IncludeRetElementList() const { return Child<IBSTRList>(L"IncludeRetElementList"); }
};

class ICustomerAdd : public Object {
    QBFC_WRAPPER(ICustomerAdd, Object)
    IQBStringType Name() const { return Child<IQBStringType>(L"Name"); }
    IQBBoolType IsActive() const { return Child<IQBBoolType>(L"IsActive"); }
    IQBBaseRef ParentRef() const { return Child<IQBBaseRef>(L"ParentRef"); }
};

class ICustomerRet : public HierarchyRetFields {
    QBFC_WRAPPER(ICustomerRet, HierarchyRetFields)
};

class ICustomerRetList : public ObjectList<ICustomerRet> {
    QBFC_WRAPPER(ICustomerRetList, ObjectList<ICustomerRet>)
};

}  // namespace Qbfc
}  // namespace Quorvane
