#pragma once
// Progress bars with a "requested-value" move toward it every 20 ms on a window timer.
#include <windows.h>

namespace htmlengine {

class Document;

const UINT_PTR kProgressTimerId = 0x48454E31;  // ours; the program's timers keep small ids

void StartProgressAnimation(Document& document);
// One step for every bar; the timer stops when no bar has anything left to do.
void StepProgressAnimation(Document& document);

}  // namespace htmlengine
