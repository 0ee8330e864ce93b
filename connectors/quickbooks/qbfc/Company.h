#pragma once
// The open company: its name, and the preferences the program reads.
#include "connectors/quickbooks/qbfc/Fields.h"

namespace Quorvane {
namespace Qbfc {

class ICompanyQuery : public Object {
    QBFC_WRAPPER(ICompanyQuery, Object)
    IBSTRList IncludeRetElementList() const { return Child<IBSTRList>(L"IncludeRetElementList"); }
};

class ICompanyRet : public Object {
    QBFC_WRAPPER(ICompanyRet, Object)
    IQBStringType CompanyName() const { return Child<IQBStringType>(L"CompanyName"); }
};

class IPreferencesQuery : public Object {
    QBFC_WRAPPER(IPreferencesQuery, Object)
    IBSTRList IncludeRetElementList() const { return Child<IBSTRList>(L"IncludeRetElementList"); }
};

class ICurrentAppAccessRights : public Object {
    QBFC_WRAPPER(ICurrentAppAccessRights, Object)
    IQBBoolType IsPersonalDataAccessAllowed() const { return Child<IQBBoolType>(L"IsPersonalDataAccessAllowed"); }
};

// FirstDayOfWeek is ENFirstDayOfWeek.
class ITimeTrackingPreferences : public Object {
    QBFC_WRAPPER(ITimeTrackingPreferences, Object)
    IQBEnumType FirstDayOfWeek() const { return Child<IQBEnumType>(L"FirstDayOfWeek"); }
};

class IPreferencesRet : public Object {
    QBFC_WRAPPER(IPreferencesRet, Object)
    ICurrentAppAccessRights CurrentAppAccessRights() const
    {
        return Child<ICurrentAppAccessRights>(L"CurrentAppAccessRights");
    }
    ITimeTrackingPreferences TimeTrackingPreferences() const
    {
        return Child<ITimeTrackingPreferences>(L"TimeTrackingPreferences");
    }
};

}  // namespace Qbfc
}  // namespace Quorvane
