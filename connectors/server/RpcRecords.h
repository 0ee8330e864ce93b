#pragma once
// The server's replies as plain records. Every field starts at zero or empty, so a member the
// reply lacks never leaves an indeterminate value behind.
#include <string>
#include <vector>
#include "core/DateTime.h"

namespace Quorvane {

struct Challenge {
    std::wstring build;
    std::wstring version;  // "major.minor"
    std::wstring sessionId;
    std::wstring challengeValue;
};

struct LoginResult {
    LoginResult() : userId(-1) {}
    std::vector<std::wstring> availableServices;
    std::wstring resultCode;
    int userId;  // -1 when the reply has none
    std::wstring serverUUID;
};

// The server's names for its three levels: 1 customer, 2 project, 3 task.
struct GeneralSettings {
    std::wstring firstLevelSingularForm;
    std::wstring firstLevelPluralForm;
    std::wstring secondLevelSingularForm;
    std::wstring secondLevelPluralForm;
    std::wstring thirdLevelSingularForm;
    std::wstring thirdLevelPluralForm;
};

struct QVUserInfo {
    QVUserInfo() : id(0) {}
    int id;
    std::wstring firstName;
    std::wstring middleInitial;
    std::wstring lastName;
    std::wstring username;
};

struct QVUserWithDuplicates {
    QVUserInfo userInfo;
    std::vector<QVUserInfo> duplicatesInfo;
};

struct QVCustomer {
    QVCustomer() : id(0) {}
    int id;
    std::wstring name;
    std::wstring description;
};

struct QVProject {
    QVProject() : id(0), customerId(0) {}
    int id;
    int customerId;
    std::wstring name;
    std::wstring description;
};

struct QVTask {
    QVTask() : id(0), projectId(0), billingTypeId(0) {}
    int id;
    int projectId;
    int billingTypeId;
    std::wstring name;
    std::wstring description;
};

struct QVBillingType {
    QVBillingType() : id(0), billable(0) {}
    std::wstring name;
    int id;
    int billable;  // 0 or 1
};

struct QVTimeTrackEntry {
    QVTimeTrackEntry() : taskId(0), spent(0) {}
    int taskId;
    std::wstring comment;
    DateTime date;
    int spent;  // minutes
};

struct QVLeaveRecord {
    QVLeaveRecord() : time(0), typeId(0) {}
    int time;  // minutes
    DateTime date;
    int typeId;
};

struct QVLeaveType {
    QVLeaveType() : id(0) {}
    std::wstring name;
    int id;
};

struct QVUserTimeTrack {
    std::vector<QVTask> tasks;
    std::vector<QVProject> projects;
    std::vector<QVCustomer> customers;
    std::vector<QVTimeTrackEntry> TTRecords;
    std::vector<QVLeaveType> leaveTypes;
    std::vector<QVBillingType> billingTypes;
    std::vector<QVLeaveRecord> leaveRecords;
};

}  // namespace Quorvane
