// Keys that must not end or close the updater's windows.
#pragma once

#include <windows.h>

// Escape and Enter pressed: both windows swallow them before dispatch.
inline bool IsSwallowedKey(const MSG* pMsg) {
  return pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN);
}
