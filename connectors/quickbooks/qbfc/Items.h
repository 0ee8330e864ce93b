#pragma once
// Items of every kind, service items' add, accounts and payroll wage items.
#include "connectors/quickbooks/qbfc/ListQuery.h"

namespace Quorvane {
namespace Qbfc {

class ISalesOrPurchase : public Object {
    QBFC_WRAPPER(ISalesOrPurchase, Object)
    IQBStringType Desc() const { return Child<IQBStringType>(L"Desc"); }
    IQBBaseRef AccountRef() const { return Child<IQBBaseRef>(L"AccountRef"); }
};

class IORSalesPurchase : public Object {
    QBFC_WRAPPER(IORSalesPurchase, Object)
    ISalesOrPurchase SalesOrPurchase() const { return Child<ISalesOrPurchase>(L"SalesOrPurchase"); }
};

class IItemServiceAdd : public Object {
    QBFC_WRAPPER(IItemServiceAdd, Object)
    IQBStringType Name() const { return Child<IQBStringType>(L"Name"); }
    IQBBoolType IsActive() const { return Child<IQBBoolType>(L"IsActive"); }
    IQBBaseRef ParentRef() const { return Child<IQBBaseRef>(L"ParentRef"); }
    IORSalesPurchase ORSalesPurchase() const { return Child<IORSalesPurchase>(L"ORSalesPurchase"); }
};

// QBFC 11 and later filter service items by class too, through ORListQueryWithOwnerIDAndClass;
// older versions offer ORListQuery.
class IItemServiceQuery : public ListQueryFields {
    QBFC_WRAPPER(IItemServiceQuery, ListQueryFields)
    IORListQueryWithOwnerIDAndClass ORListQueryWithOwnerIDAndClass() const
    {
        return Child<IORListQueryWithOwnerIDAndClass>(L"ORListQueryWithOwnerIDAndClass");
    }
    // The list filter of whichever form this QBFC offers.
    ListFilterFields ListFilterOfAnyVersion() const;
};

inline ListFilterFields IItemServiceQuery::ListFilterOfAnyVersion() const
{
    if (HasMember(L"ORListQueryWithOwnerIDAndClass"))
        return ORListQueryWithOwnerIDAndClass().ListWithClassFilter();
    return ORListQuery().ListFilter();
}

class IItemQuery : public ListQueryFields {
    QBFC_WRAPPER(IItemQuery, ListQueryFields)
};

class IItemServiceRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemServiceRet, HierarchyRetFields)
    IORSalesPurchase ORSalesPurchase() const { return Child<IORSalesPurchase>(L"ORSalesPurchase"); }
};

class IItemServiceRetList : public ObjectList<IItemServiceRet> {
    QBFC_WRAPPER(IItemServiceRetList, ObjectList<IItemServiceRet>)
};

// The other kinds' Rets; ParentRef is absent for kinds that have no parent.
class IItemNonInventoryRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemNonInventoryRet, HierarchyRetFields)
};
class IItemOtherChargeRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemOtherChargeRet, HierarchyRetFields)
};
class IItemInventoryRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemInventoryRet, HierarchyRetFields)
};
class IItemInventoryAssemblyRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemInventoryAssemblyRet, HierarchyRetFields)
};
class IItemFixedAssetRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemFixedAssetRet, HierarchyRetFields)
};
class IItemSubtotalRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemSubtotalRet, HierarchyRetFields)
};
class IItemDiscountRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemDiscountRet, HierarchyRetFields)
};
class IItemPaymentRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemPaymentRet, HierarchyRetFields)
};
class IItemSalesTaxRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemSalesTaxRet, HierarchyRetFields)
};
class IItemSalesTaxGroupRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemSalesTaxGroupRet, HierarchyRetFields)
};
class IItemGroupRet : public HierarchyRetFields {
    QBFC_WRAPPER(IItemGroupRet, HierarchyRetFields)
};

// One item of any kind: ortype is ENORItemRet (-1 none, 0 service ... 11 group), and the
// element of that kind is present.
class IORItemRet : public Object {
    QBFC_WRAPPER(IORItemRet, Object)
    long ortype() const { return IntProperty(L"ortype"); }
    IItemServiceRet ItemServiceRet() const { return Child<IItemServiceRet>(L"ItemServiceRet"); }
    IItemNonInventoryRet ItemNonInventoryRet() const { return Child<IItemNonInventoryRet>(L"ItemNonInventoryRet"); }
    IItemOtherChargeRet ItemOtherChargeRet() const { return Child<IItemOtherChargeRet>(L"ItemOtherChargeRet"); }
    IItemInventoryRet ItemInventoryRet() const { return Child<IItemInventoryRet>(L"ItemInventoryRet"); }
    IItemInventoryAssemblyRet ItemInventoryAssemblyRet() const
    {
        return Child<IItemInventoryAssemblyRet>(L"ItemInventoryAssemblyRet");
    }
    IItemFixedAssetRet ItemFixedAssetRet() const { return Child<IItemFixedAssetRet>(L"ItemFixedAssetRet"); }
    IItemSubtotalRet ItemSubtotalRet() const { return Child<IItemSubtotalRet>(L"ItemSubtotalRet"); }
    IItemDiscountRet ItemDiscountRet() const { return Child<IItemDiscountRet>(L"ItemDiscountRet"); }
    IItemPaymentRet ItemPaymentRet() const { return Child<IItemPaymentRet>(L"ItemPaymentRet"); }
    IItemSalesTaxRet ItemSalesTaxRet() const { return Child<IItemSalesTaxRet>(L"ItemSalesTaxRet"); }
    IItemSalesTaxGroupRet ItemSalesTaxGroupRet() const { return Child<IItemSalesTaxGroupRet>(L"ItemSalesTaxGroupRet"); }
    IItemGroupRet ItemGroupRet() const { return Child<IItemGroupRet>(L"ItemGroupRet"); }
};

class IORItemRetList : public ObjectList<IORItemRet> {
    QBFC_WRAPPER(IORItemRetList, ObjectList<IORItemRet>)
};

class IAccountQuery : public Object {
    QBFC_WRAPPER(IAccountQuery, Object)
    IBSTRList IncludeRetElementList() const { return Child<IBSTRList>(L"IncludeRetElementList"); }
};

// AccountType is ENAccountType, whose numbering differs between QBFC versions: read by name.
class IAccountRet : public HierarchyRetFields {
    QBFC_WRAPPER(IAccountRet, HierarchyRetFields)
    IQBEnumType AccountType() const { return Child<IQBEnumType>(L"AccountType"); }
};

class IAccountRetList : public ObjectList<IAccountRet> {
    QBFC_WRAPPER(IAccountRetList, ObjectList<IAccountRet>)
};

class IPayrollItemWageQuery : public ListQueryFields {
    QBFC_WRAPPER(IPayrollItemWageQuery, ListQueryFields)
};

// WageType is ENWageType, absent for some items; its numbering differs between QBFC versions:
// read by name.
class IPayrollItemWageRet : public ListRetFields {
    QBFC_WRAPPER(IPayrollItemWageRet, ListRetFields)
    IQBEnumType WageType() const { return Child<IQBEnumType>(L"WageType"); }
};

class IPayrollItemWageRetList : public ObjectList<IPayrollItemWageRet> {
    QBFC_WRAPPER(IPayrollItemWageRetList, ObjectList<IPayrollItemWageRet>)
};

}  // namespace Qbfc
}  // namespace Quorvane
