#pragma once
// Tables of layout cases: markup in, the boxes of some elements out ("#id x,y w×h"), run
// against any fixture that can load a page and tell an element's box and the box tree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

struct LayoutCase {
    const char* name;
    const char* markup;
    std::vector<std::string> boxes;
};

// Loads each case and checks its boxes; a failure names the case and shows every box.
template <class Fixture>
void RunCases(Fixture& test, const std::vector<LayoutCase>& cases)
{
    for (const LayoutCase& c : cases) {
        test.Load(c.markup);
        for (const std::string& expected : c.boxes) {
            size_t space = expected.find(' ');
            std::string selector = expected.substr(0, space);
            EXPECT_EQ(expected.substr(space + 1), test.Box(selector.c_str())) << c.name << ": " << selector << "\n"
                                                                              << test.BoxDump();
        }
    }
}
