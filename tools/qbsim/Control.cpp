#include "tools/qbsim/Control.h"

#include <cwchar>
#include <stdexcept>

#include "tools/qbsim/Simulator.h"

namespace QbSim {
namespace Control {

namespace {

struct ShapeName {
    ResponseShape shape;
    const wchar_t* name;
};

const ShapeName kShapeNames[] = {
    { ResponseShape::Status, L"Status" },           { ResponseShape::Warning, L"Warning" },
    { ResponseShape::NullDetail, L"NullDetail" },   { ResponseShape::OtherDetail, L"OtherDetail" },
    { ResponseShape::OmitElement, L"OmitElement" }, { ResponseShape::UntypedDetail, L"UntypedDetail" },
};

ResponseShape ParseShape(const std::wstring& name)
{
    for (const ShapeName& entry : kShapeNames)
        if (name == entry.name)
            return entry.shape;
    throw std::runtime_error("qbsim: unknown response shape");
}

HRESULT ParseHresult(const Json& value)
{
    if (value.GetKind() == Json::String)
        return static_cast<HRESULT>(std::wcstoul(value.AsString().c_str(), 0, 0));
    return static_cast<HRESULT>(value.AsInt(E_FAIL));
}

}  // namespace

void Reset()
{
    Simulator& simulator = Simulator::Instance();
    simulator.Store().UseFile(L"");
    simulator.Store().Replace(Json::MakeObject());
    simulator.Faults().Clear();
    simulator.Trace().Clear();
    simulator.SetLatency(0);
}

void Seed(const std::wstring& companyJson)
{
    Simulator::Instance().Store().Replace(Json::Parse(companyJson));
}

std::wstring Snapshot()
{
    return Simulator::Instance().Store().Snapshot().Write();
}

void UseCompanyFile(const std::wstring& path)
{
    Simulator::Instance().Store().UseFile(path);
}

bool Edit(const std::wstring& list, const std::wstring& id, const std::wstring& patchJson)
{
    Json patch = Json::Parse(patchJson);
    bool found = false;
    Simulator::Instance().Store().Use([&](Company& company) { found = company.Edit(list, id, patch); });
    return found;
}

bool Delete(const std::wstring& list, const std::wstring& id)
{
    bool found = false;
    Simulator::Instance().Store().Use([&](Company& company) { found = company.Delete(list, id); });
    return found;
}

void InjectFault(const Fault& fault)
{
    Simulator::Instance().Faults().Add(fault);
}

Fault ParseFault(const std::wstring& faultJson)
{
    Json json = Json::Parse(faultJson);
    Fault fault;
    fault.stage = ParseStage(json.Get(L"stage").AsString());
    fault.request = json.Get(L"request").AsString();
    fault.member = json.Get(L"member").AsString();
    fault.skip = static_cast<int>(json.Get(L"skip").AsInt(0));
    fault.times = static_cast<int>(json.Get(L"times").AsInt(1));
    fault.failure.hresult = ParseHresult(json.Get(L"hresult"));
    fault.failure.description = json.Get(L"description").AsString();
    fault.failure.hasDescription = !json.Get(L"noDescription").AsBool(false);
    fault.failure.viaException = json.Get(L"viaException").AsBool(false);
    fault.shape = ParseShape(json.Get(L"shape").AsString(L"Status"));
    fault.status = static_cast<int>(json.Get(L"status").AsInt(0));
    fault.severity = json.Get(L"severity").AsString();
    fault.message = json.Get(L"message").AsString();
    fault.nullMessage = json.Get(L"nullMessage").AsBool(false);
    fault.element = json.Get(L"element").AsString();
    const Json& edit = json.Get(L"edit");
    fault.edit.list = edit.Get(L"list").AsString();
    fault.edit.id = edit.Get(L"id").AsString();
    fault.edit.patch = edit.Get(L"patch");
    if (fault.edit.IsSet() && !fault.edit.patch.IsObject())
        throw std::runtime_error("qbsim: an edit needs a patch object");
    return fault;
}

void ClearFaults()
{
    Simulator::Instance().Faults().Clear();
}

void SetLatency(DWORD milliseconds)
{
    Simulator::Instance().SetLatency(milliseconds);
}

std::vector<std::wstring> Trace()
{
    return Simulator::Instance().Trace().Lines();
}

void ClearTrace()
{
    Simulator::Instance().Trace().Clear();
}

}  // namespace Control
}  // namespace QbSim
