#include "PageFixture.h"
#include "ui/toolkit/FocusReturn.h"

namespace {

const char kPage[] = R"(<html><body>
<div id="panel"><button id="opener">Open</button><input id="first"></div>
<div id="empty"><span>nothing to focus</span></div>
<div id="scroller" style="height:40px;overflow:auto"><div style="height:200px"></div><button id="far">Far</button></div>
</body></html>)";

class FocusReturnTest : public PageTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(PageTest::SetUp());
        Load(kPage);
    }
};

TEST_F(FocusReturnTest, TheOpenerWhileItCanTakeTheFocusElseTheFirstControl)
{
    EXPECT_TRUE(htmlayout::return_focus(page.Find("#opener"), page.Find("#panel")));
    EXPECT_TRUE(HasState(page.Find("#opener"), STATE_FOCUS));

    page.Find("#opener").set_state(STATE_DISABLED, 0);
    EXPECT_TRUE(htmlayout::return_focus(page.Find("#opener"), page.Find("#panel")));
    EXPECT_TRUE(HasState(page.Find("#first"), STATE_FOCUS));

    page.Find("#first").set_style_attribute("display", L"none");
    page.Find("#opener").set_state(0, STATE_DISABLED);
    htmlayout::dom::element gone = page.Find("#opener");
    gone.detach();
    EXPECT_TRUE(htmlayout::return_focus(gone, page.Root()));
    EXPECT_TRUE(HasState(page.Find("#far"), STATE_FOCUS));
    RECT button = page.Find("#far").get_location(LOCATION_VIEW_BORDER_BOX);
    RECT port = page.Find("#scroller").get_location(LOCATION_VIEW_SCROLL_PORT);
    EXPECT_TRUE(button.top >= port.top && button.bottom <= port.bottom);  // scrolled fully into view

    EXPECT_FALSE(htmlayout::return_focus(htmlayout::dom::element(), page.Find("#empty")));
    EXPECT_TRUE(HasState(page.Find("#far"), STATE_FOCUS));  // nothing to focus: nothing changed
}

}  // namespace
