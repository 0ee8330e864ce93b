// A bookkeeper without a mouse: a whole working session by real key presses, with something
// visibly focused after every step, and Escape closing exactly the panel on top.
#include <algorithm>
#include <string>
#include <vector>

#include "core/CompanyConfig.h"
#include "core/DateRange.h"
#include "tests/acceptance/AcceptanceTest.h"
#include "tests/acceptance/FaultsSupport.h"
#include "tools/programdriver/DriverError.h"
#include "tools/programdriver/TopWindows.h"
#include "tools/qbsim/QuickBooksWindows.h"

using driver::FocusedElement;
using driver::kLoadTimeoutMs;
using driver::kMissingDataTitle;
using driver::kPreviewTitle;
using driver::kSettingsTitle;
using driver::PageWindow;

namespace {

const wchar_t kSummaryRows[] = L"#TTTotalTableBody > tr";
const wchar_t kNames[] = L"#TTTotalTableBody > tr span.employee";
const wchar_t kPresets[] = L"#cal popup > option";
const wchar_t kJohnQSmith[] = L"7";
// The preset the walk chooses, and its range type.
const wchar_t kPreset[] = L"Previous week";
const int kPresetType = 15;
// A key that works shows its effect well within this, also in the emulated 32-bit tree; Tab that
// moves nothing in this time stays on an element alone in its panel.
const DWORD kKeyEffectMs = 5000;
// The walk is many steps of the ordinary cases.
const DWORD kWalkTimeoutMs = 360000;

bool Expanded(PageWindow& window, const std::wstring& selector)
{
    return window.HasState(selector, L"expanded");
}

// What the focus changes in how an element is drawn, without the text colour: a colour alone
// is no indicator a bookkeeper can find.
std::wstring Indicator(const std::wstring& look)
{
    return look.substr(0, look.find(L"; color"));
}

class KeyboardWalk : public AcceptanceTest {
protected:
    void SetUp() override
    {
        AcceptanceTest::SetUp();
        WriteDemoSettings();
    }

    // John Q Smith's time goes to Ana Lind, whose entries in the walk's period Quorvane lacks.
    void MapJohnToAnaWithAbsentEntries()
    {
        boost::shared_ptr<Quorvane::Config> config = SavedSettings();
        config->GetEmployeeMappings()->GetBySource(kJohnQSmith)->SetTarget(faults::kAnaLind, Quorvane::Mapping::Mapped);
        config->GetPayrollTypeMappings()
            ->GetBySource(kJohnQSmith)
            ->SetTarget(faults::kAnaLindWages, Quorvane::Mapping::Mapped);
        ASSERT_TRUE(Quorvane::SaveConfig(m_stage->CompanyName(), config));
        const std::wstring day = Quorvane::DateRange(kPresetType).GetStart().ToString();
        // With John Q Smith's time going to Ana Lind, the import asks what to do with her entries.
        for (const wchar_t* entry : { faults::kAnaLindEntry, faults::kAnaLindOtherEntry })
            faults::EditCompany(m_stage->CompanyFile(), L"TimeEntries", entry, L"{\"TxnDate\": \"" + day + L"\"}");
    }

    PageWindow& StartAtSummary()
    {
        Start().WaitForSummary();
        m_watchdog.reset(new Watchdog(m_program->Process(), kWalkTimeoutMs));
        return m_bookkeeper->MainWindow();
    }

    // After a step something in the window has the focus and is drawn differently for it. Its
    // look without the focus is read once Tab has moved the focus on, and Shift+Tab brings it
    // back. A step whose focus Tab cannot move (an element alone in its panel) compares it once
    // the panel has gone, with ExpectDrawnOtherwiseNow.
    void ExpectVisibleFocus(PageWindow& window, const std::string& step)
    {
        const FocusedElement focused = window.Focused();
        ASSERT_NE(0u, focused.uid) << "nothing has the focus after " << step;
        const FocusedElement next = window.MoveFocus(VK_TAB, driver::kNoModifier, kKeyEffectMs);
        ASSERT_NE(focused.uid, next.uid) << "Tab did not move the focus from " << driver::Narrow(focused.name)
                                         << " after " << step;
        ExpectDrawnOtherwiseNow(window, focused, step);
        EXPECT_EQ(focused.uid, window.MoveFocus(VK_TAB, driver::kShift, driver::kStepTimeoutMs).uid)
            << "Shift+Tab did not go back to " << driver::Narrow(focused.name) << " after " << step;
    }

    void ExpectDrawnOtherwiseNow(PageWindow& window, const FocusedElement& focused, const std::string& step)
    {
        if (focused.uid == 0)
            return;
        const std::wstring unfocused = window.LookOf(focused.uid);
        EXPECT_NE(Indicator(focused.look), Indicator(unfocused))
            << driver::Narrow(focused.name) << " focused after " << step << " looks as without the focus:\n  "
            << driver::Narrow(focused.look) << "\n  " << driver::Narrow(unfocused);
    }

    void WaitForLoadedSummary(PageWindow& window)
    {
        driver::WaitUntil(
            L"the summary",
            [&] {
                return !Expanded(window, L"#LoadingView") && Expanded(window, L"#TTSummary") &&
                       window.Count(kSummaryRows) > 0;
            },
            kLoadTimeoutMs);
    }

    int Ticked(PageWindow& window)
    {
        return window.Count(std::wstring(kSummaryRows) + L" > td:first-child > input:checked");
    }

    // Arrows through the open presets menu until the keyboard's highlight is on the preset.
    void ArrowToPreset(PageWindow& window, const std::wstring& preset)
    {
        const std::wstring highlighted = std::wstring(kPresets) + L":current";
        const std::vector<std::wstring> options = window.Texts(kPresets);
        const auto position = [&](const std::wstring& text) { return std::find(options.begin(), options.end(), text); };
        ASSERT_TRUE(position(preset) != options.end()) << "the presets menu has no " << driver::Narrow(preset);
        for (size_t press = 0; press < options.size(); ++press) {
            const std::vector<std::wstring> before = window.Texts(highlighted);
            if (!before.empty() && before.front() == preset)
                return;
            window.Press(before.empty() || position(before.front()) < position(preset) ? VK_DOWN : VK_UP);
            driver::WaitUntil(L"the highlight to move", [&] { return window.Texts(highlighted) != before; });
        }
        FAIL() << "the arrows never reached " << driver::Narrow(preset);
    }
};

}  // namespace

// From the summary: an employee's preview, a period preset, a sorted column, the selection
// links, the missing items, the import with its question and end, every settings tab, each by
// keys alone.
TEST_F(KeyboardWalk, AWholeSessionByKeysKeepsTheFocusVisibleAfterEveryStep)
{
    MapJohnToAnaWithAbsentEntries();
    PageWindow& window = StartAtSummary();

    const FocusedElement name = window.TabTo(kNames);
    window.Press(VK_RETURN);
    {
        PageWindow preview = m_program->Dialog(kPreviewTitle);
        preview.WaitShown(L"#workingLeaveTimeTBody > tr", kLoadTimeoutMs);
        ExpectVisibleFocus(preview, "the preview opened");
        preview.TabTo(L"#detailsTab, #detailsTab > .strip > [panel]:current");
        preview.Press(VK_RIGHT);
        preview.WaitState(L"[panel=idMissingItems_Tab]", L"current", true);
        ExpectVisibleFocus(preview, "the preview's second tab");
        preview.Press(VK_ESCAPE);
        m_program->WaitClosed(driver::kDialogClass, kPreviewTitle);
    }
    EXPECT_EQ(name.uid, window.Focused().uid) << "the focus did not return to the name that opened the preview";
    ExpectVisibleFocus(window, "the preview closed");

    window.TabTo(L"#cal");
    window.Press(VK_DOWN, driver::kAlt);
    window.WaitShown(L"#cal popup");
    window.Press(VK_ESCAPE);
    window.WaitHidden(L"#cal popup");
    EXPECT_EQ(1, window.Count(L"#cal:focus")) << "Escape on the presets menu took the focus from the period";
    window.Press(VK_RETURN);
    window.WaitShown(L"#cal popup");
    ArrowToPreset(window, kPreset);
    window.Press(VK_RETURN);
    window.WaitHidden(L"#cal popup");
    window.WaitText(L"#calendarHeader", kPreset);
    WaitForLoadedSummary(window);
    EXPECT_EQ(kPresetType, SavedSettings()->GetPeriod().GetRangeType());
    ExpectVisibleFocus(window, "a preset chosen");

    const std::vector<std::wstring> names = window.Texts(kNames);
    window.TabTo(L"#summaryTable th[hdType=hdEmployee]");
    window.Press(VK_RETURN);
    driver::WaitUntil(L"the names sorted the other way round",
                      [&] { return window.Texts(kNames) == std::vector<std::wstring>(names.rbegin(), names.rend()); });
    ExpectVisibleFocus(window, "a column sorted");

    window.TabTo(L"#idEmployeeAll");
    window.Press(VK_RETURN);
    driver::WaitUntil(L"employees ticked", [&] { return Ticked(window) > 0; });
    ExpectVisibleFocus(window, "select all");
    window.TabTo(L"#idEployeeNone");
    window.Press(VK_RETURN);
    driver::WaitUntil(L"no employee ticked", [&] { return Ticked(window) == 0; });
    ExpectVisibleFocus(window, "select none");

    const int missingBefore = window.Count(L"#TTTotalTableBody img.missingItem");
    window.TabTo(L"#Missingdata");
    window.Press(VK_RETURN);
    {
        PageWindow missing = m_program->Dialog(kMissingDataTitle);
        const std::wstring boxes = L"#MissingItemItemId > tr button";
        missing.WaitShown(boxes, kLoadTimeoutMs);
        ExpectVisibleFocus(missing, "the missing data opened");
        const int creatable = missing.Count(boxes) - missing.Count(boxes + L":disabled");
        ASSERT_GT(creatable, 0) << "nothing missing can be created";
        missing.TabTo(boxes);
        for (int ticked = 1;; ++ticked) {
            missing.Press(VK_SPACE);
            missing.WaitState(boxes + L":focus", L"checked", true);
            if (ticked == creatable)
                break;
            missing.MoveFocus(VK_TAB, driver::kNoModifier, driver::kStepTimeoutMs);
            missing.TabTo(boxes);
        }
        ExpectVisibleFocus(missing, "the missing items ticked");
        missing.TabTo(L"#idCreateMissingDataButton");
        missing.Press(VK_RETURN);
        // Created rows leave the table.
        driver::WaitUntil(
            L"the items created", [&] { return missing.Count(boxes + L":checked") == 0; }, kLoadTimeoutMs);
        ExpectVisibleFocus(missing, "the missing items created");
        missing.Press(VK_ESCAPE);
        m_program->WaitClosed(driver::kDialogClass, kMissingDataTitle);
    }
    EXPECT_LT(window.Count(L"#TTTotalTableBody img.missingItem"), missingBefore)
        << "the summary still shows the created items as missing";
    ExpectVisibleFocus(window, "the missing data closed");

    window.TabTo(L"#idEmployeeAll");
    window.Press(VK_RETURN);
    driver::WaitUntil(L"employees ticked", [&] { return Ticked(window) > 0; });
    window.TabTo(L"#import");
    const size_t adds = Requests(L"TimeTrackingAdd").size();
    window.Press(VK_RETURN);
    window.WaitShown(L"#absentTimeTrackBody");
    EXPECT_EQ(1, window.Count(L"#absentTimeTrackBody button.primary:focus")) << "the question opened off its default";
    ExpectVisibleFocus(window, "the import's question");
    window.Press(VK_ESCAPE);
    window.WaitHidden(L"#absentTimeTrackBody");
    EXPECT_FALSE(window.Shown(L"#ProgressBodyDialog")) << "Escape on the question started the import";
    EXPECT_EQ(adds, Requests(L"TimeTrackingAdd").size()) << "Escape on the question let the import write";
    // Import is enabled again only once its run has ended, which may come after the question hid.
    EXPECT_TRUE(driver::WaitFor([&] { return window.Count(L"#import:focus") == 1; }, kKeyEffectMs))
        << "the focus did not return to Import but went to " << driver::Narrow(window.Focused().name);
    window.TabTo(L"#import");
    window.Press(VK_RETURN);
    window.WaitShown(L"#absentTimeTrackBody");
    window.Press(VK_RETURN);
    // Kept QuickBooks time ends the import with a note on the end panel.
    driver::WaitUntil(
        L"the import to end",
        [&] {
            return Expanded(window, L"#idCompletedSuccessfullyState") ||
                   Expanded(window, L"#idCompletedWithErrorState");
        },
        kLoadTimeoutMs);
    EXPECT_GT(Requests(L"TimeTrackingAdd").size(), adds) << "Enter on the question imported nothing";
    EXPECT_EQ(1, window.Count(L"#ProgressBodyDialog button.primary:focus")) << "the end panel opened off its Close";
    // The end panel's Close is alone in it: its look is compared once the panel has gone.
    const FocusedElement close = window.Focused();
    window.Press(VK_ESCAPE);
    window.WaitHidden(L"#ProgressBodyDialog");
    WaitForLoadedSummary(window);
    ExpectDrawnOtherwiseNow(window, close, "the import ended");
    ExpectVisibleFocus(window, "the end panel closed");

    window.TabTo(L"#Settings");
    window.Press(VK_RETURN);
    {
        PageWindow settings = m_program->Dialog(kSettingsTitle);
        settings.WaitHidden(L"#PleaseWaitOverlay", kLoadTimeoutMs);
        ExpectVisibleFocus(settings, "the settings opened");
        // The strip takes the focus as a whole or on its current tab.
        const std::wstring tab = L"#SettingsPage > .tabs, .settingsStrip > [panel]:current";
        settings.TabTo(tab);
        settings.Press(VK_HOME);
        const std::vector<std::wstring> panels = settings.Attributes(L".settingsStrip > [panel]", L"panel");
        for (size_t i = 0; i < panels.size(); ++i) {
            if (i > 0)
                settings.Press(VK_RIGHT);
            settings.WaitState(L"[panel=" + panels[i] + L"]", L"current", true);
            ExpectVisibleFocus(settings, "the settings tab " + driver::Narrow(panels[i]));
            if (panels[i] == L"idImportSettings_Tab" || panels[i] == L"idEmployeeMapping_Tab") {
                // A drop-down opens with F4 or Alt+Down; Escape closes the list, not the dialog.
                const bool mapping = panels[i] == L"idEmployeeMapping_Tab";
                const std::wstring list = mapping ? L"#mappingTable select" : L"#mappingType";
                settings.TabTo(list);
                settings.Press(mapping ? VK_DOWN : VK_F4, mapping ? driver::kAlt : driver::kNoModifier);
                const bool open = driver::WaitFor([&] { return settings.Shown(list + L":focus popup"); }, kKeyEffectMs);
                EXPECT_TRUE(open) << (mapping ? "Alt+Down" : "F4") << " did not open " << driver::Narrow(list);
                if (open) {
                    settings.Press(VK_ESCAPE);
                    settings.WaitHidden(list + L":focus popup");
                    EXPECT_TRUE(settings.Shown(L"#Save")) << "Escape on an open list closed the settings";
                }
                settings.TabTo(tab, driver::kShift);
            }
            if (panels[i] == L"idLeaveTimeAndPayroll_Tab") {
                settings.TabTo(L"#lv-tab-holder, #lv-tab-holder > .strip > [panel]:current");
                settings.Press(VK_RIGHT);
                settings.WaitState(L"#lv-panel-id2", L"current", true);
                ExpectVisibleFocus(settings, "the working time tab");
                settings.TabTo(tab, driver::kShift);
            }
        }
        settings.TabTo(L"#Save");
        settings.Press(VK_RETURN);
        m_program->WaitClosed(driver::kDialogClass, kSettingsTitle);
    }
    WaitForLoadedSummary(window);
    ExpectVisibleFocus(window, "the settings saved");
}

// QuickBooks shows a time-entry window, so the import stops on an error panel at once.
TEST_F(KeyboardWalk, EscapeClosesTheMainWindowsErrorPanelAndNothingElse)
{
    PageWindow& window = StartAtSummary();
    QbSim::QuickBooksWindows quickBooks(m_stage->CompanyName() + L" - QuickBooks", { L"Weekly Timesheet" });
    ASSERT_TRUE(quickBooks.IsOpen());
    m_bookkeeper->SelectAll();
    window.TabTo(L"#import");
    window.Press(VK_RETURN);
    window.WaitShown(L"#ErrorBodyDialog");
    EXPECT_EQ(1, window.Count(L"#ErrorBodyDialog button.primary:focus")) << "the error panel opened off its Close";
    window.Press(VK_ESCAPE);
    window.WaitHidden(L"#ErrorBodyDialog");
    EXPECT_TRUE(m_program->Process().Running());
    EXPECT_EQ(1u, driver::ShownWindowsOf(m_program->Process().Id()).size());
    WaitForLoadedSummary(window);
    ExpectVisibleFocus(window, "the error panel closed");
}

// QuickBooks refuses to add a customer: the missing-data dialog shows an error panel over its
// table, and Escape closes the dialog without creating anything more.
TEST_F(KeyboardWalk, EscapeDuringAnInterruptedCreationClosesTheMissingDataAndCreatesNothingMore)
{
    Start({ { L"QBSIM_FAULTS", L"[{\"stage\": \"Response\", \"request\": \"CustomerAdd\", \"status\": 3100,"
                               L" \"message\": \"The name is already in use.\"}]" } })
        .WaitForSummary();
    PageWindow& window = m_bookkeeper->MainWindow();
    window.Click(L"#Missingdata");
    PageWindow missing = m_program->Dialog(kMissingDataTitle);
    const std::wstring rows = L"#MissingItemItemId > tr";
    missing.WaitShown(rows, kLoadTimeoutMs);
    // A job ticks its customer too: the refused customer leaves the job to create.
    const std::vector<std::wstring> types = missing.Texts(rows + L" > td:nth-child(2)");
    const auto job = std::find_if(types.begin(), types.end(), [](const std::wstring& type) {
        return type.find(L"Customer:Job") != std::wstring::npos;
    });
    ASSERT_TRUE(job != types.end()) << "no job is missing";
    const std::wstring box = rows + L":nth-child(" + std::to_wstring(job - types.begin() + 1) + L") button";
    missing.ScrollTo(box, L"#MissingItemsArea");
    missing.Click(box);
    missing.WaitState(box, L"checked", true);
    missing.Click(L"#idCreateMissingDataButton");
    missing.WaitShown(L"#ErrorBodyDialog", kLoadTimeoutMs);
    const size_t adds = Requests(L"CustomerAdd").size();
    missing.Press(VK_ESCAPE);
    m_program->WaitClosed(driver::kDialogClass, kMissingDataTitle);
    WaitForLoadedSummary(window);
    EXPECT_EQ(adds, Requests(L"CustomerAdd").size()) << "Escape let the creation go on";
    ExpectVisibleFocus(window, "the missing data closed");
}

// Tab selects a date box's text, so typing replaces it. Text that is no date puts the last date
// back with a word why beside the period, and a good date then takes the period and clears it.
TEST_F(KeyboardWalk, ATypedDateThatIsNoDateIsRefusedWithAWordUntilAGoodOneIsTyped)
{
    PageWindow& window = StartAtSummary();
    const Quorvane::DateTime start = SavedSettings()->GetPeriod().GetStart();
    const std::wstring later = start.Add(Quorvane::DateSpan::OneDay()).ToString();
    window.TabTo(L"#dateStart");
    window.Type(L"31.11.2026");
    window.WaitText(L"#dateStart", L"31.11.2026");
    window.Press(VK_TAB);
    window.WaitText(L"#periodProblem", L"\"31.11.2026\" is not a date; the period was not changed.");
    EXPECT_TRUE(window.Shown(L"#periodProblem"));
    EXPECT_EQ(start.ToString(), window.Text(L"#dateStart"));

    window.TabTo(L"#dateStart", driver::kShift);
    window.Type(later);
    window.WaitText(L"#dateStart", later);
    window.Press(VK_RETURN);
    window.WaitHidden(L"#periodProblem");
    driver::WaitUntil(L"the typed start saved",
                      [&] { return SavedSettings()->GetPeriod().GetStart().ToString() == later; });
    WaitForLoadedSummary(window);
}
