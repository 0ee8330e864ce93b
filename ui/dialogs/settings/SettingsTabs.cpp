// The five tabs of the settings dialog, by the id of their panel. The map's key order is the order
// in which the dialog visits them; no tab depends on another's having gone first.
#include "ui/dialogs/settings/SettingsDialog.h"

#include "ui/dialogs/settings/AutoCreationTab.h"
#include "ui/dialogs/settings/EmployeeMappingTab.h"
#include "ui/dialogs/settings/ImportSettingsTab.h"
#include "ui/dialogs/settings/LeaveTimeAndPayrollTab.h"
#include "ui/dialogs/settings/QuorvaneTab.h"

void SettingsDialog::CreateTabs()
{
    const TabPtr tabs[] = { TabPtr(new QuorvaneTab), TabPtr(new AutoCreationTab), TabPtr(new ImportSettingsTab),
                            TabPtr(new EmployeeMappingTab), TabPtr(new LeaveTimeAndPayrollTab) };
    for (const TabPtr& tab : tabs)
        m_tabs[tab->GetId()] = tab;
}
