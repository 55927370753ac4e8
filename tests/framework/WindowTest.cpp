// CWnd: binding by creation and by subclassing, the dispatch to handlers and
// to the original procedure, unsubclassing, destruction and timers.
#include <gtest/gtest.h>

#include <vector>

#include "CException.h"
#include "CWnd.h"
#include "MessagePump.h"

namespace {

const UINT kPing = WM_APP + 1;
const UINT kUnhandled = WM_APP + 2;

// A class whose own procedure records what reaches it, to see what the
// framework passes on as default processing.
std::vector<UINT> g_original;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_APP) {
    g_original.push_back(message);
    return 1000 + static_cast<LRESULT>(wParam);
  }
  return DefWindowProcW(hWnd, message, wParam, lParam);
}

LPCWSTR RecordingClass() {
  static bool registered = false;
  if (!registered) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FwTestRecording";
    registered = RegisterClassW(&wc) != 0;
  }
  return L"FwTestRecording";
}

class CProbeWnd : public CWnd {
public:
  int created = 0;
  int presubclassed = 0;
  int timers = 0;
  int pings = 0;
  bool destroyedSeen = false;
  int* postNcDestroyCount = nullptr;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE: return OnCreate();
      case WM_TIMER: OnTimer(wParam); return 0;
      case kPing: return OnPing(wParam);
      case WM_DESTROY: destroyedSeen = true; break;
      default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }

protected:
  void PreSubclassWindow() override { ++presubclassed; }
  void PostNcDestroy() override {
    if (postNcDestroyCount) ++*postNcDestroyCount;
  }

private:
  LRESULT OnCreate() {
    ++created;
    return Default();
  }
  void OnTimer(UINT_PTR id) {
    if (id == 7) ++timers;
  }
  LRESULT OnPing(WPARAM wParam) {
    ++pings;
    // Handled here, then also passed on: the result is the original's.
    return wParam == 2 ? Default() : 42;
  }
};

TEST(CWndCreate, AWindowOfTheFrameworkClassReachesItsObjectFromWM_CREATE) {
  CProbeWnd w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, L"probe", WS_POPUP, CRect(0, 0, 50, 40), nullptr, 0));
  EXPECT_EQ(w.created, 1);
  EXPECT_EQ(w.presubclassed, 0);
  EXPECT_EQ(CWnd::FromHandlePermanent(w.m_hWnd), &w);
  EXPECT_EQ(CWnd::FromHandle(w.m_hWnd), &w);
  CRect rc;
  w.GetWindowRect(&rc);
  EXPECT_EQ(rc.Width(), 50);
  EXPECT_EQ(w.SendMessage(kPing, 1), 42);
  EXPECT_EQ(w.pings, 1);
  EXPECT_FALSE(w.CreateEx(0, nullptr, L"again", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
}

TEST(CWndCreate, AnyRegisteredClassIsSubclassedAndKeepsItsProcedure) {
  g_original.clear();
  CProbeWnd w;
  ASSERT_TRUE(w.CreateEx(0, RecordingClass(), L"rec", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  EXPECT_EQ(w.created, 1);
  EXPECT_EQ(w.SendMessage(kPing, 1), 42);    // taken by the handler
  EXPECT_EQ(w.SendMessage(kPing, 2), 1002);  // handler, then the class procedure
  EXPECT_EQ(w.SendMessage(kUnhandled, 5), 1005);
  EXPECT_EQ(g_original, (std::vector<UINT>{kPing, kUnhandled}));
  EXPECT_EQ(w.pings, 2);
}

TEST(CWndCreate, ChildOfAnotherObjectWithControlId) {
  CProbeWnd parent, child;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  ASSERT_TRUE(child.Create(nullptr, L"", 0, CRect(0, 0, 0, 0), &parent, 100));
  EXPECT_TRUE(child.GetStyle() & WS_CHILD);
  EXPECT_EQ(child.GetDlgCtrlID(), 100);
  EXPECT_EQ(parent.GetDlgItem(100), &child);
  EXPECT_EQ(child.GetParent(), &parent);
  EXPECT_TRUE(parent.IsChild(&child));
}

TEST(CWndCreate, AHiddenChildOfTheDesktop) {
  CProbeWnd w;
  ASSERT_TRUE(w.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 0, 0), CWnd::GetDesktopWindow(), 100));
  EXPECT_FALSE(w.IsWindowVisible());
  EXPECT_TRUE(w.PostMessage(kPing, 3));
  EXPECT_TRUE(testwin::PumpUntil([&] { return w.pings == 1; }));
}

TEST(CWndDestroy, DestroyingTheWindowUnbindsAndCallsPostNcDestroy) {
  int post = 0;
  CProbeWnd w;
  w.postNcDestroyCount = &post;
  ASSERT_TRUE(w.CreateEx(0, nullptr, L"d", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  HWND h = w.m_hWnd;
  EXPECT_TRUE(w.DestroyWindow());
  EXPECT_TRUE(w.destroyedSeen);
  EXPECT_EQ(w.m_hWnd, nullptr);
  EXPECT_EQ(post, 1);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_FALSE(w.DestroyWindow());
}

TEST(CWndDestroy, TheObjectDestroysOnlyAWindowItCreated) {
  HWND created;
  {
    CProbeWnd w;
    ASSERT_TRUE(w.CreateEx(0, nullptr, L"own", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    created = w.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(created));

  HWND foreign = CreateWindowExW(0, RecordingClass(), L"f", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(foreign, nullptr);
  {
    CProbeWnd w;
    ASSERT_TRUE(w.SubclassWindow(foreign));
  }
  EXPECT_TRUE(IsWindow(foreign));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(foreign, GWLP_WNDPROC)), &RecordingProc);
  DestroyWindow(foreign);
}

class CSelfDeletingWnd : public CWnd {
public:
  explicit CSelfDeletingWnd(bool* deleted, bool failCreate = false) : m_deleted(deleted), m_fail(failCreate) {}
  ~CSelfDeletingWnd() override { *m_deleted = true; }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE && m_fail) return -1;
    return CWnd::WindowProc(message, wParam, lParam);
  }

protected:
  void PostNcDestroy() override { delete this; }

private:
  bool* m_deleted;
  bool m_fail;
};

TEST(CWndDestroy, AHeapObjectMayDeleteItselfAfterItsWindowIsGone) {
  bool deleted = false;
  auto* w = new CSelfDeletingWnd(&deleted);
  ASSERT_TRUE(w->CreateEx(0, nullptr, L"s", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  HWND h = w->m_hWnd;
  DestroyWindow(h);
  EXPECT_TRUE(deleted);
}

TEST(CWndDestroy, AFailedCreationLeavesTheObjectToTheCaller) {
  bool deleted = false;
  auto* w = new CSelfDeletingWnd(&deleted, true);
  EXPECT_FALSE(w->CreateEx(0, nullptr, L"s", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  EXPECT_FALSE(deleted);
  EXPECT_EQ(w->m_hWnd, nullptr);
  delete w;
  EXPECT_TRUE(deleted);
}

class CThrowingWnd : public CWnd {
public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE) AfxThrowResourceException();
    if (message == kPing) AfxThrowMemoryException();
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

TEST(CWndDispatch, AFrameworkExceptionInAHandlerEndsOnlyThatMessage) {
  CThrowingWnd w;
  EXPECT_FALSE(w.CreateEx(0, nullptr, L"t", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  CProbeWnd host;
  ASSERT_TRUE(host.CreateEx(0, nullptr, L"h", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  CThrowingWnd sub;
  ASSERT_TRUE(sub.SubclassWindow(host.Detach()));
  EXPECT_EQ(sub.SendMessage(kPing), 0);
  EXPECT_TRUE(IsWindow(sub.m_hWnd));
  sub.DestroyWindow();
}

TEST(CWndSubclass, InterceptsAndPassesOnThenRestoresTheProcedure) {
  g_original.clear();
  HWND h = CreateWindowExW(0, RecordingClass(), L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(h, nullptr);
  CProbeWnd w;
  ASSERT_TRUE(w.SubclassWindow(h));
  EXPECT_EQ(w.presubclassed, 1);
  EXPECT_EQ(w.created, 0);
  EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC)), &RecordingProc);
  EXPECT_EQ(SendMessageW(h, kPing, 1, 0), 42);
  EXPECT_EQ(SendMessageW(h, kUnhandled, 3, 0), 1003);
  EXPECT_EQ(g_original, (std::vector<UINT>{kUnhandled}));

  CProbeWnd second;
  EXPECT_FALSE(second.SubclassWindow(h));  // one object per window

  EXPECT_EQ(w.UnsubclassWindow(), h);
  EXPECT_EQ(w.m_hWnd, nullptr);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC)), &RecordingProc);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  EXPECT_EQ(SendMessageW(h, kPing, 1, 0), 1001);  // the object no longer sees it
  EXPECT_EQ(w.pings, 1);

  // Detach restores the procedure as well; the window stays.
  ASSERT_TRUE(second.SubclassWindow(h));
  EXPECT_EQ(second.Detach(), h);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC)), &RecordingProc);
  EXPECT_TRUE(IsWindow(h));
  DestroyWindow(h);
}

WNDPROC g_behind = nullptr;
int g_outerSeen = 0;

LRESULT CALLBACK OuterProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kUnhandled || message == kPing) ++g_outerSeen;
  return CallWindowProcW(g_behind, hWnd, message, wParam, lParam);
}

TEST(CWndSubclass, UnsubclassingBehindAnotherSubclasserKeepsTheChainWorking) {
  g_original.clear();
  g_outerSeen = 0;
  HWND h = CreateWindowExW(0, RecordingClass(), L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  CProbeWnd w;
  ASSERT_TRUE(w.SubclassWindow(h));
  g_behind = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
  EXPECT_EQ(SendMessageW(h, kPing, 1, 0), 42);  // outer, then the object
  EXPECT_EQ(w.UnsubclassWindow(), h);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC)), &OuterProc);  // left alone
  EXPECT_EQ(SendMessageW(h, kPing, 1, 0), 1001);  // outer, then through to the class procedure
  EXPECT_EQ(SendMessageW(h, kUnhandled, 2, 0), 1002);
  EXPECT_EQ(g_outerSeen, 3);
  EXPECT_EQ(w.pings, 1);
  CProbeWnd again;
  EXPECT_FALSE(again.SubclassWindow(h));  // the framework is still inside the chain
  DestroyWindow(h);
}

TEST(CWndSubclass, ADialogItemOfAnotherWindow) {
  CProbeWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"p", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | BS_PUSHBUTTON, 0, 0, 40, 20, parent.m_hWnd,
                                reinterpret_cast<HMENU>(55), GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(button, nullptr);
  CProbeWnd item;
  EXPECT_FALSE(item.SubclassDlgItem(56, &parent));
  ASSERT_TRUE(item.SubclassDlgItem(55, &parent));
  EXPECT_EQ(item.m_hWnd, button);
  CString text;
  item.GetWindowText(text);
  EXPECT_STREQ(text, L"b");  // default processing reaches the button
  item.SetWindowText(L"changed");
  parent.GetDlgItemText(55, text);
  EXPECT_STREQ(text, L"changed");
}

TEST(CWndDispatch, DefaultUsesTheMessageOfItsOwnHandlerAfterANestedSend) {
  g_original.clear();
  class CNesting : public CWnd {
  public:
    CWnd* other = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == kPing) {
        other->SendMessage(kUnhandled, 9);
        return Default();
      }
      return CWnd::WindowProc(message, wParam, lParam);
    }
  };
  CProbeWnd other;
  ASSERT_TRUE(other.CreateEx(0, RecordingClass(), L"o", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
  CNesting w;
  w.other = &other;
  ASSERT_TRUE(w.CreateEx(0, RecordingClass(), L"n", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
  EXPECT_EQ(w.SendMessage(kPing, 4), 1004);
  EXPECT_EQ(g_original, (std::vector<UINT>{kUnhandled, kPing}));
}

TEST(CWndTimer, TimerMessagesReachTheHandlerUntilKilled) {
  CProbeWnd w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, L"t", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  EXPECT_EQ(w.SetTimer(7, 10), 7u);
  EXPECT_TRUE(testwin::PumpUntil([&] { return w.timers >= 3; }, 3000));
  EXPECT_TRUE(w.KillTimer(7));
  int seen = w.timers;
  testwin::PumpFor(100);
  EXPECT_EQ(w.timers, seen);
}

TEST(CWndHandles, ForeignWindowsGetTemporaryObjects) {
  HWND foreign = CreateWindowExW(0, RecordingClass(), L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  CWnd* temp = CWnd::FromHandle(foreign);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(temp->m_hWnd, foreign);
  EXPECT_EQ(CWnd::FromHandle(foreign), temp);
  EXPECT_EQ(CWnd::FromHandlePermanent(foreign), nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  DestroyWindow(foreign);
}

TEST(CWndGeometry, StyleRegionAndPosition) {
  CProbeWnd w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, L"g", WS_POPUP | WS_CAPTION, CRect(10, 10, 210, 110), nullptr, 0));
  EXPECT_TRUE(w.ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED));
  EXPECT_FALSE(w.GetStyle() & WS_CAPTION);
  EXPECT_FALSE(w.ModifyStyle(WS_CAPTION, 0));
  CRect client;
  w.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 200, 100));
  w.MoveWindow(20, 30, 120, 60);
  CRect rc;
  w.GetWindowRect(&rc);
  EXPECT_EQ(rc, CRect(20, 30, 140, 90));
  CPoint pt(0, 0);
  w.ClientToScreen(&pt);
  EXPECT_EQ(pt, CPoint(20, 30));
  EXPECT_NE(w.SetWindowRgn(CreateRectRgn(0, 0, 50, 50), FALSE), 0);
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(w.GetWindowRgn(probe), SIMPLEREGION);
  RECT box;
  GetRgnBox(probe, &box);
  EXPECT_EQ(CRect(box), CRect(0, 0, 50, 50));
  DeleteObject(probe);
  w.CenterWindow();
  w.GetWindowRect(&rc);
  EXPECT_GE(rc.left, 0);
  EXPECT_GE(rc.top, 0);
}

}  // namespace
