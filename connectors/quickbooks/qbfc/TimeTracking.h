#pragma once
// Time-tracking transactions: the query, add, change and delete, and the Ret they answer with.
#include "connectors/quickbooks/qbfc/Fields.h"

namespace Quorvane {
namespace Qbfc {

// The elements a time entry's add, change and Ret have in common.
class TimeTrackingFields : public Object {
public:
    TimeTrackingFields() {}
    TimeTrackingFields(IDispatch* dispatch, const void* interfaceKey) : Object(dispatch, interfaceKey) {}
    IQBDateType TxnDate() const { return Child<IQBDateType>(L"TxnDate"); }
    IQBBaseRef EntityRef() const { return Child<IQBBaseRef>(L"EntityRef"); }
    IQBBaseRef CustomerRef() const { return Child<IQBBaseRef>(L"CustomerRef"); }
    IQBBaseRef ItemServiceRef() const { return Child<IQBBaseRef>(L"ItemServiceRef"); }
    IQBTimeIntervalType Duration() const { return Child<IQBTimeIntervalType>(L"Duration"); }
    IQBBaseRef PayrollItemWageRef() const { return Child<IQBBaseRef>(L"PayrollItemWageRef"); }
    IQBStringType Notes() const { return Child<IQBStringType>(L"Notes"); }
    // ENBillableStatus: 0 billable, 1 not billable, 2 has been billed.
    IQBEnumType BillableStatus() const { return Child<IQBEnumType>(L"BillableStatus"); }
};

class ITimeTrackingAdd : public TimeTrackingFields {
    QBFC_WRAPPER(ITimeTrackingAdd, TimeTrackingFields)
};

class ITimeTrackingMod : public TimeTrackingFields {
    QBFC_WRAPPER(ITimeTrackingMod, TimeTrackingFields)
    IQBIDType TxnID() const { return Child<IQBIDType>(L"TxnID"); }
    IQBStringType EditSequence() const { return Child<IQBStringType>(L"EditSequence"); }
};

class ITimeTrackingRet : public TimeTrackingFields {
    QBFC_WRAPPER(ITimeTrackingRet, TimeTrackingFields)
    IQBIDType TxnID() const { return Child<IQBIDType>(L"TxnID"); }
    IQBStringType EditSequence() const { return Child<IQBStringType>(L"EditSequence"); }
};

class ITimeTrackingRetList : public ObjectList<ITimeTrackingRet> {
    QBFC_WRAPPER(ITimeTrackingRetList, ObjectList<ITimeTrackingRet>)
};

class ITxnDateFilter : public Object {
    QBFC_WRAPPER(ITxnDateFilter, Object)
    IQBDateType FromTxnDate() const { return Child<IQBDateType>(L"FromTxnDate"); }
    IQBDateType ToTxnDate() const { return Child<IQBDateType>(L"ToTxnDate"); }
};

// The choice between two dates and a date macro.
class IORTxnDateRangeFilter : public Object {
    QBFC_WRAPPER(IORTxnDateRangeFilter, Object)
    ITxnDateFilter TxnDateFilter() const { return Child<ITxnDateFilter>(L"TxnDateFilter"); }
};

class ITxnDateRangeFilter : public Object {
    QBFC_WRAPPER(ITxnDateRangeFilter, Object)
    IORTxnDateRangeFilter ORTxnDateRangeFilter() const { return Child<IORTxnDateRangeFilter>(L"ORTxnDateRangeFilter"); }
};

// The choice between the modification dates and the transaction dates.
class IORDateRangeFilter : public Object {
    QBFC_WRAPPER(IORDateRangeFilter, Object)
    ITxnDateRangeFilter TxnDateRangeFilter() const { return Child<ITxnDateRangeFilter>(L"TxnDateRangeFilter"); }
};

// The choice between ListIDs and full names.
class IORTimeTrackingEntityFilter : public Object {
    QBFC_WRAPPER(IORTimeTrackingEntityFilter, Object)
    IBSTRList ListIDList() const { return Child<IBSTRList>(L"ListIDList"); }
};

class ITimeTrackingEntityFilter : public Object {
    QBFC_WRAPPER(ITimeTrackingEntityFilter, Object)
    IORTimeTrackingEntityFilter ORTimeTrackingEntityFilter() const
    {
        return Child<IORTimeTrackingEntityFilter>(L"ORTimeTrackingEntityFilter");
    }
};

class ITimeTrackingTxnFilter : public Object {
    QBFC_WRAPPER(ITimeTrackingTxnFilter, Object)
    IQBIntType MaxReturned() const { return Child<IQBIntType>(L"MaxReturned"); }
    IORDateRangeFilter ORDateRangeFilter() const { return Child<IORDateRangeFilter>(L"ORDateRangeFilter"); }
    ITimeTrackingEntityFilter TimeTrackingEntityFilter() const
    {
        return Child<ITimeTrackingEntityFilter>(L"TimeTrackingEntityFilter");
    }
};

// The query's choice: by TxnID, or by filter.
class IORTimeTrackingTxnQuery : public Object {
    QBFC_WRAPPER(IORTimeTrackingTxnQuery, Object)
    IBSTRList TxnIDList() const { return Child<IBSTRList>(L"TxnIDList"); }
    ITimeTrackingTxnFilter TimeTrackingTxnFilter() const
    {
        return Child<ITimeTrackingTxnFilter>(L"TimeTrackingTxnFilter");
    }
};

class ITimeTrackingQuery : public Object {
    QBFC_WRAPPER(ITimeTrackingQuery, Object)
    // The query's second and third properties, two enumerated options.
    IQBEnumType metaData() const { return Child<IQBEnumType>(L"metaData"); }
    IQBEnumType iterator() const { return Child<IQBEnumType>(L"iterator"); }
    IORTimeTrackingTxnQuery ORTimeTrackingTxnQuery() const
    {
        return Child<IORTimeTrackingTxnQuery>(L"ORTimeTrackingTxnQuery");
    }
    IBSTRList IncludeRetElementList() const { return Child<IBSTRList>(L"IncludeRetElementList"); }
};

// TxnDelType is ENTxnDelType, whose numbering differs between QBFC versions: set by name.
class ITxnDel : public Object {
    QBFC_WRAPPER(ITxnDel, Object)
    IQBEnumType TxnDelType() const { return Child<IQBEnumType>(L"TxnDelType"); }
    IQBIDType TxnID() const { return Child<IQBIDType>(L"TxnID"); }
};

class ITxnDelRet : public Object {
    QBFC_WRAPPER(ITxnDelRet, Object)
    IQBEnumType TxnDelType() const { return Child<IQBEnumType>(L"TxnDelType"); }
    IQBIDType TxnID() const { return Child<IQBIDType>(L"TxnID"); }
};

}  // namespace Qbfc
}  // namespace Quorvane
