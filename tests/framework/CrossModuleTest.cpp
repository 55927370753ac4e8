// A program and a DLL that each link the framework share windows: default
// processing, reflection and owner-drawn menus work whichever module's code
// bound the window or the menu.
#include <gtest/gtest.h>

#include "CMenu.h"
#include "CWnd.h"
#include "ProbeDll.h"

namespace {

LRESULT CALLBACK AnsweringProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kProbePing) return 500 + static_cast<LRESULT>(wParam);
  return DefWindowProcW(hWnd, message, wParam, lParam);
}

// A class of the program (registered under the program's instance).
LPCWSTR AnsweringClass() {
  static ATOM atom = [] {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = AnsweringProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"FwCrossAnswering";
    return RegisterClassW(&wc);
  }();
  return atom ? L"FwCrossAnswering" : nullptr;
}

TEST(CrossModule, DefaultInDllCodeSeesTheMessageThisModuleDispatched) {
  CWnd* obj = ProbeMakeWindowObject();
  // Bound by this module's code, as a host's class derived from a DLL class is.
  ASSERT_TRUE(obj->CWnd::CreateEx(0, AnsweringClass(), L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_EQ(obj->SendMessage(kProbePing, 1), 501);
  EXPECT_EQ(obj->SendMessage(WM_NULL), 0);
  EXPECT_EQ(obj->SendMessage(kProbePing, 2), 502);
  ProbeDeleteWindowObject(obj);
}

TEST(CrossModule, DllCodeCreatesWindowsOfTheProgramsClasses) {
  CWnd* obj = ProbeMakeWindowObject();
  ASSERT_TRUE(obj->CreateEx(0, AnsweringClass(), L"y", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  EXPECT_EQ(obj->SendMessage(kProbePing, 3), 503);
  ProbeDeleteWindowObject(obj);
}

WNDPROC g_behind = nullptr;

LRESULT CALLBACK OuterProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(g_behind, hWnd, message, wParam, lParam);
}

TEST(CrossModule, AProcedureLeftInTheChainPassesOnWhenTheDllBindsTheWindow) {
  HWND h = CreateWindowExW(0, AnsweringClass(), L"c", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(h, nullptr);
  CWnd here;
  ASSERT_TRUE(here.SubclassWindow(h));
  g_behind = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
  here.UnsubclassWindow();  // this module's procedure stays behind the outer one
  CWnd* dll = ProbeSubclassCounter(h);
  ASSERT_EQ(CWnd::FromHandlePermanent(h), dll);
  // DLL object, outer procedure, this module's (passing on), the class.
  EXPECT_EQ(SendMessageW(h, kProbePing, 4, 0), 504);
  ProbeDeleteWindowObject(dll);
  EXPECT_EQ(SendMessageW(h, kProbePing, 5, 0), 505);
  DestroyWindow(h);
}

TEST(CrossModule, NotificationsReachAChildBoundByTheDll) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"p", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  HWND button = CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE, 0, 0, 40, 20, parent.m_hWnd,
                                reinterpret_cast<HMENU>(9), GetModuleHandleW(nullptr), nullptr);
  CWnd* counter = ProbeSubclassCounter(button);
  EXPECT_EQ(CWnd::FromHandlePermanent(button), counter);
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(ProbeReflectedCommands(counter), 1);
  ProbeDeleteWindowObject(counter);
  EXPECT_EQ(CWnd::FromHandlePermanent(button), nullptr);
}

// Each module answers the look-up of the objects it subclassed from its own
// table; unbinding from the other module's code must clear that table too,
// or the DLL would go on serving a deleted object.
TEST(CrossModule, BothModulesAgreeOnTheObjectWhicheverModuleUnbindsIt) {
  HWND h = CreateWindowExW(0, AnsweringClass(), L"u", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(h, nullptr);
  CWnd* dll = ProbeSubclassCounter(h);
  ASSERT_EQ(ProbeFindWindowObject(h), dll);
  ASSERT_EQ(CWnd::FromHandlePermanent(h), dll);
  EXPECT_EQ(dll->UnsubclassWindow(), h);  // this module's code
  EXPECT_EQ(ProbeFindWindowObject(h), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  ProbeDeleteWindowObject(dll);

  // Bound again, now by this module: both find the new object, and the
  // messages reach it.
  CWnd here;
  ASSERT_TRUE(here.SubclassWindow(h));
  EXPECT_EQ(ProbeFindWindowObject(h), &here);
  EXPECT_EQ(SendMessageW(h, kProbePing, 6, 0), 506);
  DestroyWindow(h);
  EXPECT_EQ(here.m_hWnd, nullptr);
  EXPECT_EQ(ProbeFindWindowObject(h), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);

  // A DLL object whose window is destroyed is gone from both tables.
  HWND h2 = CreateWindowExW(0, AnsweringClass(), L"v", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  CWnd* dll2 = ProbeSubclassCounter(h2);
  DestroyWindow(h2);
  EXPECT_EQ(ProbeFindWindowObject(h2), nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(h2), nullptr);
  ProbeDeleteWindowObject(dll2);
}

TEST(CrossModule, OwnerDrawnItemsOfADllMenuAreMeasuredForThisModulesWindow) {
  CMenu* menu = ProbeMakeMenu();
  CWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, L"o", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  EXPECT_EQ(CMenu::FromHandlePermanent(menu->m_hMenu), menu);
  owner.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu->m_hMenu), 0);
  MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 600, 0, 0, 7};
  owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  EXPECT_EQ(ProbeMenuMeasured(menu), 1);
  EXPECT_EQ(mis.itemHeight, 33u);
  HMENU h = menu->m_hMenu;
  ProbeDeleteMenu(menu);
  EXPECT_EQ(CMenu::FromHandlePermanent(h), nullptr);
}

}  // namespace
