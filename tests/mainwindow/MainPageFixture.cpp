#include "MainPageFixture.h"
#include "htmlengine/api/EngineTestHooks.h"

void MainPageTest::SetUp()
{
    view->SetNotification(controller);
    view->SetModel(company.model);
    view->InitInstance(GetModuleHandleW(nullptr), SW_HIDE);
    ASSERT_TRUE(view->GetHwnd() != nullptr) << "cannot make the main window; is the display usable?";
    page = PageProbe(view->GetHwnd());
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

void MainPageTest::Key(UINT key)
{
    PostMessageW(view->GetHwnd(), WM_KEYDOWN, key, 1);
    PostMessageW(view->GetHwnd(), WM_KEYUP, key, 0xC0000001);
    MSG message;
    while (PeekMessageW(&message, view->GetHwnd(), 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
    HTMLayoutTestFlushPostedEvents(view->GetHwnd());
}

std::string MainPageTest::Focused()
{
    HELEMENT focus = page.FirstMatch(":focus");
    if (!focus)
        return "none";
    const htmlayout::dom::element element(focus);
    if (const wchar_t* id = element.get_attribute("id"))
        return Narrow(id);
    const wchar_t* kind = element.get_attribute("class");
    return Narrow(L"<" + std::wstring(kind ? kind : L"") + L">");
}
