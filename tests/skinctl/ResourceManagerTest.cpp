// Applying a scheme: the registered instance, the default font made once,
// the scheme handed to the render manager, the shared records re-initialised,
// and every window of the thread repainted - children before parents.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "UIComboBox.h"
#include "UIDialog.h"
#include "UIEdit.h"
#include "UIHyperLink.h"
#include "UIResourceManager.h"

namespace {

std::vector<std::wstring> g_painted;
// Where "top" may draw when it paints: over its child "a" (at 0,0 80x60) and
// over its own free area below it.
int g_topDrawsOverChild = -1, g_topDrawsOwnArea = -1;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    wchar_t name[32] = {};
    GetWindowTextW(hwnd, name, 32);
    g_painted.push_back(name);
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    if (std::wstring(name) == L"top") {
      g_topDrawsOverChild = PtVisible(ps.hdc, 40, 30);
      g_topDrawsOwnArea = PtVisible(ps.hdc, 10, 100);
    }
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

struct ThreadArgs {
  HWND* out;
  HANDLE ready, done;
};

// A window on a thread of its own, kept until the test is done.
DWORD WINAPI OtherThread(LPVOID p) {
  ThreadArgs* a = static_cast<ThreadArgs*>(p);
  *a->out = CreateWindowExW(0, L"SkinRepaintProbe", L"theirs", WS_POPUP | WS_VISIBLE, 300, 10, 100, 100, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  SetEvent(a->ready);
  WaitForSingleObject(a->done, 10000);
  DestroyWindow(*a->out);
  return 0;
}

class RepaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinRepaintProbe";
    RegisterClassW(&wc);
  }
  // Shown without activation: Wine without a window manager takes seconds to
  // hand activation on when an active window goes.
  void TearDown() override {
    for (HWND w : tops) DestroyWindow(w);
  }
  HWND Make(const wchar_t* name, HWND parent, int x, int y, int w, int h) {
    const DWORD style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
    HWND hwnd = CreateWindowExW(0, L"SkinRepaintProbe", name, style, x, y, w, h, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!parent) {
      ShowWindow(hwnd, SW_SHOWNOACTIVATE);
      tops.push_back(hwnd);
    }
    return hwnd;
  }
  static void Settle() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  }
  static int IndexOf(const std::wstring& name) {
    for (size_t i = 0; i < g_painted.size(); ++i)
      if (g_painted[i] == name) return static_cast<int>(i);
    return -1;
  }
  std::vector<HWND> tops;
};

TEST(ResourceRegistration, FirstInstanceWinsAndOnlyItClearsTheStatic) {
  ASSERT_EQ(CUIResourceManager::GetInstance(), nullptr);
  {
    CUIResourceManager first;
    {
      CUIResourceManager second;
      EXPECT_EQ(CUIResourceManager::GetInstance(), &first);
    }
    EXPECT_EQ(CUIResourceManager::GetInstance(), &first);
  }
  EXPECT_EQ(CUIResourceManager::GetInstance(), nullptr);
}

TEST(ResourceScheme, CreatesTheDefaultFontOnceAndHandsTheSchemeOn) {
  CUIRenderManager render;
  CUIResourceManager resources;
  EXPECT_EQ(resources.GetDefaultFont().GetSafeHandle(), nullptr);
  EXPECT_EQ(SkinDefaultFont(), nullptr);

  _UIRenderInfo scheme;
  scheme.hue = 30;
  scheme.saturation = 0.25;
  scheme.brightness = -0.5;
  resources.SetUIResource(scheme);
  HGDIOBJ font = resources.GetDefaultFont().GetSafeHandle();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(SkinDefaultFont(), font);
  EXPECT_EQ(render.GetUIRenderInfo().hue, 30);
  EXPECT_EQ(render.GetUIRenderInfo().saturation, 0.25);
  EXPECT_EQ(render.GetUIRenderInfo().brightness, -0.5);

  LOGFONTW lf = {};
  ASSERT_EQ(GetObjectW(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_EQ(lf.lfWeight, FW_DONTCARE);
  EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
  EXPECT_EQ(lf.lfOutPrecision, OUT_STROKE_PRECIS);
  EXPECT_EQ(lf.lfClipPrecision, CLIP_STROKE_PRECIS);
  EXPECT_EQ(lf.lfQuality, ANTIALIASED_QUALITY);
  EXPECT_EQ(lf.lfPitchAndFamily, VARIABLE_PITCH);
  EXPECT_STREQ(lf.lfFaceName, L"\u5B8B\u4F53");

  scheme.hue = 203;
  resources.SetUIResource(scheme);
  EXPECT_EQ(resources.GetDefaultFont().GetSafeHandle(), font);  // not re-created
  EXPECT_EQ(render.GetUIRenderInfo().hue, 203);
}

TEST(ResourceScheme, ReinitialisesTheDialogRecordEvenWithoutARenderManager) {
  ASSERT_EQ(CUIRenderManager::GetInstance(), nullptr);
  CUIResourceManager resources;
  CUIDialog::m_UIAttribute.m_crBackground = 0;
  CUIDialog::m_UIAttribute.m_brBackground.DeleteObject();
  resources.SetUIResource(_UIRenderInfo());
  const CUIDialogAttr& attr = CUIDialog::m_UIAttribute;
  EXPECT_EQ(attr.m_crTitle, RGB(0, 0, 0));
  EXPECT_EQ(attr.m_crTitleHalo, RGB(200, 200, 200));
  EXPECT_EQ(attr.m_crBackground, RGB(250, 250, 250));
  EXPECT_EQ(attr.m_crControlText, RGB(10, 10, 10));
  ASSERT_NE(attr.m_brBackground.GetSafeHandle(), nullptr);
  LOGBRUSH lb = {};
  GetObjectW(attr.m_brBackground.GetSafeHandle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(250, 250, 250));
  EXPECT_NE(resources.GetDefaultFont().GetSafeHandle(), nullptr);
}

TEST(ResourceScheme, ReinitialisesTheControlRecordsToo) {
  // As before the first scheme.
  CUIEdit::m_UIAttribute.m_crEnableBack = CLR_INVALID;
  CUIEdit::m_UIAttribute.m_brEnable.DeleteObject();
  CUIComboBox::m_UIAttribute.m_nButtonWidth = 0;
  CUIHyperLink::m_UIAttribute.m_crNormal = CLR_INVALID;
  CUIResourceManager resources;
  resources.SetUIResource(_UIRenderInfo());

  const CUIEditAttr& edit = CUIEdit::m_UIAttribute;
  EXPECT_EQ(edit.m_crEnableBack, RGB(255, 255, 255));
  EXPECT_EQ(edit.m_crDisableBack, RGB(125, 125, 125));
  EXPECT_EQ(edit.m_crEnableText, RGB(10, 10, 10));
  EXPECT_EQ(edit.m_crDisableText, RGB(50, 50, 50));
  EXPECT_EQ(edit.m_crEnableBorder, RGB(92, 100, 105));
  EXPECT_EQ(edit.m_crDisableBorder, GetSysColor(COLOR_WINDOW));
  LOGBRUSH lb = {};
  ASSERT_NE(edit.m_brDisable.GetSafeHandle(), nullptr);
  GetObjectW(edit.m_brDisable.GetSafeHandle(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(125, 125, 125));

  const CUIComboBoxAttr& combo = CUIComboBox::m_UIAttribute;
  EXPECT_EQ(combo.m_nButtonWidth, 16);
  EXPECT_EQ(combo.m_crBackground, RGB(255, 255, 255));
  EXPECT_EQ(combo.m_crBorder, RGB(92, 100, 105));
  EXPECT_EQ(combo.m_crDisableBorder, RGB(92, 100, 105));

  const CUIHyperLinkAttribute& link = CUIHyperLink::m_UIAttribute;
  EXPECT_EQ(link.m_crBackground, RGB(250, 250, 250));
  EXPECT_EQ(link.m_crHover, RGB(250, 0, 0));
  EXPECT_EQ(link.m_crNormal, RGB(0, 0, 220));
  EXPECT_EQ(link.m_crVisited, RGB(0, 0, 100));
}

TEST(LibraryExports, ThePublishedNamesAndNoInternalOnes) {
  HMODULE skin = GetModuleHandleW(L"Skinctl.dll");
  ASSERT_NE(skin, nullptr);
  for (const char* published :
       {"_ZN16CUIRenderManager18m_pUIRenderManagerE", "_ZN18CUIResourceManager20m_pUIResourceManagerE",
        "_ZN9CUIDialog13m_UIAttributeE", "_ZN7CUIEdit13m_UIAttributeE", "_ZN11CUIComboBox13m_UIAttributeE",
        "_ZN12CUIHyperLink13m_UIAttributeE", "_ZN9CUIButton8DrawItemEP17tagDRAWITEMSTRUCT", "_Z15SkinDefaultFontv"})
    EXPECT_NE(GetProcAddress(skin, published), nullptr) << published;
  for (const char* internal : {"_Z13SkinctlModulev", "_ZN9SkinStrip10HandCursorEv",
                               "_ZN14EncircleLayout18DefaultBitmapFrameEv"})
    EXPECT_EQ(GetProcAddress(skin, internal), nullptr) << internal;
}

TEST(DialogRecord, MeasuresTheLibrarysFrameAndButtonsWhenLoaded) {
  const CUIDialogAttr& attr = CUIDialog::m_UIAttribute;
  EXPECT_EQ(attr.m_nButtonWidth, 23);
  EXPECT_EQ(attr.m_nButtonHeight, 23);
  EXPECT_EQ(attr.m_nCaptionHeight, 34);
  EXPECT_EQ(attr.m_EncircleInfo.nTop, 34);
  EXPECT_EQ(attr.m_EncircleInfo.nBottom, 37);
  EXPECT_EQ(attr.m_EncircleInfo.nLeft, 1);
  EXPECT_EQ(attr.m_EncircleInfo.nRight, 1);
}

TEST_F(RepaintTest, RepaintsEveryWindowOfTheThreadChildrenFirstBeforeReturning) {
  HWND top = Make(L"top", nullptr, 10, 10, 200, 150);
  HWND a = Make(L"a", top, 0, 0, 80, 60);
  HWND a1 = Make(L"a1", a, 5, 5, 60, 50);
  HWND a11 = Make(L"a11", a1, 2, 2, 50, 40);
  Make(L"a111", a11, 2, 2, 40, 30);
  Make(L"b", top, 90, 0, 80, 60);
  HWND other = Make(L"other", nullptr, 250, 10, 100, 100);
  ASSERT_TRUE(top && a && a1 && a11 && other);
  Settle();
  g_painted.clear();

  CUIResourceManager resources;
  resources.SetUIResource(_UIRenderInfo());
  // Synchronous: everything was painted before SetUIResource returned, each
  // window once however deep it lies.
  for (const wchar_t* name : {L"top", L"a", L"a1", L"a11", L"a111", L"b", L"other"}) {
    EXPECT_GE(IndexOf(name), 0) << name;
    EXPECT_EQ(std::count(g_painted.begin(), g_painted.end(), std::wstring(name)), 1) << name;
  }
  EXPECT_LT(IndexOf(L"a111"), IndexOf(L"a11"));
  EXPECT_LT(IndexOf(L"a11"), IndexOf(L"a1"));
  EXPECT_LT(IndexOf(L"a1"), IndexOf(L"a"));
  EXPECT_LT(IndexOf(L"a"), IndexOf(L"top"));
  EXPECT_LT(IndexOf(L"b"), IndexOf(L"top"));
  // Painted after its children and without WS_CLIPCHILDREN, the parent still
  // leaves them alone.
  EXPECT_EQ(g_topDrawsOverChild, 0);
  EXPECT_EQ(g_topDrawsOwnArea, 1);
}

TEST_F(RepaintTest, WindowsOfOtherThreadsAreLeftAlone) {
  HWND mine = Make(L"mine", nullptr, 10, 10, 100, 100);
  Settle();
  HWND theirs = nullptr;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ThreadArgs args = {&theirs, ready, done};
  HANDLE thread = CreateThread(nullptr, 0, OtherThread, &args, 0, nullptr);
  WaitForSingleObject(ready, 10000);
  g_painted.clear();
  CUIResourceManager resources;
  resources.SetUIResource(_UIRenderInfo());
  EXPECT_GE(IndexOf(L"mine"), 0);
  EXPECT_EQ(IndexOf(L"theirs"), -1);
  SetEvent(done);
  WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  CloseHandle(ready);
  CloseHandle(done);
  (void)mine;
}

}  // namespace
