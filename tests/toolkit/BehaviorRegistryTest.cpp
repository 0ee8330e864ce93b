#include <gtest/gtest.h>

#include "ui/toolkit/Behavior.h"

namespace {

TEST(BehaviorRegistry, FindsEachProgramBehaviourByItsExactName)
{
    const char* names[] = {"daterange", "grid", "sortable-grid", "light-box-dialog", "tabs"};
    for (const char* name : names)
        EXPECT_NE(nullptr, htmlayout::behavior::find_behavior(name, nullptr)) << name;
    EXPECT_EQ(nullptr, htmlayout::behavior::find_behavior("Grid", nullptr));
    EXPECT_EQ(nullptr, htmlayout::behavior::find_behavior("column-resizer", nullptr));
    EXPECT_EQ(nullptr, htmlayout::behavior::find_behavior(nullptr, nullptr));
}

}  // namespace
