#include "tools/qbsim/ComFailure.h"

#include <oleauto.h>

#include "core/TextCodec.h"

namespace QbSim {

namespace {

void SetThreadErrorInfo(const std::wstring& description)
{
    ICreateErrorInfo* create = 0;
    if (FAILED(CreateErrorInfo(&create)))
        return;
    create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
    IErrorInfo* info = 0;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    create->Release();
}

}  // namespace

ComFailure FailureOf(HRESULT hresult, const std::exception& error)
{
    Quorvane::Utf8ToWide description(error.what(), 0);
    return Failure(hresult, std::wstring(description.c_str(), description.size()));
}

HRESULT ReportFailure(const ComFailure& failure, EXCEPINFO* exception)
{
    if (failure.viaException && exception) {
        ZeroMemory(exception, sizeof(*exception));
        exception->scode = failure.hresult;
        if (failure.hasDescription)
            exception->bstrDescription = SysAllocStringLen(failure.description.data(), failure.description.size());
        return DISP_E_EXCEPTION;
    }
    SetErrorInfo(0, 0);
    if (failure.hasDescription)
        SetThreadErrorInfo(failure.description);
    return failure.hresult;
}

}  // namespace QbSim
