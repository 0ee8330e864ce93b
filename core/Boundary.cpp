#include "core/Boundary.h"

#include <exception>
#include <string>
#include "core/ConnectorLog.h"
#include "core/TextCodec.h"

namespace Quorvane {

namespace {

void ReportEscaped(const wchar_t* where, const std::wstring& what)
{
    Logging::AppendToConnectorLog(std::wstring(L"Unhandled failure in ") + where + L": " + what);
}

std::wstring Widen(const char* text)
{
    Utf8ToWide wide(text, 0);
    return wide.c_str();
}

}  // namespace

// Besides std::exception the program throws the int 1 and wide texts as failure signals.
std::wstring DescribeCurrentException()
{
    try {
        throw;
    } catch (const std::exception& failure) {
        return Widen(failure.what());
    } catch (int code) {
        return L"error code " + std::to_wstring(code);
    } catch (const wchar_t* text) {
        return text ? text : L"";
    } catch (const std::wstring& text) {
        return text;
    } catch (...) {
        return L"unknown exception";
    }
}

std::wstring LogCurrentException(const wchar_t* where)
{
    const std::wstring what = DescribeCurrentException();
    Logging::AppendToConnectorLog(std::wstring(where) + L" failed: " + what);
    return what;
}

bool RunAtBoundary(const wchar_t* where, const boost::function<void()>& call)
{
    try {
        call();
        return true;
    } catch (...) {
        ReportEscaped(where, DescribeCurrentException());
    }
    return false;
}

}  // namespace Quorvane
