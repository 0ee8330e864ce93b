#include "WorldServer.h"

#include <map>
#include <set>

#include "connectors/server/JsonReading.h"
#include "core/TextUtils.h"
#include "tools/qbsim/Json.h"

using namespace Quorvane::JsonReading;
using QbSim::Json;
using Quorvane::DateTime;

namespace {

struct Params {
    std::vector<std::wstring> texts;
    std::vector<int> ids;  // the user ids of the one array a request may carry
};

// The client ends its list of ids with a comma ("[7, 12, ]"), which the JSON reader refuses.
std::wstring WithoutTrailingCommas(std::wstring text)
{
    for (size_t at = text.find(L", ]"); at != std::wstring::npos; at = text.find(L", ]"))
        text.erase(at, 2);
    return text;
}

DateTime ParsedDate(const std::wstring& text)
{
    DateTime date;
    date.Parse(text);
    return date;
}

bool Within(const DateTime& day, const std::vector<std::wstring>& period)
{
    return !(day < ParsedDate(period[period.size() - 2])) && !(ParsedDate(period.back()) < day);
}

Json Reply(const Json& result)
{
    Json reply = Json::MakeObject();
    reply.Set(L"result", result);
    return reply;
}

Json Record(int id, const std::wstring& name)
{
    Json record = Json::MakeObject();
    record.Set(L"id", id);
    record.Set(L"name", name);
    return record;
}

class Answers {
public:
    Answers(const World& world, bool now) : m_world(world), m_now(now) {}

    Json Answer(const std::wstring& method, const Params& params) const
    {
        if (method == L"LoginService.getChallenge")
            return Reply(Json::Parse(L"{\"build\":\"3.2.7-world\",\"version\":\"3.2\",\"sessionId\":\"w1\","
                                     L"\"challengeValue\":\"c0ffee\"}"));
        if (method == L"LoginService.login")
            return Reply(Json::Parse(L"{\"resultCode\":\"ok\",\"userId\":1,\"serverUUID\":\"world-server\","
                                     L"\"availableServices\":[\"QBService_v1\",\"SyncService_v1\"]}"));
        if (method == L"SyncService_v1.getGeneralSettings")
            return Reply(Json::Parse(L"{\"firstLevelSingularForm\":\"Customer\",\"firstLevelPluralForm\":\"Customers\","
                                     L"\"secondLevelSingularForm\":\"Project\",\"secondLevelPluralForm\":\"Projects\","
                                     L"\"thirdLevelSingularForm\":\"Task\",\"thirdLevelPluralForm\":\"Tasks\"}"));
        if (method == L"QBService_v1.getUsersToImport")
            return Reply(UsersToImport(params.texts));
        if (method == L"QBService_v1.getUsersInfoWithDuplicates")
            return Reply(UsersInfo(params.ids));
        if (method == L"QBService_v1.getUserTimeTrack")
            return Reply(TimeTrack(std::stoi(params.texts.at(0)), params.texts));
        if (method == L"QBService_v1.getAllLeaveTypes")
            return Reply(LeaveTypes());
        return Json::Parse(L"{\"error\":{\"code\":591,\"msg\":\"NoSuchMethodException\",\"trace\":\"" + method +
                           L"\"}}");
    }

private:
    int Minutes(const WorldRecord& record) const { return m_now ? record.now : record.before; }

    bool HasTime(int user, const std::vector<std::wstring>& period) const
    {
        for (const WorldRecord& record : m_world.records)
            if (record.user == user && Minutes(record) >= 0 && Within(m_world.Day(record.day), period))
                return true;
        return false;
    }

    // A duplicate whose original is listed may come only beside it.
    Json UsersToImport(const std::vector<std::wstring>& period) const
    {
        Json ids = Json::MakeArray();
        for (size_t user = 0; user < m_world.users.size(); ++user) {
            const int original = m_world.users[user].duplicateOf;
            const bool besideOriginal = !m_world.duplicatesListed && original >= 0 && HasTime(original, period);
            if (HasTime(static_cast<int>(user), period) && !besideOriginal)
                ids.Push(m_world.users[user].id);
        }
        return ids;
    }

    static Json UserInfo(const WorldUser& user)
    {
        Json info = Json::MakeObject();
        info.Set(L"id", user.id);
        info.Set(L"firstName", user.first);
        info.Set(L"middleInitial", user.middle);
        info.Set(L"lastName", user.last);
        info.Set(L"username", Quorvane::ToLower(user.first) + std::to_wstring(user.id));
        return info;
    }

    Json UsersInfo(const std::vector<int>& ids) const
    {
        Json map = Json::MakeObject();
        for (int id : ids) {
            const int user = UserIndex(id);
            if (user < 0 || map.Has(std::to_wstring(id)))
                continue;
            Json duplicates = Json::MakeArray();
            for (const WorldUser& duplicate : m_world.users)
                if (duplicate.duplicateOf == user)
                    duplicates.Push(UserInfo(duplicate));
            Json entry = Json::MakeObject();
            entry.Set(L"userInfo", UserInfo(m_world.users[user]));
            entry.Set(L"duplicatesInfo", duplicates);
            map.Set(std::to_wstring(id), entry);
        }
        Json result = Json::MakeObject();
        result.Set(L"map", map);
        return result;
    }

    // Only what the user's records refer to, in the order of the server's lists: tasks, projects and
    // customers by the world's tasks, billing types and customers numbered as they first appear.
    Json TimeTrack(int id, const std::vector<std::wstring>& period) const
    {
        const int user = UserIndex(id);
        std::set<int> tasks, leaveTypes;
        Json work = Json::MakeArray(), leave = Json::MakeArray();
        for (const WorldRecord& record : m_world.records) {
            const DateTime day = m_world.Day(record.day);
            if (record.user != user || Minutes(record) < 0 || !Within(day, period))
                continue;
            Json wire = Json::MakeObject();
            if (record.leave) {
                leaveTypes.insert(record.task);
                wire.Set(L"typeId", m_world.leaveTypes[record.task].id);
                wire.Set(L"date", day.ToString());
                wire.Set(L"time", Minutes(record));
                leave.Push(wire);
            } else {
                tasks.insert(record.task);
                wire.Set(L"taskId", record.task + 1);
                wire.Set(L"date", day.ToString());
                wire.Set(L"spent", Minutes(record));
                wire.Set(L"comment", m_now ? record.commentNow : record.comment);
                work.Push(wire);
            }
        }
        Json result = Json::MakeObject();
        Json taskList = Json::MakeArray(), projects = Json::MakeArray(), customers = Json::MakeArray(),
             billingTypes = Json::MakeArray(), leaveTypeList = Json::MakeArray();
        std::map<std::wstring, int> customerIds, billingIds;
        std::set<int> listedCustomers, listedBillingTypes;
        for (size_t i = 0; i < m_world.tasks.size(); ++i) {
            const WorldTask& task = m_world.tasks[i];
            const int customer =
                customerIds.insert(std::make_pair(task.customer, static_cast<int>(customerIds.size()) + 1))
                    .first->second;
            const int billing =
                billingIds.insert(std::make_pair(task.billingType, static_cast<int>(billingIds.size()) + 1))
                    .first->second;
            if (!tasks.count(static_cast<int>(i)))
                continue;
            const int taskId = static_cast<int>(i) + 1;
            Json wireTask = Record(taskId, task.task);
            wireTask.Set(L"projectId", taskId);
            wireTask.Set(L"billingTypeId", billing);
            taskList.Push(wireTask);
            Json project = Record(taskId, task.project);
            project.Set(L"customerId", customer);
            projects.Push(project);
            if (listedCustomers.insert(customer).second)
                customers.Push(Record(customer, task.customer));
            if (listedBillingTypes.insert(billing).second) {
                Json type = Record(billing, task.billingType);
                type.Set(L"billable", task.billing == Billable ? 1 : 0);
                billingTypes.Push(type);
            }
        }
        for (int type : leaveTypes)
            leaveTypeList.Push(Record(m_world.leaveTypes[type].id, m_world.leaveTypes[type].name));
        result.Set(L"tasks", taskList);
        result.Set(L"projects", projects);
        result.Set(L"customers", customers);
        result.Set(L"billingTypes", billingTypes);
        result.Set(L"TTRecords", work);
        result.Set(L"leaveTypes", leaveTypeList);
        result.Set(L"leaveRecords", leave);
        return result;
    }

    // Every type at the last import; now the server lists only the types it still has.
    Json LeaveTypes() const
    {
        Json types = Json::MakeArray();
        for (const WorldLeaveType& type : m_world.leaveTypes)
            if (!m_now || type.listedNow)
                types.Push(Record(type.id, type.name));
        return types;
    }

    int UserIndex(int id) const
    {
        for (size_t user = 0; user < m_world.users.size(); ++user)
            if (m_world.users[user].id == id)
                return static_cast<int>(user);
        return -1;
    }

    const World& m_world;
    bool m_now;
};

Params ReadParams(const json::value& request)
{
    Params params;
    ForEachElement(Member(request, "params"), [&params](const json::value& param) {
        if (IsOfType(param, VALUE_STRING))
            params.texts.push_back(Text(param));
        else
            ForEachElement(param, [&params](const json::value& id) {
                int read = -1;
                ReadInteger(id, read);
                params.ids.push_back(read);
            });
    });
    return params;
}

}  // namespace

std::wstring WorldServer::SendRequest(const std::wstring&, const std::wstring&, const std::wstring&,
                                      const std::wstring& body)
{
    const std::wstring text = WithoutTrailingCommas(body);
    const json::value request = json::value::from_string(text.c_str(), text.size(), VALUE_MODE_JSON);
    return Answers(m_world, m_now).Answer(Text(Member(request, "method")), ReadParams(request)).Write();
}
