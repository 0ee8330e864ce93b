#pragma once
// The answers a request gets: a Ret or a Ret list with status 0, or a refusal with one of
// QuickBooks's status codes and a message that quotes what was wrong. Refusals have the
// severity "Error", except "no match", which is "Info" as the answer of status 0 is.
#include <string>
#include <vector>

#include "tools/qbsim/Json.h"

namespace QbSim {

Json Answer(const std::wstring& retType, const Json& ret);
// Status 1 when the list is empty: QuickBooks answers a query that matches nothing that way.
Json AnswerList(const std::wstring& listType, const std::vector<Json>& rets);
Json Refuse(int status, const std::wstring& message);

Json NoMatch();
Json StringTooLong(const std::wstring& field, const std::wstring& value);  // 3070
Json NameNotUnique(const std::wstring& name);  // 3100
Json ObjectNotFound(const std::wstring& id);  // 3120
Json InvalidReference(const std::wstring& list, const std::wstring& reference);  // 3140
Json TooManyLevels(const std::wstring& name);  // 3180
Json OutdatedEditSequence(const std::wstring& editSequence);  // 3200
Json FeatureNotEnabled();  // 3250
Json NoPersonalDataAccess();  // 3261
Json BilledEntry(int status, const std::wstring& txnId);

}  // namespace QbSim
