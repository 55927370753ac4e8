#include "CDlgUpdateCheck.h"

#include <new>

#include "AfxResource.h"
#include "CException.h"
#include "UpdateBackBuffer.h"
#include "UpdateCommandLine.h"
#include "UpdateKeys.h"

namespace {

const UINT kRedrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW;
const int kBarY = 40;
const int kEdge = 8;
const RECT kStatusBox = {95, 16, 279, 34};

}  // namespace

CDlgUpdateCheck::CDlgUpdateCheck(CWnd* pParent) : m_nCounter(0), m_Art(L"STATUS_IMAGE") {
  // A pop-up without controls, topmost, centred, with a system menu (so the
  // system close command reaches it); the picture gives its final size.
  CDialogTemplate dialog(WS_POPUP | WS_SYSMENU | DS_CENTER, 0, 0, 265, 86, nullptr, WS_EX_TOPMOST);
  dialog.SetFont(9, L"宋体");
  InitModalIndirect(dialog, pParent);
}

CDlgUpdateCheck::~CDlgUpdateCheck() {
  try {
    m_pSink.reset();
  } catch (CException* e) {
    e->Delete();
  }
}

BOOL CDlgUpdateCheck::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(L"Velkor游戏中心");
  SetTimer(kAnimationTimer, kAnimationPeriod);

  m_Art.Load(AfxGetResourceHandle());
  const CPngImage& picture = m_Art.GetBackground();
  SetWindowPos(nullptr, 0, 0, picture.GetWidth(), picture.GetHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW);
  CenterWindow();

  RECT rc;
  GetWindowRect(&rc);
  int w = rc.right - rc.left;
  int h = rc.bottom - rc.top;
  SetWindowRgn(CreateRoundRectRgn(kEdge, kEdge, w - kEdge + 1, h - kEdge + 1, 5, 5), FALSE);
  RECT hole = {kEdge, kEdge, w - kEdge, h - kEdge};
  m_Skin.CreateSkin(this, rc);
  m_Skin.SetSkinImage(picture, 255, hole, SIZE{5, 5}, FALSE);
  Redraw();

  CString gamePath;
  SplitUpdateCommandLine(GetUpdateCommandLine(), gamePath, m_strUrl);
  StartCheck(m_strUrl);
  return TRUE;
}

void CDlgUpdateCheck::StartCheck(LPCWSTR url) {
  if (m_pSink == nullptr) {
    m_pSink.reset(new (std::nothrow) CUpdateCheckSink());
    if (m_pSink == nullptr) {
      return;
    }
  }
  m_pSink->SetOwner(this);
  // The sink takes a start only when idle or failed.
  m_pSink->Start(url);
}

void CDlgUpdateCheck::EndCheck(int result) {
  EndDialog(result);
}

LRESULT CDlgUpdateCheck::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_LBUTTONDOWN:
      Default();
      OnLButtonDown(lParam);
      return 0;
    case WM_SHOWWINDOW:
      Default();
      m_Skin.FollowOwnerShow(static_cast<BOOL>(wParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      Default();
      m_Skin.FollowOwnerPos(reinterpret_cast<const WINDOWPOS*>(lParam));
      return 0;
    default:
      return CDialog::WindowProc(message, wParam, lParam);
  }
}

BOOL CDlgUpdateCheck::PreTranslateMessage(MSG* pMsg) {
  if (IsSwallowedKey(pMsg)) {
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CDlgUpdateCheck::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent != kAnimationTimer) {
    Default();
    return;
  }
  m_nCounter = m_nCounter >= 100 ? 0 : m_nCounter + 1;
  Redraw();
}

void CDlgUpdateCheck::Redraw() {
  RedrawWindow(nullptr, nullptr, kRedrawFlags);
}

BOOL CDlgUpdateCheck::OnEraseBkgnd(HDC dc) {
  RECT client;
  GetClientRect(&client);
  CMemDC& buffer = PrepareBackBuffer(m_Buffer, client.right - client.left, client.bottom - client.top);
  DrawCheck(buffer, buffer.GetWidth(), buffer.GetHeight());
  buffer.CopyTo(dc);
  return TRUE;
}

void CDlgUpdateCheck::DrawCheck(HDC dc, int width, int height) {
  m_Art.Load(AfxGetResourceHandle());
  SetBkMode(dc, TRANSPARENT);
  m_Art.GetBackground().DrawPart(dc, 0, 0, width, height, 0, 0);

  int length = m_Art.GetLength();
  int barX = (width - length) / 2;
  int fill = length * m_nCounter / 100;
  m_Art.DrawTrack(dc, barX, kBarY);
  m_Art.DrawFill(dc, barX, kBarY, fill);
  m_Art.DrawKnob(dc, barX, fill, (m_Art.GetTrackHeight() - m_Art.GetKnobHeight()) / 2 + kBarY);

  CUpdateTextFont::CSelection font = m_Font.Select(dc);
  RECT box = kStatusBox;
  DrawTextW(dc, m_strStatus, -1, &box, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void CDlgUpdateCheck::OnLButtonDown(LPARAM lParam) {
  // The whole dialog is a handle to drag it by.
  PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, lParam);
}
