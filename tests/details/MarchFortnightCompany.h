#pragma once
// The company the preview and missing-data tests look at: two weeks of March 2012 (Wednesday
// the 7th to Tuesday the 13th) with an entry in every state of the preview, and users mapped in
// every way the dialogs treat differently.
//
// Ann (1) is mapped to E1 and has, in week one: an added entry (We 7), a changed one (Th 8), an
// unchanged one (Fr 9) and one on the missing Northwind:Deck (Sa 10); in week two: a billed
// entry whose server time dropped (Mo 12), a day of vacation (Mo 12) and an entry absent on the
// server (Tu 13). Bob (2) is to become a new QuickBooks employee and works for Northwind too.
// Cy (3) is not imported. Dee (4) is mapped to E4 and has nothing missing.
#include "../app/TestCompany.h"

struct MarchFortnightCompany : TestCompany {
    MarchFortnightCompany();

    // The preview, built as a load builds it.
    void BuildPreview();

    EmployeePtr ann, bob, cy, dee;
    EmployeePtr annEmployee, deeEmployee;
};

Quorvane::DateTime MarchDay(int day);
