#include "EngineFixture.h"

#include <string>

namespace {

class Cascade : public EngineTest {
protected:
    std::wstring Style(const char* selector, const char* property)
    {
        const wchar_t* value = nullptr;
        HTMLayoutGetStyleAttribute(Find(selector), property, &value);
        return value ? value : L"(none)";
    }
};

}  // namespace

// Each row: which declaration wins the "color" of #x, and why.
TEST_F(Cascade, SpecificityOrderImportanceInlineAndRuntime)
{
    Load("<html><head><style>"
         "p { color: type } .c { color: class } p.c { color: type-and-class } #x { color: id }"
         "p { margin: first } p { margin: later }"
         "p { border: sheet-important !important } p { padding: sheet }"
         "div p { width: descendant } div > p { width: child-later-same-specificity }"
         "</style></head><body><div><p id=x class=c style='padding: inline; border: "
         "inline'>x</p></div></body></html>");
    EXPECT_EQ(L"id", Style("#x", "color"));  // highest specificity
    EXPECT_EQ(L"later", Style("#x", "margin"));  // same specificity: later rule
    EXPECT_EQ(L"sheet-important", Style("#x", "border"));  // !important beats the attribute
    EXPECT_EQ(L"inline", Style("#x", "padding"));  // the attribute beats the sheet
    EXPECT_EQ(L"child-later-same-specificity", Style("#x", "width"));
    HTMLayoutSetStyleAttribute(Find("#x"), "padding", L"runtime");
    EXPECT_EQ(L"runtime", Style("#x", "padding"));  // runtime beats the attribute
    HTMLayoutSetAttributeByName(Find("#x"), "class", nullptr);
    EXPECT_EQ(L"id", Style("#x", "color"));
    HTMLayoutSetAttributeByName(Find("#x"), "id", nullptr);
    EXPECT_EQ(L"type", Style("p", "color"));  // restyled after attribute changes
}

// A page reads a property back with its var() references resolved, the custom property too.
TEST_F(Cascade, StylesReadBackWithCustomPropertiesResolved)
{
    Load("<html><head><style>:root { --line: 1px solid var(--ink); --ink: #2B6A99 }"
         "p { border: var(--line); color: var(--none); margin: var(--none, 4px) }</style></head>"
         "<body><p id=x>x</p></body></html>");
    EXPECT_EQ(L"1px solid #2B6A99", Style("#x", "border"));
    const wchar_t* line = nullptr;
    HTMLayoutGetStyleAttribute(Root(), "--line", &line);
    EXPECT_STREQ(L"1px solid #2B6A99", line);
    EXPECT_EQ(L"4px", Style("#x", "margin"));
    EXPECT_EQ(L"(none)", Style("#x", "color"));  // unset
}

TEST_F(Cascade, StatesRestyleAndPopupsShowOnlyWhileExpanded)
{
    Load("<html><head><style>.panel { display: none } .panel:expanded { display: block }"
         "tr:checked td { font-weight: bold }</style></head>"
         "<body><div class=panel id=p></div><popup id=u></popup><table><tr id=r><td id=c>x</td></tr></table>"
         "</body></html>");
    EXPECT_EQ(L"none", Style("#p", "display"));
    HTMLayoutSetElementState(Find("#p"), STATE_EXPANDED, 0, TRUE);
    EXPECT_EQ(L"block", Style("#p", "display"));
    HTMLayoutSetElementState(Find("#p"), STATE_COLLAPSED, 0, TRUE);
    EXPECT_EQ(L"none", Style("#p", "display"));
    EXPECT_EQ(L"none", Style("#u", "display"));
    HTMLayoutSetElementState(Find("#u"), STATE_EXPANDED, 0, TRUE);
    EXPECT_EQ(L"block", Style("#u", "display"));
    HTMLayoutSetElementState(Find("#r"), STATE_CHECKED, 0, TRUE);
    EXPECT_EQ(L"bold", Style("#c", "font-weight"));
}

TEST_F(Cascade, BadStyleIsLoggedNotLost)
{
    Load("<html><head><style>p { color red } @font-face { x: y } q:nope { a: b }</style></head>"
         "<body><p style='width 3px'>x</p></body></html>");
    std::wstring errors = Errors();
    for (const wchar_t* expected : { L"color red", L"@font-face", L"q:nope", L"width 3px" })
        EXPECT_NE(std::wstring::npos, errors.find(expected)) << Narrow(expected) << " in " << Narrow(errors);
}

TEST_F(EngineTest, ProgramAnswersFirstThenTheExecutablesResources)
{
    behaviors_["themed"] = {};
    Load("<html><head><link rel=stylesheet href='res:THEME.css'></head>"
         "<body><include src='res:sub/PIECE.html'></include><img src='theme:x'></body></html>");
    EXPECT_EQ(L"from the executable", Text(Find("#fromResource")));
    EXPECT_NE(notifications_.end(), std::find(notifications_.begin(), notifications_.end(), "B07 themed"));

    resources_[L"res:sub/PIECE.html"] = "<b id=fromProgram>program</b>";
    Load("<include src='res:sub/PIECE.html'></include>");
    EXPECT_NE(nullptr, Find("#fromProgram"));
    EXPECT_EQ(nullptr, Find("#fromResource"));
}

TEST_F(EngineTest, PicturesAreAskedForOncePerUrlAndStockPicturesNever)
{
    Load("<html><head><style>.a { background-image: url('IDR_BACK.png') } .b { background-image: "
         "url(stock:arrow-up) }"
         "</style></head><body><p class=a></p><p class=a></p><p class=b></p><img src=IDR_BACK.png></body></html>");
    EXPECT_EQ((std::vector<std::string> { "B01 IDR_BACK.png", "B04" }), notifications_);
}

TEST_F(EngineTest, AnswerOneDropsTheUrl)
{
    struct Dropper {
        static LRESULT CALLBACK Notify(UINT, WPARAM, LPARAM lParam, LPVOID)
        {
            return reinterpret_cast<NMHDR*>(lParam)->code == NOTIFY_LOAD_DATA ? 1 : 0;
        }
    };
    HTMLayoutSetCallback(hwnd_, Dropper::Notify, nullptr);
    Load("<include src='res:PIECE.html'></include><p id=after>x</p>");
    EXPECT_EQ(nullptr, Find("#fromResource"));
    EXPECT_NE(nullptr, Find("#after"));
}

TEST_F(EngineTest, IncludesThatIncludeThemselvesStop)
{
    resources_[L"loop.html"] = "<i>x</i><include src='loop.html'></include>";
    Load("<include src='loop.html'></include>");
    EXPECT_EQ(8u, FindAll("i").size());
    EXPECT_NE(std::wstring::npos, Errors().find(L"nested too deep"));
}
