#include "MessagePump.h"

#include <map>

namespace testwin {

namespace {

struct Delayed {
  HWND hWnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

std::map<UINT_PTR, Delayed>& Pending() {
  static std::map<UINT_PTR, Delayed> pending;
  return pending;
}

void CALLBACK DelayedPost(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto it = Pending().find(id);
  if (it == Pending().end()) return;
  Delayed d = it->second;
  Pending().erase(it);
  PostMessageW(d.hWnd, d.message, d.wParam, d.lParam);
}

bool DispatchOne() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return done();
    if (!DispatchOne()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

void PumpPending() {
  for (int i = 0; i < 10000 && DispatchOne(); ++i) {
  }
}

void PostLater(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT delayMs) {
  UINT_PTR id = SetTimer(nullptr, 0, delayMs, DelayedPost);
  if (id) Pending()[id] = Delayed{hWnd, message, wParam, lParam};
}

}  // namespace testwin
