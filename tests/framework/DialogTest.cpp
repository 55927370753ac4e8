// CDialog run modally from in-memory templates: results of EndDialog, OK and
// Cancel, the system close command, keyboard handling through
// PreTranslateMessage, the owner's state, and failures.
#include <gtest/gtest.h>

#include <functional>

#include "CDialog.h"
#include "CFrameWnd.h"
#include "MessagePump.h"

namespace {

const UINT kStep = WM_APP + 10;
const WORD kEditId = 1001;
const WORD kButtonId = 1002;

// Without a caption by default: under a display without a window manager,
// hiding a captioned window makes Wine wait for the unmapping.
CDialogTemplate MakeTemplate(bool withButtons, DWORD extraStyle = 0) {
  CDialogTemplate t(WS_POPUP | WS_SYSMENU | DS_MODALFRAME | extraStyle, 0, 0, 160, 80, L"Check");
  t.SetFont(9, L"Tahoma");
  t.AddControl(L"EDIT", L"text", kEditId, WS_VISIBLE | WS_TABSTOP | WS_BORDER, 5, 5, 100, 12);
  if (withButtons) {
    t.AddControl(L"BUTTON", L"OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 5, 40, 40, 14);
    t.AddControl(L"BUTTON", L"Other", kButtonId, WS_VISIBLE | WS_TABSTOP, 50, 40, 40, 14);
  }
  return t;
}

// A dialog whose test supplies what happens in OnInitDialog and on kStep.
class CScriptedDialog : public CDialog {
public:
  std::function<BOOL(CScriptedDialog&)> onInit;
  std::function<void(CScriptedDialog&, WPARAM)> onStep;
  bool swallowEscape = false;
  int okCalls = 0, cancelCalls = 0, initCalls = 0;
  bool refuseOk = false;
  bool visibleAtInit = false;
  CString editTextAtInit;

  explicit CScriptedDialog(bool withButtons = true, CWnd* parent = nullptr, DWORD extraStyle = 0) {
    CDialogTemplate t = MakeTemplate(withButtons, extraStyle);
    InitModalIndirect(t, parent);
  }

  BOOL OnInitDialog() override {
    ++initCalls;
    CDialog::OnInitDialog();
    visibleAtInit = IsWindowVisible();
    GetDlgItemText(kEditId, editTextAtInit);
    return onInit ? onInit(*this) : TRUE;
  }
  void OnOK() override {
    ++okCalls;
    if (!refuseOk) CDialog::OnOK();
  }
  void OnCancel() override {
    ++cancelCalls;
    CDialog::OnCancel();
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (swallowEscape && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
  }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case kStep:
        if (onStep) onStep(*this, wParam);
        return 0;
      default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
  }
};

TEST(CDialogModal, EndDialogResultIsReturnedAndTheWindowIsGone) {
  CScriptedDialog dlg;
  HWND seen = nullptr;
  dlg.onInit = [&](CScriptedDialog& d) {
    seen = d.m_hWnd;
    d.PostMessage(kStep, 1);
    return TRUE;
  };
  dlg.onStep = [](CScriptedDialog& d, WPARAM) { d.EndDialog(7); };
  EXPECT_EQ(dlg.DoModal(), 7);
  EXPECT_EQ(dlg.initCalls, 1);
  EXPECT_FALSE(dlg.visibleAtInit);
  EXPECT_STREQ(dlg.editTextAtInit, L"text");
  EXPECT_EQ(dlg.m_hWnd, nullptr);
  EXPECT_FALSE(IsWindow(seen));
}

TEST(CDialogModal, EndingInsideOnInitDialogNeverShowsTheDialog) {
  CScriptedDialog dlg;
  dlg.onInit = [](CScriptedDialog& d) {
    d.EndDialog(1);
    return TRUE;
  };
  EXPECT_EQ(dlg.DoModal(), 1);
  // The same object runs again.
  dlg.onInit = [](CScriptedDialog& d) {
    d.EndDialog(2);
    return TRUE;
  };
  EXPECT_EQ(dlg.DoModal(), 2);
}

TEST(CDialogModal, TheSystemCloseCommandGivesIDCANCEL) {
  CScriptedDialog dlg(false, nullptr, WS_CAPTION);
  dlg.onInit = [](CScriptedDialog& d) {
    d.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    return TRUE;
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.cancelCalls, 1);
}

TEST(CDialogModal, ButtonsAndCommandsEndThroughOnOKAndOnCancel) {
  CScriptedDialog dlg;
  dlg.refuseOk = true;
  dlg.onInit = [](CScriptedDialog& d) {
    d.PostMessage(kStep, 1);
    return TRUE;
  };
  dlg.onStep = [](CScriptedDialog& d, WPARAM step) {
    if (step == 1) {
      d.GetDlgItem(IDOK)->SendMessage(BM_CLICK);  // refused: the dialog stays
      d.PostMessage(kStep, 2);
    } else {
      d.PostMessage(WM_COMMAND, IDCANCEL);
    }
  };
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.okCalls, 1);
  EXPECT_EQ(dlg.cancelCalls, 1);
}

TEST(CDialogModal, EscapeCancelsUnlessPreTranslateSwallowsIt) {
  for (bool swallow : {false, true}) {
    CScriptedDialog dlg;
    dlg.swallowEscape = swallow;
    dlg.onInit = [](CScriptedDialog& d) {
      HWND edit = d.GetDlgItem(kEditId)->m_hWnd;
      ::SetFocus(edit);
      ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      d.PostMessage(kStep);
      return FALSE;
    };
    // Queued after the key: ends the dialog if the key did not.
    dlg.onStep = [](CScriptedDialog& d, WPARAM) { d.EndDialog(55); };
    INT_PTR r = dlg.DoModal();
    if (swallow) {
      EXPECT_EQ(r, 55);
      EXPECT_EQ(dlg.cancelCalls, 0);
    } else {
      EXPECT_EQ(r, IDCANCEL);
      EXPECT_EQ(dlg.cancelCalls, 1);
    }
  }
}

TEST(CDialogModal, TheOwnerIsDisabledWhileTheDialogRuns) {
  CWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  CScriptedDialog dlg(true, &owner);
  BOOL enabledDuring = TRUE;
  HWND ownerSeen = nullptr;
  dlg.onInit = [&](CScriptedDialog& d) {
    enabledDuring = owner.IsWindowEnabled();
    ownerSeen = ::GetWindow(d.m_hWnd, GW_OWNER);
    d.EndDialog(3);
    return TRUE;
  };
  EXPECT_EQ(dlg.DoModal(), 3);
  EXPECT_FALSE(enabledDuring);
  EXPECT_EQ(ownerSeen, owner.m_hWnd);
  EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(CDialogModal, WM_QUITEndsTheLoopAndIsPassedOn) {
  CScriptedDialog dlg;
  dlg.onInit = [](CScriptedDialog&) {
    PostQuitMessage(9);
    return TRUE;
  };
  EXPECT_EQ(dlg.DoModal(), -1);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 9u);
}

TEST(CDialogModal, AMissingTemplateFails) {
  CDialog dlg(31999);
  EXPECT_EQ(dlg.DoModal(), -1);
  CDialog none;
  EXPECT_EQ(none.DoModal(), -1);
}

TEST(CDialogModal, ControlsSubclassedInOnInitDialogGetTheirNotifications) {
  class CClickCounter : public CWnd {
  public:
    int clicks = 0;

  protected:
    BOOL OnCommandReflect(UINT nCode) override {
      if (nCode == BN_CLICKED) ++clicks;
      return TRUE;
    }
  };
  CScriptedDialog dlg;
  CClickCounter button;
  dlg.onInit = [&](CScriptedDialog& d) {
    button.SubclassDlgItem(kButtonId, &d);
    d.PostMessage(kStep);
    return TRUE;
  };
  dlg.onStep = [&](CScriptedDialog& d, WPARAM) {
    button.SendMessage(BM_CLICK);
    d.EndDialog(button.clicks);
  };
  EXPECT_EQ(dlg.DoModal(), 1);
  EXPECT_EQ(button.m_hWnd, nullptr);  // unbound when the dialog destroyed it
}

TEST(CDialogModeless, CreatesAndStaysUntilDestroyed) {
  CScriptedDialog dlg;
  CDialogTemplate t = MakeTemplate(true);
  ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
  EXPECT_EQ(dlg.initCalls, 1);
  EXPECT_NE(dlg.GetDlgItem(IDOK), nullptr);
  CRect rc(0, 0, 4, 8);
  dlg.MapDialogRect(&rc);
  EXPECT_GT(rc.Width(), 0);
  EXPECT_TRUE(dlg.DestroyWindow());
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(CFrame, ClosingDestroysAndDeletesTheFrame) {
  static bool deleted;
  deleted = false;
  class CTestFrame : public CFrameWnd {
  public:
    ~CTestFrame() override { deleted = true; }
  };
  auto* frame = new CTestFrame;
  ASSERT_TRUE(frame->Create(nullptr, L"frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 0, 0)));
  HWND h = frame->m_hWnd;
  CString title;
  frame->GetWindowText(title);
  EXPECT_STREQ(title, L"frame");
  ::SendMessageW(h, WM_CLOSE, 0, 0);
  EXPECT_TRUE(deleted);
  EXPECT_FALSE(IsWindow(h));
}

}  // namespace
