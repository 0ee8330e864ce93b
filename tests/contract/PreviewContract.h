#pragma once
// One world played through the program and judged twice: against the model's expectation
// (QuickBooks after the last import and after this one, the summary, the import log), and against
// the preview's promise: after an import, QuickBooks holds what the preview showed, nothing it did
// not show has changed, the log and the end panel count what the preview counts, and a reload and
// a second import find nothing left to do.
#include <string>
#include <vector>

#include "World.h"

// One line per broken expectation, led by "model:" or "preview:"; empty when the program kept
// them all.
std::vector<std::string> CheckWorld(const World& world);
