#include <gtest/gtest.h>

#include <stdexcept>

#include "ConnectorLogReader.h"
#include "PageFixture.h"
#include "ui/toolkit/Behavior.h"

namespace {

// A behaviour of this executable's own, registered like the program's.
class failing_behavior : public htmlayout::behavior {
public:
    failing_behavior() : behavior(GROUP_MOUSE, "test-failing") {}
    bool on_mouse(HELEMENT, HELEMENT, UINT event_type, POINT, UINT, UINT) override
    {
        if (event_type == MOUSE_DOWN)
            throw std::runtime_error("behaviour failed on a click");
        return false;
    }
};

failing_behavior g_failing;

TEST(BehaviorRegistry, FindsEachProgramBehaviourByItsExactName)
{
    const char* names[] = { "daterange", "grid", "sortable-grid", "light-box-dialog", "tabs", "test-failing" };
    for (const char* name : names)
        EXPECT_NE(nullptr, htmlayout::behavior::find_behavior(name, nullptr)) << name;
    EXPECT_EQ(nullptr, htmlayout::behavior::find_behavior("Grid", nullptr));
    EXPECT_EQ(nullptr, htmlayout::behavior::find_behavior("column-resizer", nullptr));
    EXPECT_EQ(nullptr, htmlayout::behavior::find_behavior(nullptr, nullptr));
}

TEST(BehaviorRegistry, AttachingFillsTheBlockOnlyForAKnownName)
{
    ATTACH_BEHAVIOR_NOTIFICATION block = {};
    block.behaviorName = "column-resizer";
    EXPECT_FALSE(htmlayout::attach_behavior(&block));
    EXPECT_EQ(nullptr, block.elementProc);
    block.behaviorName = "grid";
    EXPECT_TRUE(htmlayout::attach_behavior(&block));
    EXPECT_EQ(&htmlayout::event_handler::element_proc, block.elementProc);
    EXPECT_EQ(UINT(GROUP_MOUSE | GROUP_KEY | GROUP_FOCUS), block.elementEvents);
    EXPECT_EQ(htmlayout::behavior::find_behavior("grid", nullptr), block.elementTag);
}

class FailingBehaviorTest : public PageTest {};

TEST_F(FailingBehaviorTest, AFailureInABehaviourIsLoggedAndThePageGoesOn)
{
    Load("<html><body><div id='box' style='behavior: test-failing'><button id='b'>x</button></div></body></html>");
    HTMLayoutTestClick(page.Find("#b"), 0);
    HTMLayoutTestClick(page.Find("#b"), 0);
    EXPECT_NE(std::string::npos, ReadConnectorLog().find("behaviour failed on a click"));
    EXPECT_TRUE(page.Find("#b").click());
}

}  // namespace
