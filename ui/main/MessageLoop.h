#pragma once
// The UI thread's message loop: it waits alertably between messages, so the calls that worker
// threads post to this thread run here, within about 50 ms.
void RunMessageLoop();

// Runs the calls other threads have posted to this one, at once (from inside a loop that is not
// ours, such as a modal dialog's).
void RunPostedCalls();
