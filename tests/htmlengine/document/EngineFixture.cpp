#include "EngineFixture.h"

#include "tests/support/EngineTestWindow.h"
#include "tests/support/PaintedLines.h"

namespace {

void CALLBACK CollectText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->assign(text, length);
}

BOOL CALLBACK CollectAll(HELEMENT he, LPVOID param)
{
    static_cast<std::vector<HELEMENT>*>(param)->push_back(he);
    return FALSE;
}

BOOL CALLBACK TakeFirst(HELEMENT he, LPVOID param)
{
    *static_cast<HELEMENT*>(param) = he;
    return TRUE;
}

}  // namespace

int64_t FileTimeOf(WORD year, WORD month, WORD day)
{
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    FILETIME fileTime;
    SystemTimeToFileTime(&time, &fileTime);
    return (int64_t(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

std::wstring ClipboardText()
{
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(closed)";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

bool PutOnClipboard(const std::wstring& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    bool set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    return set;
}

std::string ValueJson(const VALUE& value)
{
    uint32_t type = 0, units = 0;
    ValueType(&value, &type, &units);
    int number = 0;
    int64_t date = 0;
    const wchar_t* chars = nullptr;
    uint32_t length = 0;
    switch (type) {
    case VALUE_BOOL: ValueIntData(&value, &number); return number ? "true" : "false";
    case VALUE_INT: ValueIntData(&value, &number); return std::to_string(number);
    case VALUE_DATE: ValueInt64Data(&value, &date); return "date:" + std::to_string(date);
    case VALUE_STRING:
        ValueStringData(&value, &chars, &length);
        return "\"" + Narrow(std::wstring(chars, length)) + "\"";
    case VALUE_UNDEFINED: return "undefined";
    default: return "type " + std::to_string(type);
    }
}

void EngineTest::SetUp()
{
    hwnd_ = CreateEngineTestWindow(400, 300);
    ASSERT_NE(nullptr, hwnd_) << "cannot make the test window; is the display usable?";
    HTMLayoutSetCallback(hwnd_, Notify, this);
    HTMLayoutWindowAttachEventHandler(hwnd_, WindowProc, this, GROUP_ALL);
}

void EngineTest::TearDown()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void EngineTest::Load(const std::string& html)
{
    ASSERT_TRUE(HTMLayoutLoadHtmlEx(hwnd_, reinterpret_cast<const BYTE*>(html.data()), UINT(html.size()), L""));
}

HELEMENT EngineTest::Root()
{
    HELEMENT root = nullptr;
    HTMLayoutGetRootElement(hwnd_, &root);
    return root;
}

HELEMENT EngineTest::Find(const char* selector, HELEMENT scope)
{
    HELEMENT found = nullptr;
    EXPECT_EQ(ENGINE_OK, HTMLayoutSelectElements(scope ? scope : Root(), selector, TakeFirst, &found)) << selector;
    return found;
}

std::vector<HELEMENT> EngineTest::FindAll(const char* selector, HELEMENT scope)
{
    std::vector<HELEMENT> found;
    EXPECT_EQ(ENGINE_OK, HTMLayoutSelectElements(scope ? scope : Root(), selector, CollectAll, &found)) << selector;
    return found;
}

std::wstring EngineTest::Attribute(HELEMENT he, const char* name)
{
    const wchar_t* value = nullptr;
    HTMLayoutGetAttributeByName(he, name, &value);
    return value ? value : L"(none)";
}

std::wstring EngineTest::Text(HELEMENT he)
{
    std::wstring text;
    HTMLayoutGetElementInnerTextCB(he, CollectText, &text);
    return text;
}

UINT EngineTest::State(HELEMENT he)
{
    UINT state = 0;
    HTMLayoutGetElementState(he, &state);
    return state;
}

std::wstring EngineTest::Dump()
{
    std::wstring dump;
    HTMLayoutTestDump(hwnd_, CollectText, &dump);
    return dump;
}

std::vector<std::string> EngineTest::Record()
{
    std::vector<std::string> lines;
    for (const std::wstring& line : PaintedLines(hwnd_))
        lines.push_back(Narrow(line));
    return lines;
}

std::vector<std::string> EngineTest::Recorded(const std::string& prefix)
{
    std::vector<std::string> found;
    for (const std::string& line : Record())
        if (line.compare(0, prefix.size(), prefix) == 0)
            found.push_back(line);
    return found;
}

std::wstring EngineTest::Errors()
{
    std::wstring errors;
    HTMLayoutTestErrors(hwnd_, CollectText, &errors);
    return errors;
}

std::wstring EngineTest::Value(HELEMENT he)
{
    VALUE value;
    ValueInit(&value);
    HTMLayoutControlGetValue(he, &value);
    std::string json = ValueJson(value);
    ValueClear(&value);
    return std::wstring(json.begin(), json.end());
}

std::wstring EngineTest::Shown(HELEMENT he)
{
    std::wstring text;
    HTMLayoutTestShownText(he, CollectText, &text);
    return text;
}

void EngineTest::SetValue(HELEMENT he, const VALUE& value)
{
    EXPECT_EQ(ENGINE_OK, HTMLayoutControlSetValue(he, &value));
}

void EngineTest::Click(const char* selector)
{
    HELEMENT he = Find(selector);
    ASSERT_NE(nullptr, he) << selector;
    HTMLayoutTestClick(he, 0);
}

LRESULT CALLBACK EngineTest::Notify(UINT message, WPARAM, LPARAM lParam, LPVOID param)
{
    if (message != WM_NOTIFY)
        return 0;
    return static_cast<EngineTest*>(param)->OnNotification(reinterpret_cast<NMHDR*>(lParam));
}

LRESULT EngineTest::OnNotification(NMHDR* header)
{
    if (header->code == NOTIFY_LOAD_DATA) {
        auto* block = reinterpret_cast<LOAD_DATA_NOTIFICATION*>(header);
        notifications_.push_back("B01 " + Narrow(block->uri));
        auto found = resources_.find(block->uri);
        if (found == resources_.end())
            return 0;
        const std::string& data = found->second;
        HTMLayoutDataReady(hwnd_, block->uri, reinterpret_cast<const BYTE*>(data.data()), DWORD(data.size()));
    } else if (header->code == NOTIFY_ATTACH_BEHAVIOR) {
        auto* block = reinterpret_cast<ATTACH_BEHAVIOR_NOTIFICATION*>(header);
        notifications_.push_back(std::string("B07 ") + block->behaviorName);
        auto found = behaviors_.find(block->behaviorName);
        if (found == behaviors_.end())
            return 0;
        block->elementProc = BehaviorProc;
        block->elementTag = &found->second;
        block->elementEvents = found->second.subscription;
    } else if (header->code == NOTIFY_DOCUMENT_COMPLETE) {
        notifications_.push_back("B04");
    }
    return 0;
}

BOOL CALLBACK EngineTest::BehaviorProc(LPVOID tag, HELEMENT he, UINT group, LPVOID params)
{
    auto* behavior = static_cast<Behavior*>(tag);
    return behavior->handle ? behavior->handle(he, group, params) : FALSE;
}

BOOL CALLBACK EngineTest::WindowProc(LPVOID tag, HELEMENT he, UINT group, LPVOID params)
{
    auto* test = static_cast<EngineTest*>(tag);
    test->RecordWindowEvent(he, group, params);
    return test->windowHandler_ ? test->windowHandler_(he, group, params) : FALSE;
}

// Behaviour events in the bubbling phase as "event 0x4 from <id>", script calls as
// "Name(arg, ...)" with JSON arguments (elements as "#id").
void EngineTest::RecordWindowEvent(HELEMENT, UINT group, void* params)
{
    char line[64];
    if (group == GROUP_BEHAVIOR_EVENT) {
        auto* block = static_cast<BEHAVIOR_EVENT_PARAMS*>(params);
        if (block->cmd & EVENT_SINKING)
            return;
        snprintf(line, sizeof line, "event 0x%X from ", block->cmd);
        events_.push_back(line + Narrow(Attribute(block->he, "id")));
    }
    if (group == GROUP_METHOD_CALL && static_cast<METHOD_PARAMS*>(params)->methodID == METHOD_SCRIPT_CALL) {
        auto* call = static_cast<XCALL_PARAMS*>(params);
        std::string text = std::string(call->method_name) + "(";
        for (UINT i = 0; i < call->argc; ++i) {
            const uint8_t* bytes = nullptr;
            uint32_t length = 0;
            bool element = ValueBinaryData(&call->argv[i], &bytes, &length) == VALUE_OK;
            text +=
                (i ? ", " : "") + (element ? "#" + Narrow(Attribute(HELEMENT(bytes), "id")) : ValueJson(call->argv[i]));
        }
        events_.push_back(text + ")");
    }
}
