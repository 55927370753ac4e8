// Skinned scroll bars on real windows under real messages: the bars' size,
// parts and thumb; what the mouse sends (held parts repeating, the thumb
// dragged); the eight scroll-bar functions on skinned windows and on windows
// left to the system; the system's list view and rich edit reaching the skin
// through their own calls; the state handed back when the skin goes.
#include <gtest/gtest.h>
#include <richedit.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "ControlHost.h"
#include "ImportSlots.h"
#include "UIScrollBar.h"

namespace {

constexpr int kBar = 16;

// What the system's own functions answer, whatever the process's import
// tables say.
struct SystemScroll {
  SystemScroll() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    setInfo = reinterpret_cast<decltype(setInfo)>(reinterpret_cast<void*>(GetProcAddress(user32, "SetScrollInfo")));
    getInfo = reinterpret_cast<decltype(getInfo)>(reinterpret_cast<void*>(GetProcAddress(user32, "GetScrollInfo")));
  }
  int(WINAPI* setInfo)(HWND, int, LPCSCROLLINFO, BOOL);
  BOOL(WINAPI* getInfo)(HWND, int, LPSCROLLINFO);
  SCROLLINFO Get(HWND hwnd, int bar) const {
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    getInfo(hwnd, bar, &si);
    return si;
  }
};

// A structure asking for the given members.
SCROLLINFO Ask(UINT mask) {
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = mask;
  return si;
}

SCROLLINFO Info(int minPos, int maxPos, UINT page, int pos, UINT mask = SIF_ALL) {
  SCROLLINFO si = Ask(mask);
  si.nMin = minPos;
  si.nMax = maxPos;
  si.nPage = page;
  si.nPos = pos;
  return si;
}

SCROLLINFO Read(HWND hwnd, int bar) {
  SCROLLINFO si = Ask(SIF_ALL);
  GetScrollInfo(hwnd, bar, &si);
  return si;
}

// A child window of a class of its own that records the scroll requests
// it receives (request, position) and keeps the position the way a
// program does.
class ScrollTarget {
 public:
  struct Request {
    UINT message;
    UINT code;
    int pos;
  };

  bool Create(HWND parent, DWORD style, int width, int height) {
    static const bool registered = [] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &ScrollTarget::Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"SkinScrollTarget";
      wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
      return RegisterClassW(&wc) != 0;
    }();
    hwnd = CreateWindowExW(0, L"SkinScrollTarget", L"", WS_CHILD | WS_VISIBLE | style, 10, 10, width, height, parent,
                           nullptr, nullptr, this);
    return registered && hwnd != nullptr;
  }
  ~ScrollTarget() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  std::vector<Request> requests;
  bool followThumb = true;
  HWND hwnd = nullptr;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<ScrollTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self != nullptr && (message == WM_VSCROLL || message == WM_HSCROLL)) {
      const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
      self->requests.push_back({message, LOWORD(wParam), static_cast<short>(HIWORD(wParam))});
      if (self->followThumb && LOWORD(wParam) == SB_THUMBTRACK) SetScrollPos(hwnd, bar, HIWORD(wParam), TRUE);
      return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

class ScrollBarTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override { ASSERT_TRUE(host.Open(500, 400)); }

  // A skinned window with a vertical bar of the given length.
  void MakeVertical(int length = 200) {
    ASSERT_TRUE(target.Create(host.m_hWnd, WS_VSCROLL, 120, length));
    ASSERT_TRUE(InstallSkinScrollBar(target.hwnd, CUIScrollBar::m_UIAttribute.GetSheet()));
  }
  // The screen point at `along` pixels down the vertical bar.
  POINT OnVertical(int along) const {
    RECT client;
    GetClientRect(target.hwnd, &client);
    POINT pt{client.right + kBar / 2, along};
    ClientToScreen(target.hwnd, &pt);
    return pt;
  }
  void Press(POINT screen) {
    SendMessageW(target.hwnd, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(screen.x, screen.y));
  }
  void MoveTo(POINT screen) {
    ScreenToClient(target.hwnd, &screen);
    SendMessageW(target.hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(screen.x, screen.y));
  }
  void Release(POINT screen) {
    ScreenToClient(target.hwnd, &screen);
    SendMessageW(target.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(screen.x, screen.y));
  }
  // The first request a click at `along` on the vertical bar sends; the
  // thumb sends nothing until it is released, then its position.
  int CodeAt(int along) {
    target.requests.clear();
    Press(OnVertical(along));
    Release(OnVertical(along));
    return target.requests.empty() ? -1 : static_cast<int>(target.requests.front().code);
  }

  ControlHost host;
  ScrollTarget target;
  SystemScroll system;
};

TEST_F(ScrollBarTest, TheBarTakesSixteenPixelsAndItsThumbFollowsTheState) {
  ASSERT_TRUE(target.Create(host.m_hWnd, WS_VSCROLL | WS_HSCROLL, 200, 216));
  RECT before;
  GetClientRect(target.hwnd, &before);
  ASSERT_TRUE(InstallSkinScrollBar(target.hwnd, CUIScrollBar::m_UIAttribute.GetSheet()));
  RECT client;
  GetClientRect(target.hwnd, &client);
  EXPECT_EQ(client.right, 200 - kBar);
  EXPECT_EQ(client.bottom, 216 - kBar);
  // Hit testing: the bars and the square between them.
  POINT at{client.right + 3, 50};
  ClientToScreen(target.hwnd, &at);
  EXPECT_EQ(SendMessageW(target.hwnd, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTVSCROLL);
  at = POINT{50, client.bottom + 3};
  ClientToScreen(target.hwnd, &at);
  EXPECT_EQ(SendMessageW(target.hwnd, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTHSCROLL);
  at = POINT{client.right + 3, client.bottom + 3};
  ClientToScreen(target.hwnd, &at);
  EXPECT_EQ(SendMessageW(target.hwnd, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTSIZE);
  // Taking a bar away gives its room back to the client.
  ShowScrollBar(target.hwnd, SB_HORZ, FALSE);
  GetClientRect(target.hwnd, &client);
  EXPECT_EQ(client.bottom, 216);
  EXPECT_FALSE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_HSCROLL);
}

TEST_F(ScrollBarTest, ThumbOfPageTenInAHundredOnATwoHundredPixelBar) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 10, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  // Track 200 - 2 * 16 = 168; thumb MulDiv(10, 168, 100) = 17 at the top.
  EXPECT_EQ(CodeAt(15), SB_LINEUP);
  EXPECT_EQ(CodeAt(16), SB_THUMBPOSITION);
  EXPECT_EQ(CodeAt(16 + 16), SB_THUMBPOSITION);
  EXPECT_EQ(CodeAt(16 + 17), SB_PAGEDOWN);
  EXPECT_EQ(CodeAt(183), SB_PAGEDOWN);
  EXPECT_EQ(CodeAt(184), SB_LINEDOWN);
  // At the last position the thumb ends at the second arrow: 184 - 17.
  SetScrollPos(target.hwnd, SB_VERT, 90, TRUE);
  EXPECT_EQ(CodeAt(166), SB_PAGEUP);
  EXPECT_EQ(CodeAt(167), SB_THUMBPOSITION);
  EXPECT_EQ(CodeAt(183), SB_THUMBPOSITION);
  // A click on the thumb without a move leaves it where it was.
  target.requests.clear();
  Press(OnVertical(170));
  Release(OnVertical(170));
  ASSERT_EQ(target.requests.size(), 2u);
  EXPECT_EQ(target.requests[0].pos, 90);
  EXPECT_EQ(target.requests[1].code, static_cast<UINT>(SB_ENDSCROLL));
}

TEST_F(ScrollBarTest, PaintedFromTheSheet) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 10, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  // The sheet's pixels, read while the bars are not being drawn from it.
  std::vector<COLORREF> sheet(256 * 48);
  {
    HDC sheetDC = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(sheetDC, CUIScrollBar::m_UIAttribute.GetSheet());
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 256; ++x) sheet[y * 256 + x] = GetPixel(sheetDC, x, y) & 0xFFFFFF;
    SelectObject(sheetDC, old);
    DeleteDC(sheetDC);
  }
  auto cell = [&](int column, int row, int x, int y) { return sheet[(row * 16 + y) * 256 + column * 16 + x]; };
  RECT client;
  GetClientRect(target.hwnd, &client);
  WindowPixels shot = Capture(target.hwnd, true);
  const int x = client.right;  // no border: window and client share their origin
  // The arrows in their normal state, the thumb's start cap and middle.
  for (int y = 0; y < 16; ++y) {
    EXPECT_EQ(shot.At(x + 8, y), cell(0, 0, 8, y)) << y;
    EXPECT_EQ(shot.At(x + 8, 184 + y), cell(4, 0, 8, y)) << y;
  }
  EXPECT_EQ(shot.At(x + 8, 16 + 1), cell(8, 0, 8, 1));
  EXPECT_EQ(shot.At(x + 8, 16 + 6), cell(8, 0, 8, 6));

  // Disabled: every part in its disabled state, no thumb drawn.
  EnableScrollBar(target.hwnd, SB_VERT, ESB_DISABLE_BOTH);
  shot = Capture(target.hwnd, true);
  for (int y = 0; y < 16; ++y) EXPECT_EQ(shot.At(x + 8, y), cell(3, 0, 8, y)) << y;
  EXPECT_EQ(shot.At(x + 8, 16 + 6), cell(14, 0, 8, 8));
}

TEST_F(ScrollBarTest, PageZeroRemovesTheThumbAndMouseInput) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 0, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_TRUE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
  for (int along : {5, 20, 100, 190}) EXPECT_EQ(CodeAt(along), -1) << along;
  EXPECT_EQ(GetCapture(), nullptr);
  // The pointer over it is not passed on either.
  const POINT pt = OnVertical(100);
  EXPECT_EQ(SendMessageW(target.hwnd, WM_NCMOUSEMOVE, HTVSCROLL, MAKELPARAM(pt.x, pt.y)), 0);
}

TEST_F(ScrollBarTest, HeldArrowRepeatsUntilReleased) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 10, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  target.requests.clear();
  Press(OnVertical(190));
  EXPECT_EQ(GetCapture(), target.hwnd);
  ASSERT_EQ(target.requests.size(), 1u);
  Pump(300);
  EXPECT_EQ(target.requests.size(), 1u);  // the first delay: 400 ms
  Pump(500);
  const size_t held = target.requests.size();
  EXPECT_GE(held, 3u);
  for (const auto& r : target.requests) EXPECT_EQ(r.code, static_cast<UINT>(SB_LINEDOWN));
  // Off the arrow it pauses, back on it goes on.
  MoveTo(OnVertical(100));
  Pump(200);
  EXPECT_EQ(target.requests.size(), held);
  MoveTo(OnVertical(190));
  Pump(200);
  EXPECT_GT(target.requests.size(), held);
  Release(OnVertical(190));
  EXPECT_EQ(target.requests.back().code, static_cast<UINT>(SB_ENDSCROLL));
  EXPECT_EQ(GetCapture(), nullptr);
  const size_t released = target.requests.size();
  Pump(300);
  EXPECT_EQ(target.requests.size(), released);
}

TEST_F(ScrollBarTest, DraggedThumbTracksThenSetsThePosition) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 10, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  target.requests.clear();
  Press(OnVertical(20));  // 4 pixels into the thumb
  // Half the track room (151 pixels) down: position 45.
  MoveTo(OnVertical(20 + 75));
  ASSERT_EQ(target.requests.size(), 1u);
  EXPECT_EQ(target.requests[0].code, static_cast<UINT>(SB_THUMBTRACK));
  EXPECT_EQ(target.requests[0].pos, 45);
  SCROLLINFO track = Ask(SIF_TRACKPOS);
  ASSERT_TRUE(GetScrollInfo(target.hwnd, SB_VERT, &track));
  EXPECT_EQ(track.nTrackPos, 45);
  // Beyond the end: the last position.
  MoveTo(OnVertical(400));
  EXPECT_EQ(target.requests.back().pos, 90);
  Release(OnVertical(400));
  ASSERT_EQ(target.requests.size(), 4u);
  EXPECT_EQ(target.requests[2].code, static_cast<UINT>(SB_THUMBPOSITION));
  EXPECT_EQ(target.requests[2].pos, 90);
  EXPECT_EQ(target.requests[3].code, static_cast<UINT>(SB_ENDSCROLL));
}

TEST_F(ScrollBarTest, SetScrollInfoKeepsTheStateInRangeAndShowsWhatScrolls) {
  MakeVertical(200);
  SCROLLINFO si = Info(10, 5, 3, 0, SIF_RANGE);
  SetScrollInfo(target.hwnd, SB_VERT, &si, FALSE);
  SCROLLINFO now = Read(target.hwnd, SB_VERT);
  EXPECT_EQ(now.nMin, 10);
  EXPECT_EQ(now.nMax, 10);  // a maximum below the minimum becomes the minimum
  EXPECT_FALSE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
  // Hidden, a call without a range does nothing.
  si = Info(0, 0, 0, 5, SIF_POS);
  EXPECT_EQ(SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE), 0);

  si = Info(0, 99, 500, 0, SIF_RANGE | SIF_PAGE);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_EQ(Read(target.hwnd, SB_VERT).nPage, 100u);  // the page at most the range
  EXPECT_FALSE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
  // Hidden, a page alone is not taken; with the range it shows the bar.
  si = Info(0, 0, 10, 0, SIF_PAGE);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_EQ(Read(target.hwnd, SB_VERT).nPage, 100u);
  si = Info(0, 99, 10, 0, SIF_RANGE | SIF_PAGE);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_TRUE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
  // The position within what the page leaves; the result is the new one.
  si = Info(0, 0, 0, 500, SIF_POS);
  EXPECT_EQ(SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE), 90);
  si.nPos = -4;
  EXPECT_EQ(SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE), 0);
  // SetScrollPos stores what it is given and answers the previous one.
  EXPECT_EQ(SetScrollPos(target.hwnd, SB_VERT, 500, FALSE), 0);
  EXPECT_EQ(GetScrollPos(target.hwnd, SB_VERT), 500);
  int lo = -1, hi = -1;
  EXPECT_TRUE(GetScrollRange(target.hwnd, SB_VERT, &lo, &hi));
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 99);
  // Bad arguments.
  EXPECT_FALSE(GetScrollRange(target.hwnd, SB_VERT, nullptr, &hi));
  EXPECT_EQ(GetScrollPos(target.hwnd, SB_CTL), 0);
  EXPECT_EQ(SetScrollInfo(target.hwnd, 7, &si, TRUE), 0);
  SCROLLINFO small = Ask(SIF_ALL);
  small.cbSize = sizeof(SCROLLINFO) - 4;
  EXPECT_FALSE(GetScrollInfo(target.hwnd, SB_VERT, &small));
}

TEST_F(ScrollBarTest, DisableNoScrollKeepsADisabledBar) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 10, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  // The content now fits: the bar stays, disabled.
  si = Info(0, 9, 10, 0, SIF_ALL | SIF_DISABLENOSCROLL);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_TRUE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(CodeAt(5), -1);
  EXPECT_EQ(CodeAt(195), -1);
  // It scrolls again: enabled.
  si = Info(0, 99, 10, 0, SIF_ALL | SIF_DISABLENOSCROLL);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_EQ(CodeAt(5), SB_LINEUP);
  // Without the flag the same fitting content hides the bar.
  si = Info(0, 9, 10, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_FALSE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ScrollBarTest, EmptyRangeHidesAndEnableScrollBarAddsDisabledArrows) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 10, 0);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_TRUE(EnableScrollBar(target.hwnd, SB_VERT, ESB_DISABLE_LTUP));
  EXPECT_FALSE(EnableScrollBar(target.hwnd, SB_VERT, ESB_DISABLE_LTUP));  // nothing changed
  EXPECT_EQ(CodeAt(5), -1);
  EXPECT_EQ(CodeAt(20), SB_THUMBPOSITION);  // a disabled bar's thumb still answers
  EXPECT_TRUE(EnableScrollBar(target.hwnd, SB_BOTH, ESB_ENABLE_BOTH));
  EXPECT_EQ(CodeAt(5), SB_LINEUP);

  RECT client;
  GetClientRect(target.hwnd, &client);
  EXPECT_EQ(client.right, 120 - kBar);
  EXPECT_TRUE(SetScrollRange(target.hwnd, SB_VERT, 0, 0, TRUE));
  EXPECT_FALSE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
  GetClientRect(target.hwnd, &client);
  EXPECT_EQ(client.right, 120);
}

TEST_F(ScrollBarTest, WindowsNeverSkinnedGetTheSystemsAnswers) {
  // The program's own calls go through the skin's replacements ...
  EXPECT_NE(ImportSlot(GetModuleHandleW(nullptr), "SetScrollInfo"), reinterpret_cast<void*>(system.setInfo));
  // ... which hand windows without the skin to the system, for every call.
  ScrollTarget other;
  ASSERT_TRUE(target.Create(host.m_hWnd, WS_VSCROLL | WS_HSCROLL, 150, 150));
  ASSERT_TRUE(other.Create(host.m_hWnd, WS_VSCROLL | WS_HSCROLL, 150, 150));
  SCROLLINFO si = Info(0, 99, 10, 500);
  EXPECT_EQ(SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE), system.setInfo(other.hwnd, SB_VERT, &si, TRUE));
  EXPECT_EQ(SetScrollPos(target.hwnd, SB_VERT, 500, TRUE), 90);
  EXPECT_EQ(GetScrollPos(target.hwnd, SB_VERT), 90);  // the system clamps
  EXPECT_EQ(system.Get(target.hwnd, SB_VERT).nPos, 90);
  EXPECT_TRUE(EnableScrollBar(target.hwnd, SB_HORZ, ESB_DISABLE_BOTH));
  EXPECT_TRUE(ShowScrollBar(target.hwnd, SB_HORZ, FALSE));
  EXPECT_FALSE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_HSCROLL);
  EXPECT_TRUE(SetScrollRange(target.hwnd, SB_VERT, 0, 0, TRUE));
  EXPECT_FALSE(GetWindowLongW(target.hwnd, GWL_STYLE) & WS_VSCROLL);
  EXPECT_EQ(GetPropW(target.hwnd, L"PROP_SkinSB"), nullptr);
}

TEST_F(ScrollBarTest, InstallRefusesWhatItCannotSkin) {
  SetLastError(0);
  EXPECT_FALSE(InstallSkinScrollBar(nullptr, CUIScrollBar::m_UIAttribute.GetSheet()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  ASSERT_TRUE(target.Create(host.m_hWnd, WS_VSCROLL, 100, 100));
  SetLastError(0);
  EXPECT_FALSE(InstallSkinScrollBar(target.hwnd, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_FALSE(CUIScrollBar::InitScroolBar(nullptr));
  CWnd wrapper;
  ASSERT_TRUE(wrapper.Attach(target.hwnd));
  EXPECT_TRUE(CUIScrollBar::InitScroolBar(&wrapper));
  EXPECT_FALSE(CUIScrollBar::InitScroolBar(&wrapper));  // already skinned
  wrapper.Detach();
  EXPECT_NE(GetPropW(target.hwnd, L"PROP_SkinSB"), nullptr);
}

TEST_F(ScrollBarTest, AUnicodeWindowKeepsItsTextWhenSkinned) {
  // An edit of the system, Unicode, skinned: text outside the ANSI code page
  // must pass the skin's procedure untouched.
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 10, 10, 200, 100,
                              host.m_hWnd, nullptr, nullptr, nullptr);
  ASSERT_NE(edit, nullptr);
  ASSERT_TRUE(IsWindowUnicode(edit));
  ASSERT_TRUE(InstallSkinScrollBar(edit, CUIScrollBar::m_UIAttribute.GetSheet()));
  EXPECT_TRUE(IsWindowUnicode(edit));
  const std::wstring text = L"\u0634\u0645\u0633 \u0e01 \u4e2d\u6587 \u00e9";
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  wchar_t back[64] = {};
  SendMessageW(edit, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(back));
  EXPECT_EQ(std::wstring(back), text);
  DestroyWindow(edit);

  // An ANSI window stays ANSI.
  HWND ansi = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 10, 10, 200, 100,
                              host.m_hWnd, nullptr, nullptr, nullptr);
  ASSERT_NE(ansi, nullptr);
  ASSERT_TRUE(InstallSkinScrollBar(ansi, CUIScrollBar::m_UIAttribute.GetSheet()));
  EXPECT_FALSE(IsWindowUnicode(ansi));
  SendMessageA(ansi, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("plain"));
  char ansiBack[16] = {};
  SendMessageA(ansi, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(ansiBack));
  EXPECT_STREQ(ansiBack, "plain");
  DestroyWindow(ansi);
}

// Seen right after a window procedure has handled WM_NCDESTROY of the
// watched window: what the skin left behind.
struct AfterNcDestroy {
  static HWND watched;
  static bool seen;
  static bool propertyGone;
  static bool procedureBack;
  static SCROLLINFO handedBack;
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->hwnd == watched && msg->message == WM_NCDESTROY && !seen) {
      seen = true;
      propertyGone = GetPropW(watched, L"PROP_SkinSB") == nullptr;
      WNDCLASSW wc{};
      GetClassInfoW(GetModuleHandleW(nullptr), L"SkinScrollTarget", &wc);
      procedureBack = GetWindowLongPtrW(watched, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(wc.lpfnWndProc);
      handedBack = SystemScroll().Get(watched, SB_VERT);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};
HWND AfterNcDestroy::watched = nullptr;
bool AfterNcDestroy::seen = false;
bool AfterNcDestroy::propertyGone = false;
bool AfterNcDestroy::procedureBack = false;
SCROLLINFO AfterNcDestroy::handedBack{};

TEST_F(ScrollBarTest, DestroyedWindowHandsItsStateBack) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 99, 10, 42);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_NE(system.Get(target.hwnd, SB_VERT).nPos, 42);  // the system's state is not the skin's
  AfterNcDestroy::watched = target.hwnd;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &AfterNcDestroy::Hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  DestroyWindow(target.hwnd);
  UnhookWindowsHookEx(hook);
  ASSERT_TRUE(AfterNcDestroy::seen);
  EXPECT_TRUE(AfterNcDestroy::propertyGone);
  EXPECT_TRUE(AfterNcDestroy::procedureBack);
  EXPECT_EQ(AfterNcDestroy::handedBack.nMax, 99);
  EXPECT_EQ(AfterNcDestroy::handedBack.nPage, 10u);
  EXPECT_EQ(AfterNcDestroy::handedBack.nPos, 42);
}

TEST_F(ScrollBarTest, RemovedSkinLeavesTheSystemWithTheState) {
  MakeVertical(200);
  SCROLLINFO si = Info(0, 49, 5, 7);
  SetScrollInfo(target.hwnd, SB_VERT, &si, TRUE);
  EXPECT_TRUE(RemoveSkinScrollBar(target.hwnd));
  EXPECT_FALSE(RemoveSkinScrollBar(target.hwnd));
  EXPECT_EQ(GetPropW(target.hwnd, L"PROP_SkinSB"), nullptr);
  const SCROLLINFO back = system.Get(target.hwnd, SB_VERT);
  EXPECT_EQ(back.nMax, 49);
  EXPECT_EQ(back.nPage, 5u);
  EXPECT_EQ(back.nPos, 7);
  EXPECT_EQ(GetScrollPos(target.hwnd, SB_VERT), 7);
}

// The system's control libraries call the scroll-bar functions through their
// own import tables: the skin reaches them there.
TEST_F(ScrollBarTest, ListViewScrolledByItsKeyboardUpdatesTheSkin) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
  ASSERT_TRUE(InitCommonControlsEx(&icc));
  HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 10, 10, 300, 200, host.m_hWnd,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(list, nullptr);
  EXPECT_GT(ImportSlots::Redirected(list), 0);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = 250;
  column.pszText = const_cast<wchar_t*>(L"Name");
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  ASSERT_TRUE(InstallSkinScrollBar(list, CUIScrollBar::m_UIAttribute.GetSheet()));
  for (int i = 0; i < 200; ++i) {
    std::wstring text = L"row " + std::to_wstring(i);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  Pump();
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
  const SCROLLINFO start = Read(list, SB_VERT);
  EXPECT_EQ(start.nPos, 0);
  EXPECT_GE(start.nMax, 199);
  EXPECT_GT(start.nPage, 0u);

  SetFocus(list);
  SendMessageW(list, WM_KEYDOWN, VK_END, 0);
  SendMessageW(list, WM_KEYUP, VK_END, 0);
  Pump();
  const int top = static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
  EXPECT_GT(top, 100);
  EXPECT_EQ(GetScrollPos(list, SB_VERT), top);
  // The system's bar of the window never heard of it.
  EXPECT_EQ(system.Get(list, SB_VERT).nPos, 0);
  DestroyWindow(list);
}

TEST_F(ScrollBarTest, RichEditGetsThumbPositionWhileTheThumbIsDragged) {
  // Loaded after the skin: the skin patches it as it arrives.
  ASSERT_NE(LoadLibraryW(L"riched20.dll"), nullptr);
  HWND rich = CreateWindowExW(0, RICHEDIT_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 10, 10,
                              300, 200, host.m_hWnd, nullptr, nullptr, nullptr);
  ASSERT_NE(rich, nullptr);
  EXPECT_GT(ImportSlots::Redirected(rich), 0);
  std::wstring text;
  for (int i = 0; i < 300; ++i) text += L"line " + std::to_wstring(i) + L"\r\n";
  SendMessageW(rich, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  ASSERT_TRUE(InstallSkinScrollBar(rich, CUIScrollBar::m_UIAttribute.GetSheet()));
  Pump();
  // What the rich edit is told, seen from outside the skin.
  static std::vector<UINT> codes;
  static WNDPROC inner = nullptr;
  codes.clear();
  inner = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      rich, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_VSCROLL) codes.push_back(LOWORD(w));
        return CallWindowProcW(inner, h, m, w, l);
      })));
  const SCROLLINFO si = Read(rich, SB_VERT);
  ASSERT_GT(si.nMax, static_cast<int>(si.nPage));
  RECT client;
  GetClientRect(rich, &client);
  POINT thumb{client.right + kBar / 2, 16 + 2};
  ClientToScreen(rich, &thumb);
  SendMessageW(rich, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(thumb.x, thumb.y));
  POINT to{client.right + kBar / 2, client.bottom / 2};
  SendMessageW(rich, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.front(), static_cast<UINT>(SB_THUMBPOSITION));
  SendMessageW(rich, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
  EXPECT_EQ(codes.back(), static_cast<UINT>(SB_ENDSCROLL));
  Pump();
  // The rich edit scrolled and told the skin through its own calls.
  const int first = static_cast<int>(SendMessageW(rich, EM_GETFIRSTVISIBLELINE, 0, 0));
  EXPECT_GT(first, 50);
  EXPECT_GT(GetScrollPos(rich, SB_VERT), si.nPos);
  SetWindowLongPtrW(rich, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(inner));
  DestroyWindow(rich);
}

}  // namespace

namespace {

TEST(ScrollBarUnloadTest, LibraryLoadedLaterRedirectsAndRestoresEveryModule) {
  wchar_t path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  std::wstring probe(path);
  probe = probe.substr(0, probe.find_last_of(L'\\') + 1) + L"skinctl_scrollbar_unload_probe.exe";
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + probe + L"\"";
  ASSERT_TRUE(CreateProcessW(probe.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                             &process));
  ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(code, 0u) << "the probe's failed check";
}

}  // namespace
