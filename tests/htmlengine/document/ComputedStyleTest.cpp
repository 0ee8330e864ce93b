// Typed computed styles: values read from their CSS text, inheritance, inherit and initial,
// relative units, shorthands, the rules between display, position and float, and what the
// engine cannot read going to its log.
#include "EngineFixture.h"

#include "htmlengine/document/dom/Element.h"
#include "htmlengine/document/style/ComputedStyle.h"

#include <functional>

using namespace htmlengine;

namespace {

class ComputedStyles : public EngineTest {
protected:
    const ComputedStyle& Of(const char* selector)
    {
        kept_ = ComputedStyleOf(*static_cast<Element*>(Find(selector)));
        return *kept_;
    }

    std::shared_ptr<const ComputedStyle> kept_;
};

struct StyleCase {
    const char* name;
    const char* parentCss;
    const char* css;
    std::function<bool(const ComputedStyle&)> holds;
};

std::string Hex(const htmlengine::Color& c)
{
    char text[16];
    snprintf(text, sizeof text, "%02X%02X%02X/%02X", c.r, c.g, c.b, c.a);
    return text;
}

}  // namespace

TEST_F(ComputedStyles, ValuesOfProperties)
{
    const std::vector<StyleCase> cases = {
        { "lengths in px, pt, em and %", "font-size: 20px",
          "width: 12pt; height: 2em; min-width: 50%; margin-left: 1.5em",
          [](const ComputedStyle& s) {
              return s.width == Length::Px(16) && s.height == Length::Px(40) && s.minWidth == Length::Percent(50) &&
                     s.margin[kLeft] == Length::Px(30);
          } },
        { "font-size in em and % refers to the parent's", "font-size: 10px", "font-size: 150%; padding: 2em",
          [](const ComputedStyle& s) { return s.font->size == 15 && s.padding[kTop] == Length::Px(30); } },
        { "colours in every form", "color: #102030", "background-color: rgba(255, 0, 0, 0.5); border: 1px solid",
          [](const ComputedStyle& s) {
              return Hex(s.backgroundColor) == "FF0000/80" && Hex(s.border[kTop].color) == "102030/FF" &&
                     Hex(s.color) == "102030/FF";
          } },
        { "border shorthands in any order; none takes no room", "",
          "border: solid 2px #ABC; border-left: none; border-bottom-width: thick",
          [](const ComputedStyle& s) {
              return s.border[kTop].width == 2 && Hex(s.border[kTop].color) == "AABBCC/FF" &&
                     s.border[kLeft].width == 0 && s.border[kBottom].width == 5;
          } },
        { "a border style alone is medium wide", "", "border-style: dashed",
          [](const ComputedStyle& s) {
              return s.border[kRight].width == 3 && s.border[kRight].style == BorderStyle::Dashed;
          } },
        { "four sides from one to four values", "", "margin: 1px 2px 3px; padding: 4px 5px",
          [](const ComputedStyle& s) {
              return s.margin[kTop] == Length::Px(1) && s.margin[kRight] == Length::Px(2) &&
                     s.margin[kBottom] == Length::Px(3) && s.margin[kLeft] == Length::Px(2) &&
                     s.padding[kBottom] == Length::Px(4) && s.padding[kLeft] == Length::Px(5);
          } },
        { "the background shorthand", "", "background: #fff url(\"res:A.png\") no-repeat right top",
          [](const ComputedStyle& s) {
              return s.backgroundImage == L"res:A.png" && s.backgroundRepeat == BackgroundRepeat::NoRepeat &&
                     s.backgroundPositionX == Length::Percent(100) && s.backgroundPositionY == Length::Percent(0) &&
                     Hex(s.backgroundColor) == "FFFFFF/FF";
          } },
        { "the font shorthand and a family list", "", "font: italic bold 9pt/1.5 \"Segoe UI\", Tahoma, sans-serif",
          [](const ComputedStyle& s) {
              return s.font->italic && s.font->weight == 700 && s.font->size == 12 &&
                     s.font->families == std::vector<std::wstring> { L"Segoe UI", L"Tahoma", L"sans-serif" } &&
                     s.LineHeightPx(0) == 18;
          } },
        { "flex shorthands", "", "flex: 2; flex-flow: column; gap: 4px 8px",
          [](const ComputedStyle& s) {
              return s.flexGrow == 2 && s.flexShrink == 1 && s.flexBasis == Length::Px(0) &&
                     s.flexDirection == FlexDirection::Column && s.rowGap == 4 && s.columnGap == 8;
          } },
        { "what inherits does, what does not stays initial",
          "color: red; text-align: right; padding: 5px; cursor: pointer", "",
          [](const ComputedStyle& s) {
              return Hex(s.color) == "FF0000/FF" && s.textAlign == TextAlign::Right &&
                     s.padding[kTop] == Length::Px(0) && s.cursor == Cursor::Pointer;
          } },
        { "the accent inherits", "accent-color: #102030", "",
          [](const ComputedStyle& s) { return Hex(s.accentColor) == "102030/FF"; } },
        { "inherit and initial", "padding: 5px; color: red", "padding: inherit; color: initial",
          [](const ComputedStyle& s) { return s.padding[kLeft] == Length::Px(5) && Hex(s.color) == "000000/FF"; } },
        { "floats and absolute boxes are blocks", "", "display: inline; float: left",
          [](const ComputedStyle& s) { return s.display == Display::Block && s.floating == Float::Left; } },
        { "absolute boxes do not float", "", "display: inline-flex; position: absolute; float: right",
          [](const ComputedStyle& s) { return s.display == Display::Flex && s.floating == Float::None; } },
        { "one scrolling axis makes the other auto", "", "overflow-y: scroll",
          [](const ComputedStyle& s) { return s.overflowX == Overflow::Auto && s.overflowY == Overflow::Scroll; } },
        { "a value that cannot be read changes nothing", "", "width: 10px; width: wide; color: nocolor",
          [](const ComputedStyle& s) { return s.width == Length::Px(10) && Hex(s.color) == "000000/FF"; } },
    };
    for (const StyleCase& c : cases) {
        Load(std::string("<div style='") + c.parentCss + "'><p id=x style='" + c.css + "'>x</p></div>");
        EXPECT_TRUE(c.holds(Of("#x"))) << c.name;
    }
}

TEST_F(ComputedStyles, ElementsThatStyleAlikeShareOneStyleUntilTheirRulesDiffer)
{
    Load("<style>td.on { color: red }</style><table><tr><td id=a>1</td><td id=b>2</td><td id=c "
         "class=on>3</td></tr></table>");
    const ComputedStyle* a = &Of("#a");
    EXPECT_EQ(a, &Of("#b"));
    EXPECT_NE(a, &Of("#c"));
    HTMLayoutSetAttributeByName(Find("#b"), "class", L"on");
    EXPECT_EQ(&Of("#b"), &Of("#c"));
    EXPECT_EQ(a, &Of("#a"));  // restyling a neighbour gives the others the same style back
}

TEST_F(ComputedStyles, WhatCannotBeReadIsLoggedOnce)
{
    Load("<style>p { box-shadow: 1px 1px red; width: wide } q { box-shadow: none }</style><p>a</p><p id=b>b</p>");
    Of("p");
    Of("#b");  // a value is read when an element's style is computed
    std::wstring errors = Errors();
    EXPECT_NE(std::wstring::npos, errors.find(L"property not supported: box-shadow"));
    EXPECT_NE(std::wstring::npos, errors.find(L"value not understood: width: wide"));
    EXPECT_EQ(errors.find(L"box-shadow"), errors.rfind(L"box-shadow"));
    EXPECT_EQ(errors.find(L"width: wide"), errors.rfind(L"width: wide"));
}

TEST_F(ComputedStyles, CustomPropertiesAreInheritedAndSubstituted)
{
    const std::vector<StyleCase> cases = {
        { "a custom property inherits", "--ink: #102030", "color: var(--ink)",
          [](const ComputedStyle& s) { return Hex(s.color) == "102030/FF"; } },
        { "the element's own declaration wins over the inherited one", "--ink: #102030",
          "--ink: #405060; color: var(--ink)", [](const ComputedStyle& s) { return Hex(s.color) == "405060/FF"; } },
        { "a fallback stands in for what is not defined, a var() in it too", "--ink: #102030",
          "color: var(--none, var(--ink)); background-color: var(--none, #ABCDEF)",
          [](const ComputedStyle& s) { return Hex(s.color) == "102030/FF" && Hex(s.backgroundColor) == "ABCDEF/FF"; } },
        { "a var() inside a shorthand", "--line: #ABC; --thin: 1px", "border: var(--thin) solid var(--line)",
          [](const ComputedStyle& s) {
              return s.border[kTop].width == 1 && Hex(s.border[kLeft].color) == "AABBCC/FF";
          } },
        { "one custom property refers to another, in any order", "--edge: var(--width) dashed; --width: 2px",
          "border-top: var(--edge)",
          [](const ComputedStyle& s) {
              return s.border[kTop].width == 2 && s.border[kTop].style == BorderStyle::Dashed;
          } },
        { "names are case-blind as every property name", "--Accent: #2B6A99", "color: VAR(--ACCENT)",
          [](const ComputedStyle& s) { return Hex(s.color) == "2B6A99/FF"; } },
        { "an undefined var() unsets: inherited properties inherit, others are initial", "color: red; padding: 5px",
          "padding: 3px; padding: var(--none); color: blue; color: var(--none)",
          [](const ComputedStyle& s) { return Hex(s.color) == "FF0000/FF" && s.padding[kTop] == Length::Px(0); } },
        { "a cycle leaves its properties undefined", "", "--a: var(--b); --b: var(--a); color: var(--a, #00FF00)",
          [](const ComputedStyle& s) { return Hex(s.color) == "00FF00/FF"; } },
    };
    for (const StyleCase& c : cases) {
        Load(std::string("<div style='") + c.parentCss + "'><p id=x style='" + c.css + "'>x</p></div>");
        EXPECT_TRUE(c.holds(Of("#x"))) << c.name;
    }
}

TEST_F(ComputedStyles, CustomPropertiesFollowTheCascadeAndRestyleWhatUsesThem)
{
    Load("<style>:root { --accent: #2B6A99 } .dark { --accent: #163C5C } a { color: var(--accent) }"
         "b { border: 1px solid var(--accent, black) }</style><div id=d><p><a id=a>a</a><b id=b>b</b></p></div>");
    EXPECT_EQ("2B6A99/FF", Hex(Of("#a").color));
    HTMLayoutSetAttributeByName(Find("#d"), "class", L"dark");
    EXPECT_EQ("163C5C/FF", Hex(Of("#a").color));
    EXPECT_EQ("163C5C/FF", Hex(Of("#b").border[kTop].color));
    HTMLayoutSetStyleAttribute(Find("#d"), "--accent", L"#FF0000");
    EXPECT_EQ("FF0000/FF", Hex(Of("#a").color));
    HTMLayoutSetStyleAttribute(Find("#d"), "--accent", nullptr);
    HTMLayoutSetAttributeByName(Find("#d"), "class", nullptr);
    EXPECT_EQ("2B6A99/FF", Hex(Of("#a").color));
}

TEST_F(ComputedStyles, AVarThatResolvesToNothingIsLogged)
{
    Load("<style>p { color: var(--missing); width: var(10px) } q { --self: var(--self) }</style><p id=p>a</p><q "
         "id=q>q</q>");
    Of("#p");
    Of("#q");
    std::wstring errors = Errors();
    EXPECT_NE(std::wstring::npos, errors.find(L"color: custom property not defined: --missing"));
    EXPECT_NE(std::wstring::npos, errors.find(L"width: var() not understood"));
    EXPECT_NE(std::wstring::npos, errors.find(L"custom property refers to itself: --self"));
    EXPECT_EQ(std::wstring::npos, errors.find(L"property not supported: --self"));
}

TEST_F(ComputedStyles, TheEngineCarriesNoThemeOfItsOwn)
{
    Load("<input id=i type=checkbox>");
    EXPECT_EQ("3399FF/FF", Hex(Of("#i").accentColor)) << "the system highlight";
}
