// The flex subset: toolbars, headers and footers.
#include "LayoutFixture.h"

using Flex = LayoutTest;

TEST_F(Flex, RowsAndColumns)
{
    RunCases(
        *this,
        {
            { "a footer with one growing item between fixed ones",
              "<div id=f style='display:flex;width:400px'><div id=a style='width:50px'>a</div>"
              "<div id=g style='flex-grow:1'>g</div><div id=b style='width:60px'>b</div></div>",
              { "#f 0,0 400x16", "#a 0,0 50x16", "#g 50,0 290x16", "#b 340,0 60x16" } },
            { "gap, justify-content and align-items",
              "<div id=f "
              "style='display:flex;width:300px;height:40px;gap:10px;justify-content:flex-end;align-items:center'>"
              "<div id=a style='width:50px;height:20px'></div><div id=b style='width:50px;height:30px'></div></div>",
              { "#a 190,10 50x20", "#b 250,5 50x30" } },
            { "space-between, and an auto margin pushing an item right",
              "<div style='display:flex;width:300px;justify-content:space-between'><i id=a>aa</i><i id=b>b</i><i "
              "id=c>c</i></div>"
              "<div style='display:flex;width:300px'><b id=l>l</b><b id=r style='margin-left:auto'>r</b></div>",
              { "#a 0,0 14x16", "#b 150,0 7x16", "#c 293,0 7x16", "#l 0,16 7x16", "#r 293,16 7x16" } },
            { "items stretch to the line by default, shrink when too wide",
              "<div style='display:flex;width:100px'><div id=s style='width:80px'>x</div><div id=t "
              "style='width:80px'>a<br>b</div></div>",
              { "#s 0,0 50x32", "#t 50,0 50x32" } },
            { "a column with a growing item in a fixed height",
              "<div id=c style='display:flex;flex-direction:column;height:100px;width:50px'>"
              "<div id=h style='height:20px'></div><div id=g style='flex:1'></div><div id=e "
              "style='height:10px'></div></div>",
              { "#h 0,0 50x20", "#g 0,20 50x70", "#e 0,90 50x10" } },
        });
}
