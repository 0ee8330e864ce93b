#include "tools/qbsim/Schema.h"

#include <map>
#include <mutex>
#include <sstream>
#include <cwchar>
#include <stdexcept>

#include "core/TextCodec.h"

namespace QbSim {

namespace {

// Members are "Name:type", where type is a type of this table or a short alias ("enum/X" is a
// field of QBFC's enumeration ENX). A member list that starts with "[" names the element type
// of an object list.
struct TypeEntry {
    const wchar_t* name;
    const wchar_t* members;
};

// A request type as a QBFC older than `before` offers it.
struct OlderForm {
    int before;
    TypeEntry type;
};

#define ITEM_COMMON L"ListID:id EditSequence:text Name:text FullName:text IsActive:bool Sublevel:int "
#define ITEM_WITH_PARENT ITEM_COMMON L"ParentRef:ref"
#define LIST_FILTER L"MaxReturned:int ActiveStatus:enum/ActiveStatus ORNameFilter:IORNameFilter"
#define TIME_ENTRY                                                                                                     \
    L"TxnDate:date EntityRef:ref CustomerRef:ref ItemServiceRef:ref Duration:interval "                                \
    L"PayrollItemWageRef:ref Notes:text BillableStatus:enum/BillableStatus"

const TypeEntry kTypes[] = {
    // Message sets and responses.
    { L"IMsgSetResponse", L"ResponseList:IResponseList" },
    { L"IResponseList", L"[IResponse" },
    { L"IResponse", L"StatusCode:#int StatusSeverity:#text StatusMessage:#text Detail:#any Type:enum/ResponseType" },
    { L"IQBBaseRef", L"ListID:id FullName:text" },

    // Time tracking.
    { L"ITimeTrackingQuery", L"metaData:enum/metaData iterator:enum/iterator "
                             L"ORTimeTrackingTxnQuery:IORTimeTrackingTxnQuery IncludeRetElementList:list" },
    { L"IORTimeTrackingTxnQuery", L"TxnIDList:list TimeTrackingTxnFilter:ITimeTrackingTxnFilter" },
    { L"ITimeTrackingTxnFilter", L"MaxReturned:int ORDateRangeFilter:IORDateRangeFilter "
                                 L"TimeTrackingEntityFilter:ITimeTrackingEntityFilter" },
    { L"IORDateRangeFilter", L"TxnDateRangeFilter:ITxnDateRangeFilter" },
    { L"ITxnDateRangeFilter", L"ORTxnDateRangeFilter:IORTxnDateRangeFilter" },
    { L"IORTxnDateRangeFilter", L"TxnDateFilter:ITxnDateFilter" },
    { L"ITxnDateFilter", L"FromTxnDate:date ToTxnDate:date" },
    { L"ITimeTrackingEntityFilter", L"ORTimeTrackingEntityFilter:IORTimeTrackingEntityFilter" },
    { L"IORTimeTrackingEntityFilter", L"ListIDList:list FullNameList:list" },
    { L"ITimeTrackingAdd", TIME_ENTRY },
    { L"ITimeTrackingMod", L"TxnID:id EditSequence:text " TIME_ENTRY },
    { L"ITimeTrackingRet", L"TxnID:id EditSequence:text " TIME_ENTRY },
    { L"ITimeTrackingRetList", L"[ITimeTrackingRet" },
    { L"ITxnDel", L"TxnDelType:enum/TxnDelType TxnID:id" },
    { L"ITxnDelRet", L"TxnDelType:enum/TxnDelType TxnID:id" },

    // List queries share their filters.
    { L"IORListQuery", L"ListIDList:list FullNameList:list ListFilter:IListFilter" },
    { L"IListFilter", LIST_FILTER },
    { L"IORListQueryWithOwnerIDAndClass",
      L"ListIDList:list FullNameList:list ListWithClassFilter:IListWithClassFilter" },
    { L"IListWithClassFilter", LIST_FILTER },
    { L"IORNameFilter", L"NameRangeFilter:INameRangeFilter" },
    { L"INameRangeFilter", L"FromName:text ToName:text" },

    // Employees. The add and the Ret share their payroll information; the change has its own.
    { L"IEmployeeQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" },
    { L"IEmployeeAdd", L"IsActive:bool FirstName:text MiddleName:text LastName:text "
                       L"EmployeePayrollInfo:IEmployeePayrollInfo" },
    { L"IEmployeePayrollInfo", L"OREarnings:IOREarnings IsUsingTimeDataToCreatePaychecks:bool "
                               L"UseTimeDataToCreatePaychecks:enum/UseTimeDataToCreatePaychecks" },
    { L"IOREarnings", L"EarningsList:IEarningsList" },
    { L"IEarningsList", L"[IEarnings" },
    { L"IEarnings", L"PayrollItemWageRef:ref" },
    { L"IEmployeeMod", L"ListID:id EditSequence:text EmployeePayrollInfoMod:IEmployeePayrollInfoMod" },
    { L"IEmployeePayrollInfoMod", L"UseTimeDataToCreatePaychecks:enum/UseTimeDataToCreatePaychecks" },
    { L"IEmployeeRet", L"ListID:id EditSequence:text Name:text IsActive:bool FirstName:text MiddleName:text "
                       L"LastName:text EmployeePayrollInfo:IEmployeePayrollInfo" },
    { L"IEmployeeRetList", L"[IEmployeeRet" },

    // Customers and jobs.
    { L"ICustomerQuery", L"ORCustomerListQuery:IORCustomerListQuery IncludeRetElementList:list" },
    { L"IORCustomerListQuery", L"ListIDList:list FullNameList:list CustomerListFilter:ICustomerListFilter" },
    { L"ICustomerListFilter", LIST_FILTER },
    { L"ICustomerAdd", L"Name:text IsActive:bool ParentRef:ref" },
    { L"ICustomerRet", ITEM_WITH_PARENT },
    { L"ICustomerRetList", L"[ICustomerRet" },

    // Items.
    { L"IItemServiceQuery",
      L"ORListQueryWithOwnerIDAndClass:IORListQueryWithOwnerIDAndClass IncludeRetElementList:list" },
    { L"IItemServiceAdd", L"Name:text IsActive:bool ParentRef:ref ORSalesPurchase:IORSalesPurchase" },
    { L"IORSalesPurchase", L"SalesOrPurchase:ISalesOrPurchase" },
    { L"ISalesOrPurchase", L"Desc:text AccountRef:ref" },
    { L"IItemServiceRet", ITEM_WITH_PARENT L" ORSalesPurchase:IORSalesPurchase" },
    { L"IItemServiceRetList", L"[IItemServiceRet" },
    { L"IItemQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" },
    { L"IORItemRetList", L"[IORItemRet" },
    { L"IORItemRet",
      L"ortype:#int ItemServiceRet:IItemServiceRet ItemNonInventoryRet:IItemNonInventoryRet "
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
    { L"IAccountRet", ITEM_WITH_PARENT L" AccountType:enum/AccountType" },
    { L"IAccountRetList", L"[IAccountRet" },
    { L"IPayrollItemWageQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" },
    { L"IPayrollItemWageRet", L"ListID:id EditSequence:text Name:text IsActive:bool WageType:enum/WageType" },
    { L"IPayrollItemWageRetList", L"[IPayrollItemWageRet" },

    // The company and its preferences.
    { L"ICompanyQuery", L"IncludeRetElementList:list" },
    { L"ICompanyRet", L"CompanyName:text LegalCompanyName:text" },
    { L"IPreferencesQuery", L"IncludeRetElementList:list" },
    { L"IPreferencesRet", L"CurrentAppAccessRights:ICurrentAppAccessRights "
                          L"TimeTrackingPreferences:ITimeTrackingPreferences" },
    { L"ICurrentAppAccessRights", L"IsPersonalDataAccessAllowed:bool" },
    { L"ITimeTrackingPreferences", L"FirstDayOfWeek:enum/FirstDayOfWeek" },
};

// QBFC 11 brought the class filter to the service-item query.
const OlderForm kOlderForms[] = {
    { 11, { L"IItemServiceQuery", L"ORListQuery:IORListQuery IncludeRetElementList:list" } },
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
    { L"int", L"IQBIntType", NodeKind::IntValue },
    { L"interval", L"IQBTimeIntervalType", NodeKind::IntervalValue },
    { L"list", L"IBSTRList", NodeKind::StringList },
    { L"ref", L"IQBBaseRef", NodeKind::Aggregate },  // an alias only; the type is in kTypes
};

const wchar_t kEnumAlias[] = L"enum/";

// Every interface with members of its own gets a block of ids, in the order the table makes them.
const long kFirstMemberId = 0x10000;
const long kIdsPerInterface = 0x100;

long NextIdBase()
{
    static long interfaces = 0;  // counted while the table is built, once
    return kFirstMemberId + kIdsPerInterface * interfaces++;
}

Member ParseMember(const std::wstring& word)
{
    size_t colon = word.find(L':');
    std::wstring name = word.substr(0, colon);
    Member member = { name, MemberKind::Object, word.substr(colon + 1), 0 };
    if (member.type == L"#int")
        member.kind = MemberKind::PlainInt;
    else if (member.type == L"#text")
        member.kind = MemberKind::PlainText;
    else if (member.type == L"#any")
        member.kind = MemberKind::AnyObject;
    else if (member.type.compare(0, wcslen(kEnumAlias), kEnumAlias) == 0)
        member.type = EnumTypeName(member.type.substr(wcslen(kEnumAlias)));
    for (const ValueType& value : kValueTypes)
        if (member.type == value.alias)
            member.type = value.name;
    return member;
}

TypeDef ParseType(const TypeEntry& entry)
{
    TypeDef type = { entry.name, NodeKind::Aggregate, {}, L"", L"", NextIdBase() };
    std::wstring members = entry.members;
    if (!members.empty() && members[0] == L'[') {
        type.kind = NodeKind::ObjectList;
        type.elementType = members.substr(1);
        return type;
    }
    std::wistringstream words(members);
    std::wstring word;
    while (words >> word) {
        type.members.push_back(ParseMember(word));
        type.members.back().id = type.idBase + static_cast<long>(type.members.size());
    }
    return type;
}

std::wstring OlderFormKey(const std::wstring& name, int before)
{
    return name + L"<" + std::to_wstring(before);
}

void AddEnumType(std::map<std::wstring, TypeDef>& types, const std::wstring& enumName)
{
    if (types.count(EnumTypeName(enumName)) == 0)
        types[EnumTypeName(enumName)] =
            TypeDef { EnumTypeName(enumName), NodeKind::EnumValue, {}, L"", enumName, NextIdBase() };
}

// The enumerated fields the aggregates name, each a value type of its own as in QBFC, and the
// Type every object has.
void AddEnumTypes(std::map<std::wstring, TypeDef>& types)
{
    AddEnumType(types, L"ObjectType");
    for (const TypeEntry& entry : kTypes) {
        std::wstring members = entry.members;
        for (size_t at = members.find(kEnumAlias); at != std::wstring::npos; at = members.find(kEnumAlias, at + 1)) {
            size_t start = at + wcslen(kEnumAlias);
            AddEnumType(types, members.substr(start, members.find(L' ', start) - start));
        }
    }
}

const std::map<std::wstring, TypeDef>& AllTypes()
{
    static std::map<std::wstring, TypeDef> types;
    static std::once_flag built;
    std::call_once(built, [] {
        for (const TypeEntry& entry : kTypes)
            types[entry.name] = ParseType(entry);
        for (const OlderForm& older : kOlderForms)
            types[OlderFormKey(older.type.name, older.before)] = ParseType(older.type);
        for (const ValueType& value : kValueTypes)
            if (value.kind != NodeKind::Aggregate)
                types[value.name] = TypeDef { value.name, value.kind, {}, L"", L"", 0 };
        AddEnumTypes(types);
    });
    return types;
}

}  // namespace

std::wstring EnumTypeName(const std::wstring& enumName)
{
    return L"IQBEN" + enumName + L"Type";
}

const TypeDef& FindType(const std::wstring& name)
{
    auto found = AllTypes().find(name);
    if (found == AllTypes().end())
        throw std::runtime_error("qbsim: unknown type " + std::string(Quorvane::WideToUtf8(name).c_str()));
    return found->second;
}

const TypeDef& FindRequestType(const std::wstring& name, int qbfcVersion)
{
    for (const OlderForm& older : kOlderForms)
        if (qbfcVersion < older.before && name == older.type.name)
            return FindType(OlderFormKey(name, older.before));
    return FindType(name);
}

std::vector<std::wstring> ObjectTypeNames()
{
    std::vector<std::wstring> names;
    for (const auto& type : AllTypes())
        if ((type.second.kind == NodeKind::Aggregate || type.second.kind == NodeKind::ObjectList) &&
            type.first == type.second.name)
            names.push_back(type.second.name.substr(1));
    return names;
}

}  // namespace QbSim
