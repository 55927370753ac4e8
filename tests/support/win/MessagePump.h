// Drives the calling thread's message queue from a test.
#pragma once

#include <windows.h>

#include <functional>

namespace testwin {

// Dispatches messages until done() holds or timeoutMs passes; true when done.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches whatever arrives during the given time.
void PumpFor(DWORD ms);
// Dispatches what is queued now (posted messages, pending paints).
void PumpPending();
// Posts a message to hWnd after delayMs from a timer of this thread, so it
// arrives while a nested loop (a modal dialog) is running.
void PostLater(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT delayMs = 50);

}  // namespace testwin
