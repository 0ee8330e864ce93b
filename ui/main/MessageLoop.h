#pragma once
// The UI thread's message loop: it waits alertably between messages, so the calls that worker
// threads post to this thread run here, within about 50 ms.
void RunMessageLoop();
