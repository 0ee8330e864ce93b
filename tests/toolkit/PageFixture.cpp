#include "PageFixture.h"

#include <cstdio>

#include "tests/support/EngineTestWindow.h"

namespace {

std::string Hex(UINT number)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", number);
    return text;
}

}  // namespace

std::string Describe(const htmlayout::dom::element& he)
{
    if (!he.is_valid())
        return "null";
    const wchar_t* id = he.get_attribute("id");
    return id ? Narrow(id) : "<" + Narrow(he.get_text().c_str()) + ">";
}

// Behaviour events in the bubbling phase as "0x82 from r2 reason 2", script calls by name.
class PageTest::Recorder : public htmlayout::event_handler {
public:
    Recorder() : event_handler(GROUP_ALL) {}

    bool handle_event(HELEMENT, BEHAVIOR_EVENT_PARAMS& params) override
    {
        if (!(params.cmd & EVENT_SINKING))
            events.push_back(Hex(params.cmd) + " from " + Describe(params.he) + " reason " +
                             std::to_string(params.reason));
        return false;
    }
    bool on_script_call(HELEMENT, const char* name, UINT, json::value*, json::value&) override
    {
        events.push_back(std::string("call ") + name);
        return false;
    }

    std::vector<std::string> events;
};

void PageTest::SetUp()
{
    hwnd_ = CreateEngineTestWindow(640, 480);
    ASSERT_NE(nullptr, hwnd_) << "cannot make the test window; is the display usable?";
    page = PageProbe(hwnd_);
    recorder_ = new Recorder;
    HTMLayoutSetCallback(hwnd_, Notify, &host_);
    htmlayout::attach_event_handler(hwnd_, recorder_, GROUP_ALL);
}

void PageTest::TearDown()
{
    if (hwnd_) {
        htmlayout::detach_event_handler(hwnd_, recorder_);
        DestroyWindow(hwnd_);
    }
    delete recorder_;
}

LRESULT CALLBACK PageTest::Notify(UINT message, WPARAM, LPARAM lParam, LPVOID param)
{
    if (message != WM_NOTIFY)
        return 0;
    return static_cast<Host*>(param)->handle_notification(reinterpret_cast<NMHDR*>(lParam));
}

void PageTest::Load(const std::string& html)
{
    ASSERT_TRUE(HTMLayoutLoadHtmlEx(hwnd_, reinterpret_cast<const BYTE*>(html.data()), UINT(html.size()), L""));
}

std::vector<std::string> PageTest::TakeEvents()
{
    std::vector<std::string> taken;
    taken.swap(recorder_->events);
    return taken;
}

std::string PageTest::Ids(const char* selector) const
{
    std::string ids;
    for (const htmlayout::dom::element& he : page.FindAll(selector))
        ids += (ids.empty() ? "" : " ") + Describe(he);
    return ids;
}
