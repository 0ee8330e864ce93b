#pragma once
// A failure the simulator reports through COM: the HRESULT, the description set as the thread's
// error information (when there is one), and whether IDispatch::Invoke reports it through
// EXCEPINFO as DISP_E_EXCEPTION instead of returning the HRESULT itself.
#include <windows.h>
#include <exception>
#include <string>

namespace QbSim {

struct ComFailure {
    HRESULT hresult;
    std::wstring description;
    bool hasDescription;
    bool viaException;
};

inline ComFailure Failure(HRESULT hresult, const std::wstring& description)
{
    ComFailure failure = { hresult, description, true, false };
    return failure;
}

// The failure with the exception's message (UTF-8) as its description.
ComFailure FailureOf(HRESULT hresult, const std::exception& error);

// Makes the failure the calling thread's error information and returns what a COM method returns.
HRESULT ReportFailure(const ComFailure& failure, EXCEPINFO* exception);

}  // namespace QbSim
