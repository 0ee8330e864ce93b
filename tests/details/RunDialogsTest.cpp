// The runner entries run the pages modally and report whether the dialog changed data.
#include <gtest/gtest.h>

#include <functional>

#include "DialogHarness.h"
#include "MissingItemsCompany.h"
#include "core/CustomerJob.h"
#include "ui/dialogs/details/DialogSupport.h"
#include "ui/dialogs/details/RunDetailsDialogs.h"

namespace {

// Drives the dialog titled `caption` from inside its modal loop, once it is open.
class WhileOpen {
public:
    WhileOpen(const wchar_t* caption, const std::function<void(HWND)>& drive) : m_caption(caption), m_drive(drive)
    {
        s_current = this;
        m_timer = SetTimer(nullptr, 0, 20, &WhileOpen::Tick);
    }
    ~WhileOpen()
    {
        KillTimer(nullptr, m_timer);
        s_current = nullptr;
    }
    bool Drove() const { return m_drove; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        WhileOpen* self = s_current;
        HWND dialog = self ? FindWindowW(nullptr, self->m_caption) : nullptr;
        if (!dialog || self->m_drove)
            return;
        self->m_drove = true;
        self->m_drive(dialog);
    }

    static WhileOpen* s_current;
    const wchar_t* m_caption;
    std::function<void(HWND)> m_drive;
    UINT_PTR m_timer;
    bool m_drove = false;
};

WhileOpen* WhileOpen::s_current = nullptr;

void PressEscape(HWND dialog)
{
    HTMLayoutTestKeyUp(dialog, nullptr, VK_ESCAPE, 0);
}

class RunDialogs : public MissingItemsCompany {};

TEST_F(RunDialogs, ThePreviewRunsUntilClosedAndReportsNoChangeWhenNothingWasCreated)
{
    WhileOpen driver(L"Quorvane Pellworth - Preview Import Results", [](HWND dialog) {
        EXPECT_EQ(L"Archer, Ann (Ann)", PageProbe(dialog).Text("#QuorvaneUser"));
        PressEscape(dialog);
    });
    EXPECT_FALSE(RunPreviewDialog(nullptr, company->model, L"1", true));
    EXPECT_TRUE(driver.Drove());
}

// A real mouse click on a week's toggle, through the window's input.
TEST_F(RunDialogs, AClickOnAWeeksToggleCollapsesIt)
{
    std::wstring hidden;
    WhileOpen driver(L"Quorvane Pellworth - Preview Import Results", [&](HWND dialog) {
        PageProbe page(dialog);
        const RECT box = page.Find("tr[week=\"2012_03_05\"] img.pointer").get_location(LOCATION_VIEW_BORDER_BOX);
        const LPARAM point = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        SendMessageW(dialog, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(dialog, WM_LBUTTONUP, 0, point);
        hidden = page.Attribute("tr[weekValue=\"2012_03_05\"]", "hiderow");
        PressEscape(dialog);
    });
    RunPreviewDialog(nullptr, company->model, L"1", true);
    EXPECT_EQ(L"true", hidden);
}

int g_questions = 0;

bool AnswerStop(HWND)
{
    ++g_questions;
    return true;
}

// Escape while the item is being created asks first; agreeing lets the item finish, then the
// dialog closes and reports the creation.
TEST_F(RunDialogs, EscapeDuringACreationAsksThenClosesOnceTheItemIsCreated)
{
    g_questions = 0;
    SetStopCreationQuestion(&AnswerStop);
    WhileOpen driver(L"Quorvane Pellworth - Missing Data", [](HWND dialog) {
        PageProbe page(dialog);
        page.Click("#MissingItemItemId>tr[valueName=\"Northwind\"] button");
        page.Click("#idCreateMissingDataButton");
        PressEscape(dialog);
    });
    EXPECT_TRUE(RunMissingDataDialog(nullptr, company->model));
    SetStopCreationQuestion(nullptr);
    EXPECT_TRUE(driver.Drove());
    EXPECT_EQ(1, g_questions);
    EXPECT_NO_THROW(company->model->GetCustomerJobs()->FindByFullName(L"Northwind"));
}

}  // namespace
