#include "tools/qbsim/Schema.h"

#include <map>
#include <mutex>
#include <sstream>
#include <stdexcept>

#include "core/TextCodec.h"

namespace QbSim {

namespace {

// Members are "Name:type", where type is a type of this table or a short alias. A member list that
// starts with "[" names the element type of an object list.
struct TypeEntry {
    const wchar_t* name;
    const wchar_t* members;
};

#define ITEM_COMMON L"ListID:id EditSequence:text Name:text FullName:text IsActive:bool Sublevel:int "
#define ITEM_WITH_PARENT ITEM_COMMON L"ParentRef:ref"

const TypeEntry kTypes[] = {
    // Message sets and responses.
    { L"IMsgSetResponse", L"ResponseList:IResponseList" },
    { L"IResponseList", L"[IResponse" },
    { L"IResponse", L"StatusCode:#int StatusMessage:#text Detail:#any" },
    { L"IQBBaseRef", L"ListID:id FullName:text" },

    // Time tracking.
    { L"ITimeTrackingQuery", L"metaData:enum iterator:enum ORTimeTrackingTxnQuery:IORTimeTrackingTxnQuery "
                             L"IncludeRetElementList:list" },
    { L"IORTimeTrackingTxnQuery", L"TxnIDList:list TimeTrackingTxnFilter:ITimeTrackingTxnFilter" },
    { L"ITimeTrackingTxnFilter", L"MaxReturned:int TxnDateRangeFilter:ITxnDateRangeFilter "
                                 L"TimeTrackingEntityFilter:ITimeTrackingEntityFilter" },
    { L"ITxnDateRangeFilter", L"FromTxnDate:date ToTxnDate:date" },
    { L"ITimeTrackingEntityFilter", L"ListIDList:list" },
    { L"ITimeTrackingAdd", L"TxnDate:date EntityRef:ref CustomerRef:ref ItemServiceRef:ref Duration:interval "
                           L"PayrollItemWageRef:ref Notes:text BillableStatus:enum" },
    { L"ITimeTrackingMod", L"TxnID:id EditSequence:text TxnDate:date EntityRef:ref CustomerRef:ref "
                           L"ItemServiceRef:ref Duration:interval PayrollItemWageRef:ref Notes:text BillableStatus:enum" },
    { L"ITimeTrackingRet", L"TxnID:id EditSequence:text TxnDate:date EntityRef:ref CustomerRef:ref "
                           L"ItemServiceRef:ref Duration:interval PayrollItemWageRef:ref Notes:text BillableStatus:enum" },
    { L"ITimeTrackingRetList", L"[ITimeTrackingRet" },
    { L"ITxnDel", L"TxnDelType:enum TxnID:id" },
    { L"ITxnDelRet", L"TxnDelType:enum TxnID:id" },

    // List queries share their filters.
    { L"IORListQuery", L"ListIDList:list FullNameList:list ListFilter:IListFilter" },
    { L"IListFilter", L"MaxReturned:int ActiveStatus:enum ORNameFilter:IORNameFilter" },
    { L"IORNameFilter", L"NameRangeFilter:INameRangeFilter" },
    { L"INameRangeFilter", L"FromName:text ToName:text" },

    // Employees.
    { L"IEmployeeQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" },
    { L"IEmployeeAdd", L"IsActive:bool FirstName:text MiddleName:text LastName:text "
                       L"EmployeePayrollInfo:IEmployeePayrollInfo" },
    { L"IEmployeePayrollInfo", L"OREarnings:IOREarnings UseTimeDataToCreatePaychecks:enum" },
    { L"IOREarnings", L"EarningsList:IEarningsList" },
    { L"IEarningsList", L"[IEarnings" },
    { L"IEarnings", L"PayrollItemWageRef:ref" },
    { L"IEmployeeMod", L"ListID:id EditSequence:text EmployeePayrollInfo:IEmployeePayrollInfoMod" },
    { L"IEmployeePayrollInfoMod", L"UseTimeDataToCreatePaychecks:enum" },
    { L"IEmployeeRet", L"ListID:id EditSequence:text Name:text IsActive:bool FirstName:text MiddleName:text "
                       L"LastName:text EmployeePayrollInfo:IEmployeePayrollInfoRet" },
    { L"IEmployeePayrollInfoRet", L"OREarnings:IOREarnings IsUsingTimeDataToCreatePaychecks:bool "
                                  L"UseTimeDataToCreatePaychecks:enum" },
    { L"IEmployeeRetList", L"[IEmployeeRet" },

    // Customers and jobs.
    { L"ICustomerQuery", L"ORCustomerListQuery:IORCustomerListQuery IncludeRetElementList:list" },
    { L"IORCustomerListQuery", L"ListIDList:list FullNameList:list CustomerListFilter:ICustomerListFilter" },
    { L"ICustomerListFilter", L"MaxReturned:int ActiveStatus:enum ORNameFilter:IORNameFilter" },
    { L"ICustomerAdd", L"Name:text IsActive:bool ParentRef:ref" },
    { L"ICustomerRet", ITEM_WITH_PARENT },
    { L"ICustomerRetList", L"[ICustomerRet" },

    // Items.
    { L"IItemServiceQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" },
    { L"IItemServiceAdd", L"Name:text IsActive:bool ParentRef:ref ORSalesPurchase:IORSalesPurchase" },
    { L"IORSalesPurchase", L"SalesOrPurchase:ISalesOrPurchase" },
    { L"ISalesOrPurchase", L"Desc:text AccountRef:ref" },
    { L"IItemServiceRet", ITEM_WITH_PARENT L" ORSalesPurchase:IORSalesPurchase" },
    { L"IItemServiceRetList", L"[IItemServiceRet" },
    { L"IItemQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" },
    { L"IORItemRetList", L"[IORItemRet" },
    { L"IORItemRet", L"ortype:#int ItemServiceRet:IItemServiceRet ItemNonInventoryRet:IItemNonInventoryRet "
                     L"ItemOtherChargeRet:IItemOtherChargeRet ItemInventoryRet:IItemInventoryRet "
                     L"ItemInventoryAssemblyRet:IItemInventoryAssemblyRet ItemFixedAssetRet:IItemFixedAssetRet "
                     L"ItemSubtotalRet:IItemSubtotalRet ItemDiscountRet:IItemDiscountRet ItemPaymentRet:IItemPaymentRet "
                     L"ItemSalesTaxRet:IItemSalesTaxRet ItemSalesTaxGroupRet:IItemSalesTaxGroupRet "
                     L"ItemGroupRet:IItemGroupRet" },
    { L"IItemNonInventoryRet", ITEM_WITH_PARENT },
    { L"IItemOtherChargeRet", ITEM_WITH_PARENT },
    { L"IItemInventoryRet", ITEM_WITH_PARENT },
    { L"IItemInventoryAssemblyRet", ITEM_WITH_PARENT },
    { L"IItemFixedAssetRet", ITEM_COMMON },
    { L"IItemSubtotalRet", ITEM_COMMON },
    { L"IItemDiscountRet", ITEM_WITH_PARENT },
    { L"IItemPaymentRet", ITEM_COMMON },
    { L"IItemSalesTaxRet", ITEM_COMMON },
    { L"IItemSalesTaxGroupRet", ITEM_COMMON },
    { L"IItemGroupRet", ITEM_COMMON },

    // Accounts and payroll wage items.
    { L"IAccountQuery", L"IncludeRetElementList:list" },
    { L"IAccountRet", ITEM_WITH_PARENT L" AccountType:enum" },
    { L"IAccountRetList", L"[IAccountRet" },
    { L"IPayrollItemWageQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" },
    { L"IPayrollItemWageRet", L"ListID:id EditSequence:text Name:text IsActive:bool WageType:enum" },
    { L"IPayrollItemWageRetList", L"[IPayrollItemWageRet" },

    // The company and its preferences.
    { L"ICompanyQuery", L"IncludeRetElementList:list" },
    { L"ICompanyRet", L"CompanyName:text LegalCompanyName:text" },
    { L"IPreferencesQuery", L"IncludeRetElementList:list" },
    { L"IPreferencesRet", L"CurrentAppAccessRights:ICurrentAppAccessRights "
                          L"TimeTrackingPreferences:ITimeTrackingPreferences" },
    { L"ICurrentAppAccessRights", L"IsPersonalDataAccessAllowed:bool" },
    { L"ITimeTrackingPreferences", L"FirstDayOfWeek:enum" },
};

struct ValueType {
    const wchar_t* alias;
    const wchar_t* name;
    NodeKind kind;
};

const ValueType kValueTypes[] = {
    { L"text", L"IQBStringType", NodeKind::TextValue },
    { L"id", L"IQBIDType", NodeKind::TextValue },
    { L"date", L"IQBDateType", NodeKind::DateValue },
    { L"bool", L"IQBBoolType", NodeKind::BoolValue },
    { L"enum", L"IQBEnumType", NodeKind::IntValue },
    { L"int", L"IQBIntType", NodeKind::IntValue },
    { L"interval", L"IQBTimeIntervalType", NodeKind::IntervalValue },
    { L"list", L"IBSTRList", NodeKind::StringList },
    { L"ref", L"IQBBaseRef", NodeKind::Aggregate },  // an alias only; the type is in kTypes
};

Member ParseMember(const std::wstring& word)
{
    size_t colon = word.find(L':');
    Member member = { word.substr(0, colon), MemberKind::Object, word.substr(colon + 1) };
    if (member.type == L"#int")
        member.kind = MemberKind::PlainInt;
    else if (member.type == L"#text")
        member.kind = MemberKind::PlainText;
    else if (member.type == L"#any")
        member.kind = MemberKind::AnyObject;
    for (const ValueType& value : kValueTypes)
        if (member.type == value.alias)
            member.type = value.name;
    return member;
}

TypeDef ParseType(const TypeEntry& entry)
{
    TypeDef type = { entry.name, NodeKind::Aggregate, {}, L"" };
    std::wstring members = entry.members;
    if (!members.empty() && members[0] == L'[') {
        type.kind = NodeKind::ObjectList;
        type.elementType = members.substr(1);
        return type;
    }
    std::wistringstream words(members);
    std::wstring word;
    while (words >> word)
        type.members.push_back(ParseMember(word));
    return type;
}

const std::map<std::wstring, TypeDef>& AllTypes()
{
    static std::map<std::wstring, TypeDef> types;
    static std::once_flag built;
    std::call_once(built, [] {
        for (const TypeEntry& entry : kTypes)
            types[entry.name] = ParseType(entry);
        for (const ValueType& value : kValueTypes)
            if (value.kind != NodeKind::Aggregate)
                types[value.name] = TypeDef{ value.name, value.kind, {}, L"" };
    });
    return types;
}

}  // namespace

const TypeDef& FindType(const std::wstring& name)
{
    auto found = AllTypes().find(name);
    if (found == AllTypes().end())
        throw std::runtime_error("qbsim: unknown type " + std::string(Quorvane::WideToUtf8(name).c_str()));
    return found->second;
}

}  // namespace QbSim
