#include "tools/qbsim/Faults.h"

#include <stdexcept>

namespace QbSim {

namespace {

struct StageName {
    Stage stage;
    const wchar_t* name;
};

const StageName kStageNames[] = {
    { Stage::OpenConnection, L"OpenConnection" },
    { Stage::BeginSession, L"BeginSession" },
    { Stage::EndSession, L"EndSession" },
    { Stage::CloseConnection, L"CloseConnection" },
    { Stage::CreateMsgSetRequest, L"CreateMsgSetRequest" },
    { Stage::SetField, L"SetField" },
    { Stage::DoRequests, L"DoRequests" },
    { Stage::GetField, L"GetField" },
    { Stage::Response, L"Response" },
};

void SetStatus(Json& response, const Fault& fault, const wchar_t* defaultSeverity)
{
    response.Set(L"StatusCode", fault.status);
    response.Set(L"StatusSeverity", fault.severity.empty() ? std::wstring(defaultSeverity) : fault.severity);
    response.Set(L"StatusMessage", fault.nullMessage ? Json() : Json(fault.message));
}

void OmitFromRet(Json& ret, const std::wstring& element)
{
    if (ret.IsArray()) {
        for (Json& item : ret.Items())
            OmitFromRet(item, element);
        return;
    }
    ret.Remove(element);
}

}  // namespace

Fault::Fault()
    : stage(Stage::Response),
      skip(0),
      times(1),
      failure(Failure(E_FAIL, L"")),
      shape(ResponseShape::Status),
      status(0),
      nullMessage(false)
{
}

Stage ParseStage(const std::wstring& name)
{
    for (const StageName& entry : kStageNames)
        if (name == entry.name)
            return entry.stage;
    throw std::runtime_error("qbsim: unknown fault stage");
}

FaultTable::FaultTable(const Editor& editor) : m_editor(editor) {}

void FaultTable::Add(const Fault& fault)
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_faults.push_back(fault);
}

void FaultTable::Clear()
{
    std::lock_guard<std::mutex> hold(m_lock);
    m_faults.clear();
}

bool FaultTable::IsArmed(Stage stage)
{
    std::lock_guard<std::mutex> hold(m_lock);
    for (const Fault& fault : m_faults)
        if (fault.stage == stage && fault.times != 0)
            return true;
    return false;
}

bool FaultTable::Fire(Stage stage, const std::wstring& request, const std::wstring& member, Fault& fired)
{
    std::lock_guard<std::mutex> hold(m_lock);
    for (Fault& fault : m_faults) {
        if (fault.stage != stage || fault.times == 0)
            continue;
        if (!fault.request.empty() && fault.request != request)
            continue;
        if (!fault.member.empty() && fault.member != member)
            continue;
        if (fault.skip > 0) {
            --fault.skip;
            continue;
        }
        if (fault.times > 0)
            --fault.times;
        fired = fault;
        return true;
    }
    return false;
}

void FaultTable::Check(Stage stage, const std::wstring& request, const std::wstring& member)
{
    Fault fault;
    if (!Fire(stage, request, member, fault))
        return;
    if (!fault.edit.IsSet())
        throw fault.failure;
    m_editor(fault.edit);
}

bool Fault::IsRefusal() const
{
    return stage == Stage::Response && !edit.IsSet() && shape == ResponseShape::Status &&
           (severity.empty() || severity == L"Error");
}

bool FaultTable::FireResponse(const std::wstring& request, Fault& fired)
{
    return Fire(Stage::Response, request, L"", fired);
}

void FaultTable::Reshape(const Fault& fault, Json& response)
{
    if (fault.edit.IsSet()) {
        m_editor(fault.edit);
        return;
    }
    switch (fault.shape) {
    case ResponseShape::Status:
        SetStatus(response, fault, L"Error");
        response.Set(L"Detail", Json());
        break;
    case ResponseShape::Warning: SetStatus(response, fault, L"Warn"); break;
    case ResponseShape::NullDetail:
        response.Set(L"StatusCode", 0);
        response.Set(L"StatusSeverity", L"Info");
        response.Set(L"Detail", Json());
        break;
    case ResponseShape::OtherDetail: {
        Json other = Json::MakeObject();
        other.Set(L"@type", L"ICompanyRet");
        response.Set(L"StatusCode", 0);
        response.Set(L"StatusSeverity", L"Info");
        response.Set(L"Detail", other);
        break;
    }
    case ResponseShape::OmitElement:
        if (Json* detail = response.Find(L"Detail")) {
            Json* items = detail->Find(L"@items");
            OmitFromRet(items ? *items : *detail, fault.element);
        }
        break;
    case ResponseShape::UntypedDetail:
        if (Json* detail = response.Find(L"Detail"))
            detail->Set(L"@untyped", true);
        break;
    }
}

}  // namespace QbSim
