// The few compiler-support functions of comdef.h that MinGW declares but ships no library for.
#include <windows.h>
#include <comdef.h>

namespace _com_util {

BSTR WINAPI ConvertStringToBSTR(const char* text)
{
    if (!text)
        return 0;
    int units = MultiByteToWideChar(CP_ACP, 0, text, -1, 0, 0);
    BSTR result = SysAllocStringLen(0, units > 0 ? units - 1 : 0);
    if (result && units > 0)
        MultiByteToWideChar(CP_ACP, 0, text, -1, result, units);
    return result;
}

char* WINAPI ConvertBSTRToString(BSTR text)
{
    if (!text)
        return 0;
    int length = static_cast<int>(SysStringLen(text));
    int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, 0, 0, 0, 0);
    char* result = new char[bytes + 1];
    WideCharToMultiByte(CP_ACP, 0, text, length, result, bytes, 0, 0);
    result[bytes] = 0;
    return result;
}

}  // namespace _com_util

void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* object, REFIID iid)
{
    IErrorInfo* info = 0;
    ISupportErrorInfo* support = 0;
    if (object && SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
        if (support->InterfaceSupportsErrorInfo(iid) != S_OK || GetErrorInfo(0, &info) != S_OK)
            info = 0;
        support->Release();
    }
    throw _com_error(hr, info);
}
