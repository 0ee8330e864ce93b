#pragma once
// What the mapping-problems view lists, and the hint over the summary's selection column.
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

class MainModel;

// The list items (markup), all failing checks in order. The caller holds the model's lock.
std::vector<std::wstring> MappingProblemItems(const MainModel& model);

struct PreviewSummary;

// Previewed employees the user imports whose items must be created by hand or cannot be
// created.
int CountBlockedEmployees(const PreviewSummary& preview);

// "1 user cannot be selected as there are items<br/> ..." (markup).
std::wstring EmployeeSelectHint(int blocked);
