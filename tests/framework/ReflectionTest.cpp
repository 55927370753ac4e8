// Notifications a parent receives are offered to the child's object first;
// the parent handles what the child declines.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "CDC.h"
#include "CWnd.h"

namespace {

class CParentWnd : public CWnd {
public:
  int commands = 0;
  int notifies = 0;
  int lastCode = -1;

protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    ++commands;
    lastCode = HIWORD(wParam);
    return TRUE;
  }
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (CWnd::OnNotify(wParam, lParam, pResult)) return TRUE;
    ++notifies;
    *pResult = 5;
    return TRUE;
  }
};

class CChildButton : public CWnd {
public:
  bool takeCommands = true;
  int reflectedCommands = 0;
  int reflectedNotifies = 0;
  int drawItems = 0;
  HBRUSH brush = nullptr;

protected:
  BOOL OnCommandReflect(UINT nCode) override {
    if (!takeCommands) return FALSE;
    if (nCode == BN_CLICKED) ++reflectedCommands;
    return TRUE;
  }
  BOOL OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult) override {
    if (pNMHDR->code != NM_CLICK) return FALSE;
    ++reflectedNotifies;
    *pResult = 77;
    return TRUE;
  }
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override {
    if (nCtlColor != CTLCOLOR_BTN && nCtlColor != CTLCOLOR_STATIC) return nullptr;
    pDC->SetTextColor(RGB(1, 2, 3));
    return brush;
  }
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_DRAWITEM) {
      ++drawItems;
      *pResult = TRUE;
      return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
  }
};

struct Family {
  CParentWnd parent;
  CChildButton child;
  Family(DWORD buttonStyle = BS_PUSHBUTTON) {
    parent.CreateEx(0, nullptr, L"parent", WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0);
    child.Create(L"BUTTON", L"press", WS_VISIBLE | buttonStyle, CRect(10, 10, 90, 40), &parent, 300);
  }
};

TEST(Reflection, ACommandTheChildTakesNeverReachesTheParent) {
  Family f;
  ASSERT_NE(f.child.m_hWnd, nullptr);
  f.child.SendMessage(BM_CLICK);
  EXPECT_EQ(f.child.reflectedCommands, 1);
  EXPECT_EQ(f.parent.commands, 0);
}

TEST(Reflection, ACommandTheChildDeclinesReachesTheParent) {
  Family f;
  f.child.takeCommands = false;
  f.child.SendMessage(BM_CLICK);
  EXPECT_EQ(f.parent.commands, 1);
  EXPECT_EQ(f.parent.lastCode, BN_CLICKED);
  // A command from a window without an object (a menu, an accelerator).
  f.parent.SendMessage(WM_COMMAND, MAKEWPARAM(400, 0), 0);
  EXPECT_EQ(f.parent.commands, 2);
}

TEST(Reflection, NotifyCodesAndTheirResults) {
  Family f;
  NMHDR hdr = {f.child.m_hWnd, 300, static_cast<UINT>(NM_CLICK)};
  EXPECT_EQ(f.parent.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&hdr)), 77);
  EXPECT_EQ(f.child.reflectedNotifies, 1);
  EXPECT_EQ(f.parent.notifies, 0);
  hdr.code = static_cast<UINT>(NM_DBLCLK);
  EXPECT_EQ(f.parent.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&hdr)), 5);
  EXPECT_EQ(f.parent.notifies, 1);
}

TEST(Reflection, ControlColourBrushComesFromTheChild) {
  Family f;
  HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
  f.child.brush = brush;
  HDC dc = GetDC(f.parent.m_hWnd);
  LRESULT r = f.parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(f.child.m_hWnd));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(r), brush);
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  // Declined (no brush): the parent's default answer, a valid brush.
  f.child.brush = nullptr;
  r = f.parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(f.child.m_hWnd));
  EXPECT_NE(reinterpret_cast<HBRUSH>(r), brush);
  EXPECT_NE(r, 0);
  ReleaseDC(f.parent.m_hWnd, dc);
  DeleteObject(brush);
}

TEST(Reflection, OwnerDrawItemsAreDrawnByTheChild) {
  Family f(BS_OWNERDRAW);
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  f.child.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(mem), PRF_CLIENT);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(f.child.drawItems, 1);
}

TEST(Reflection, PreTranslateWalksFromTheChildToTheStopWindow) {
  class CKeyEater : public CWnd {
  public:
    int seen = 0;
    BOOL PreTranslateMessage(MSG* pMsg) override {
      if (pMsg->message != WM_KEYDOWN) return FALSE;
      ++seen;
      return pMsg->wParam == VK_ESCAPE;
    }
  };
  CKeyEater parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"p", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  CWnd child;
  ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 1));
  MSG msg = {child.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
  EXPECT_TRUE(AfxPreTranslateTree(parent.m_hWnd, &msg));
  msg.wParam = VK_RETURN;
  EXPECT_FALSE(AfxPreTranslateTree(parent.m_hWnd, &msg));
  EXPECT_EQ(parent.seen, 2);
  // Stopping below the parent leaves it out.
  EXPECT_FALSE(AfxPreTranslateTree(child.m_hWnd, &msg));
  EXPECT_EQ(parent.seen, 2);
}

}  // namespace
