#pragma once
// The steps a bookkeeper takes in the program, through its real window with real input: the
// end-to-end tests and the demo's tour share them. Each step waits for the window to show
// its outcome, and hands every state a person would look at to a witness (the tour takes
// its pictures there).
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tools/programdriver/Program.h"

namespace scenario {

// A state worth looking at, by a short name ("login-error", "settings-employee-mapping").
typedef std::function<void(const std::wstring& state, HWND window)> Witness;

struct Login {
    std::wstring url;
    std::wstring user;
    std::wstring password;
};

// Options to choose, each in the row whose first cell starts with the text.
typedef std::vector<std::pair<std::wstring, std::wstring>> RowChoices;

struct SettingsChoices {
    std::wstring customersAndJobs;  // an option of "Customers & Jobs"; empty keeps it
    std::wstring serviceItemAccount;  // an option of the new service items' account; empty keeps it
    RowChoices employees;  // Quorvane user -> QuickBooks employee
    bool importLeaveTime = false;
    RowChoices leaveTypes;  // Quorvane leave type -> payroll item
    RowChoices workingTimePayroll;  // Quorvane user -> payroll item for working time
};

// One row of a preview week: what the row is for and its seven day cells as shown.
struct PreviewRow {
    std::wstring customerJob;
    std::wstring serviceItem;
    std::vector<std::wstring> days;
};

struct PreviewWeek {
    std::vector<std::wstring> dayNumbers;  // the header's day of month for each column
    std::vector<PreviewRow> rows;
};

// A row of the missing-data dialog.
struct MissingItem {
    std::wstring type;  // "Customer", "Job", "Service Item", ...
    std::wstring name;
};

class Bookkeeper {
public:
    explicit Bookkeeper(driver::Program& program, Witness witness = Witness());

    driver::Program& Program() { return m_program; }
    driver::PageWindow& MainWindow() { return m_main; }

    // The login panel: the wrong password first, Connect clicked; the panel's message is
    // returned. Then the right password typed and Enter pressed; waits until the panel goes.
    std::wstring LogIn(const Login& login, const std::wstring& wrongPassword);
    // Waits until a load has ended in the summary with rows, or in the mapping problems.
    void WaitForSummary();
    void WaitForMappingProblems();
    std::vector<std::wstring> SummaryEmployees();
    // Clicks "Reload" and waits for the summary.
    void Reload();

    // Chooses a range from the import period's menu, or types a date into its first or last
    // field and presses Enter; waits for the summary of the new period.
    void ChooseDateRange(const std::wstring& name);
    void TypePeriodDate(bool start, const std::wstring& date);

    // Opens the settings, makes the choices tab by tab and saves them; waits for the summary.
    void ChangeSettings(const SettingsChoices& choices);

    // Opens the preview of the employee from the summary, reads its weeks and closes it.
    std::vector<PreviewWeek> Preview(const std::wstring& employee);

    // Opens "Review Missing Data", ticks the rows picked (the dialog may tick their parents
    // too), creates them and closes the dialog; the rows it listed are returned.
    std::vector<MissingItem> CreateMissingData(const std::function<bool(const MissingItem&)>& pick);

    // Ticks only this employee, or all of them.
    void SelectOnly(const std::wstring& employee);
    void SelectAll();
    // Clicks Import, keeps QuickBooks time that Quorvane lacks when asked, and waits for the
    // progress panel's end: true for success, false when it ended with problems.
    bool Import();
    // Clicks the ended progress panel's Close; waits for the reloaded summary.
    void CloseImportProgress();

private:
    void Look(const std::wstring& state, HWND window);
    int SummaryRow(const std::wstring& employee);
    void ChooseInRows(driver::PageWindow& dialog, const std::wstring& rows, const RowChoices& choices);
    void ChooseTab(driver::PageWindow& dialog, const std::wstring& tab, const std::wstring& state);
    void ChooseSettingsTab(driver::PageWindow& dialog, const std::wstring& panel, const std::wstring& state);
    std::vector<PreviewWeek> ReadPreviewWeeks(driver::PageWindow& preview);

    driver::Program& m_program;
    Witness m_witness;
    driver::PageWindow m_main;
};

}  // namespace scenario
