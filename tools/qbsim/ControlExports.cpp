// The DLL's test control: each export runs one operation of Control.h inside one catch.
#include "tools/qbsim/ComFailure.h"
#include "tools/qbsim/Control.h"
#include "tools/qbsim/QbSimExports.h"

namespace {

template <typename Work>
HRESULT Guarded(Work work)
{
    try {
        return work();
    } catch (const std::exception& error) {
        return QbSim::ReportFailure(QbSim::FailureOf(E_INVALIDARG, error), 0);
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT ReturnText(const std::wstring& text, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

extern "C" {

HRESULT WINAPI QbSimReset()
{
    return Guarded([] {
        QbSim::Control::Reset();
        return S_OK;
    });
}

HRESULT WINAPI QbSimSeed(LPCWSTR json)
{
    return Guarded([&] {
        QbSim::Control::Seed(json ? json : L"");
        return S_OK;
    });
}

HRESULT WINAPI QbSimSnapshot(BSTR* json)
{
    return Guarded([&] { return ReturnText(QbSim::Control::Snapshot(), json); });
}

HRESULT WINAPI QbSimUseCompanyFile(LPCWSTR path)
{
    return Guarded([&] {
        QbSim::Control::UseCompanyFile(path ? path : L"");
        return S_OK;
    });
}

HRESULT WINAPI QbSimEdit(LPCWSTR list, LPCWSTR id, LPCWSTR patch)
{
    if (!list || !id || !patch)
        return E_POINTER;
    return Guarded([&] { return QbSim::Control::Edit(list, id, patch) ? S_OK : S_FALSE; });
}

HRESULT WINAPI QbSimDelete(LPCWSTR list, LPCWSTR id)
{
    if (!list || !id)
        return E_POINTER;
    return Guarded([&] { return QbSim::Control::Delete(list, id) ? S_OK : S_FALSE; });
}

HRESULT WINAPI QbSimInjectFault(LPCWSTR faultJson)
{
    return Guarded([&] {
        QbSim::Control::InjectFault(QbSim::Control::ParseFault(faultJson ? faultJson : L""));
        return S_OK;
    });
}

HRESULT WINAPI QbSimClearFaults()
{
    return Guarded([] {
        QbSim::Control::ClearFaults();
        return S_OK;
    });
}

HRESULT WINAPI QbSimSetLatency(DWORD milliseconds)
{
    return Guarded([&] {
        QbSim::Control::SetLatency(milliseconds);
        return S_OK;
    });
}

HRESULT WINAPI QbSimTrace(BSTR* lines)
{
    return Guarded([&] {
        std::wstring text;
        for (const std::wstring& line : QbSim::Control::Trace())
            text += line + L"\n";
        return ReturnText(text, lines);
    });
}

HRESULT WINAPI QbSimClearTrace()
{
    return Guarded([] {
        QbSim::Control::ClearTrace();
        return S_OK;
    });
}

}  // extern "C"
