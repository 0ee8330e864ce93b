#include "tools/programdriver/EngineQuery.h"

#include <sstream>

#include "htmlengine/api/EngineTestHooks.h"
#include "tools/programdriver/DriverError.h"

namespace driver {

namespace {

const wchar_t kReplyClass[] = L"PellworthDriverReply";
const UINT kAnswerTimeoutMs = 10000;

void RegisterReplyClass(WNDPROC procedure)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kReplyClass;
    RegisterClassW(&windowClass);
}

}  // namespace

EngineQuery::EngineQuery()
{
    RegisterReplyClass(&EngineQuery::ReplyProc);
    m_replyWindow =
        CreateWindowExW(0, kReplyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_replyWindow)
        throw DriverError(L"the driver cannot make its reply window");
    SetWindowLongPtrW(m_replyWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

EngineQuery::~EngineQuery()
{
    DestroyWindow(m_replyWindow);
}

LRESULT CALLBACK EngineQuery::ReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<EngineQuery*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || !self || !data || data->dwData != ENGINE_TEST_ANSWER)
        return DefWindowProcW(window, message, wParam, lParam);
    self->m_answer.assign(static_cast<const wchar_t*>(data->lpData));
    self->m_answered = true;
    return TRUE;
}

std::wstring EngineQuery::Ask(HWND window, const std::wstring& query)
{
    COPYDATASTRUCT data = { ENGINE_TEST_QUERY, DWORD(query.size() * sizeof(wchar_t)),
                            const_cast<wchar_t*>(query.c_str()) };
    m_answered = false;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, WM_COPYDATA, WPARAM(m_replyWindow), LPARAM(&data), SMTO_NORMAL, kAnswerTimeoutMs,
                        &result);
    if (!m_answered)
        throw DriverError(L"the window gave no answer to \"" + query + L"\"");
    if (m_answer.compare(0, 6, L"error:") == 0)
        throw DriverError(L"the window cannot answer \"" + query + L"\": " + m_answer);
    return m_answer;
}

ElementPlace EngineQuery::Locate(HWND window, const std::wstring& selector)
{
    ElementPlace place;
    std::wistringstream answer(Ask(window, L"locate " + selector));
    LONG width = 0, height = 0;
    int visible = 0, reachable = 0;
    if (answer >> place.box.left >> place.box.top >> width >> height >> visible >> reachable) {
        place.found = true;
        place.box.right = place.box.left + width;
        place.box.bottom = place.box.top + height;
        place.visible = visible != 0;
        place.reachable = reachable != 0;
    }
    return place;
}

std::wstring EngineQuery::States(HWND window, const std::wstring& selector)
{
    return Ask(window, L"state " + selector);
}

int EngineQuery::Count(HWND window, const std::wstring& selector)
{
    return std::stoi(Ask(window, L"count " + selector));
}

// The first line counts the lines after it.
std::vector<std::wstring> EngineQuery::Lines(HWND window, const std::wstring& query)
{
    std::wistringstream answer(Ask(window, query));
    std::wstring line;
    std::getline(answer, line);
    std::vector<std::wstring> lines(static_cast<size_t>(std::stoi(line)));
    for (std::wstring& each : lines)
        std::getline(answer, each);
    return lines;
}

std::vector<std::wstring> EngineQuery::Texts(HWND window, const std::wstring& selector)
{
    return Lines(window, L"text " + selector);
}

std::vector<std::wstring> EngineQuery::Attributes(HWND window, const std::wstring& name, const std::wstring& selector)
{
    return Lines(window, L"attribute " + name + L" " + selector);
}

FocusedElement EngineQuery::Focus(HWND window)
{
    FocusedElement focused;
    std::wistringstream answer(Ask(window, L"focus"));
    if (answer >> focused.uid) {
        answer.get();
        std::getline(answer, focused.name);
        std::getline(answer, focused.look);
    }
    return focused;
}

std::wstring EngineQuery::Look(HWND window, unsigned uid)
{
    return Ask(window, L"look " + std::to_wstring(uid));
}

}  // namespace driver
