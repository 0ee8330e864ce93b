#include "LayoutFixture.h"

using Layout = LayoutTest;

TEST_F(Layout, Smoke)
{
    Load("<html><body><div id=a style='width:100px;height:20px;margin:10px'></div><p id=p>Hello world</p></body></html>");
    printf("%s\n", BoxDump().c_str());
}
