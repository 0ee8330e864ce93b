#include "MainPageFixture.h"

#include "htmlengine/api/EngineTestHooks.h"

namespace {

void CALLBACK AppendText(const wchar_t* text, UINT length, LPVOID param)
{
    static_cast<std::wstring*>(param)->append(text, length);
}

void CALLBACK AppendBytes(const BYTE* bytes, UINT length, LPVOID param)
{
    static_cast<std::string*>(param)->append(reinterpret_cast<const char*>(bytes), length);
}

}  // namespace

std::string Narrow(const std::wstring& text)
{
    return std::string(text.begin(), text.end());
}

void MainPageTest::SetUp()
{
    view->SetNotification(controller);
    view->SetModel(company.model);
    view->InitInstance(GetModuleHandleW(nullptr), SW_HIDE);
    ASSERT_TRUE(view->GetHwnd() != nullptr);
}

void MainPageTest::TearDown()
{
    view->DetachFromWindow();
    DestroyWindow(view->GetHwnd());
    // The window's WM_DESTROY posts a quit, which must not end the next test's loop.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ;
    // The view and the controller hold each other only through these.
    view->SetModel(boost::shared_ptr<MainModel>());
    view->SetNotification(boost::shared_ptr<IMainViewNotification>());
}

HELEMENT MainPageTest::Find(const char* selector)
{
    htmlayout::dom::element root = htmlayout::dom::element::root_element(view->GetHwnd());
    return root.find_first("%s", selector);
}

std::vector<HELEMENT> MainPageTest::FindAll(const char* selector)
{
    std::vector<htmlayout::dom::element> found;
    htmlayout::dom::element::root_element(view->GetHwnd()).find_all(&found, "%s", selector);
    return std::vector<HELEMENT>(found.begin(), found.end());
}

std::wstring MainPageTest::Text(const char* selector)
{
    std::wstring text;
    HTMLayoutGetElementInnerTextCB(Find(selector), AppendText, &text);
    return text;
}

std::wstring MainPageTest::Html(const char* selector)
{
    std::string html;
    HTMLayoutGetElementHtmlCB(Find(selector), FALSE, AppendBytes, &html);
    return std::wstring(html.begin(), html.end());
}

std::wstring MainPageTest::Attribute(const char* selector, const char* name)
{
    const wchar_t* value = htmlayout::dom::element(Find(selector)).get_attribute(name);
    return value ? value : L"(none)";
}

std::wstring MainPageTest::Style(const char* selector, const char* name)
{
    const wchar_t* value = htmlayout::dom::element(Find(selector)).get_style_attribute(name);
    return value ? value : L"(none)";
}

bool MainPageTest::HasState(const char* selector, UINT state)
{
    return (htmlayout::dom::element(Find(selector)).get_state() & state) != 0;
}

std::wstring MainPageTest::Errors()
{
    std::wstring errors;
    HTMLayoutTestErrors(view->GetHwnd(), AppendText, &errors);
    return errors;
}

void MainPageTest::Click(const char* selector)
{
    HELEMENT element = Find(selector);
    ASSERT_TRUE(element != nullptr) << selector;
    HTMLayoutTestClick(element, 0);
    HTMLayoutTestFlushPostedEvents(view->GetHwnd());
}

bool MainPageTest::Call(const char* name, std::vector<json::value> arguments)
{
    json::value result;
    return view->on_script_call(nullptr, name, static_cast<UINT>(arguments.size()),
                                arguments.empty() ? nullptr : &arguments[0], result);
}

std::vector<std::string> MainPageTest::TakeCalls()
{
    std::vector<std::string> calls;
    calls.swap(controller->calls);
    return calls;
}

void MainPageTest::RunWhile(const std::function<void()>& drive, DWORD limitMilliseconds)
{
    EXPECT_TRUE(driver_.RunWhile([&] { view->Run(true); }, drive, limitMilliseconds))
        << "the message loop did not end by itself";
}
