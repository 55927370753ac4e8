#include "CGameUpdateFrame.h"

#include <wchar.h>
#include <windowsx.h>

#include "AfxResource.h"
#include "COffscreenCanvas.h"
#include "CPngImage.h"
#include "CUpdateTextFont.h"
#include "CWinApp.h"
#include "UpdateCommandLine.h"
#include "UpdateKeys.h"

namespace {

// Layout of the picture (rows of the two bars, their knobs and text lines).
const int kOverallBarY = 161;
const int kFileBarY = 201;
const int kOverallKnobY = 157;
const int kFileKnobY = 197;
const int kFirstLineY = 143;
const int kSecondLineY = 185;
const int kSizeTextX = 310;
const int kDragBandHeight = 80;
const int kEdge = 5;

void DrawLine(HDC dc, int x, int y, const wchar_t* text) {
  TextOutW(dc, x, y, text, static_cast<int>(wcslen(text)));
}

}  // namespace

CGameUpdateFrame::CGameUpdateFrame() {
  m_szFileName[0] = 0;
}

CGameUpdateFrame::~CGameUpdateFrame() = default;

LRESULT CGameUpdateFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam));
    case WM_SIZE:
      Default();
      OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ERASEBKGND:
      return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_SHOWWINDOW:
      Default();
      m_Skin.FollowOwnerShow(static_cast<BOOL>(wParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      Default();
      m_Skin.FollowOwnerPos(reinterpret_cast<const WINDOWPOS*>(lParam));
      return 0;
    case WM_LBUTTONDOWN:
      Default();
      OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_LBUTTONUP:
      Default();
      OnLButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_MOUSEMOVE:
      Default();
      OnMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_MOUSELEAVE:
      Default();
      OnMouseLeave();
      return 0;
    case WM_COMMAND:
      return OnCommandMessage(wParam, lParam);
    default:
      return CFrameWnd::WindowProc(message, wParam, lParam);
  }
}

BOOL CGameUpdateFrame::PreTranslateMessage(MSG* pMsg) {
  if (IsSwallowedKey(pMsg)) {
    return TRUE;
  }
  return CFrameWnd::PreTranslateMessage(pMsg);
}

int CGameUpdateFrame::OnCreate(LPCREATESTRUCTW) {
  if (Default() == -1) {
    return -1;
  }
  ModifyStyle(WS_CAPTION, 0);
  ModifyStyleEx(WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | 0x800000, 0);

  CString url;
  SplitUpdateCommandLine(GetUpdateCommandLine(), m_strGamePath, url);

  HMODULE module = AfxGetResourceHandle();
  CPngImage back;
  back.LoadFromResource(module, L"UPDATE_FRAME_BACK");
  int w = back.GetWidth();
  int h = back.GetHeight();

  m_btClose.Setup(m_hWnd, kCloseCommand, w - 30, 8);
  m_btClose.LoadImage(module, L"BT_CLOSE");

  RECT work = {};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int workWidth = work.right - work.left;
  int workHeight = work.bottom - work.top;
  SetWindowPos(nullptr, (workWidth - w) / 2, (workHeight - h) / 2, w, h, SWP_NOZORDER);

  SetWindowText(L"大厅升级");

  RECT frame;
  GetWindowRect(&frame);
  m_Skin.CreateSkin(this, frame);

  RECT client;
  GetClientRect(&client);
  UpdateShape(client.right - client.left, client.bottom - client.top);

  CreateDownLoadManager();
  return 0;
}

void CGameUpdateFrame::OnSize(UINT, int cx, int cy) {
  UpdateShape(cx, cy);
}

void CGameUpdateFrame::UpdateShape(int cx, int cy) {
  if (cx == 0 || cy == 0) {
    return;
  }
  RECT hole = {kEdge, kEdge, cx - kEdge, cy - kEdge};
  SetWindowRgn(CreateRoundRectRgn(kEdge, kEdge, cx - kEdge + 1, cy - kEdge + 1, kEdge, kEdge), TRUE);
  if (m_Skin.GetSafeHwnd() != nullptr) {
    COffscreenCanvas canvas(cx, cy);
    DrawFrame(canvas.GetDC(), cx, cy);
    m_Skin.UpdateSkin(canvas.GetDC(), 255, hole, SIZE{kEdge, kEdge}, FALSE);
  }
}

BOOL CGameUpdateFrame::OnEraseBkgnd(HDC dc) {
  RECT client;
  GetClientRect(&client);
  COffscreenCanvas canvas(client.right - client.left, client.bottom - client.top);
  DrawFrame(canvas.GetDC(), canvas.GetWidth(), canvas.GetHeight());
  canvas.CopyTo(dc);
  return TRUE;
}

bool CGameUpdateFrame::ReadProgress(CUpdateProgress& progress) const {
  if (m_pManager == nullptr || m_pManager->GetSink() == nullptr) {
    return false;
  }
  const CDownLoadSink* sink = m_pManager->GetSink();
  progress.nTotal = m_pManager->GetTotal();
  progress.nDone = m_pManager->GetDone();
  progress.nStored = sink->GetStored();
  progress.nSize = sink->GetTotal();
  progress.bFailed = m_pManager->IsFailed();
  return true;
}

void CGameUpdateFrame::DrawFrame(HDC dc, int width, int) {
  HMODULE module = AfxGetResourceHandle();
  SetBkMode(dc, TRANSPARENT);
  CPngImage back;
  back.LoadFromResource(module, L"UPDATE_FRAME_BACK");
  back.Draw(dc, 0, 0);

  CPngImage line, point;
  line.LoadFromResource(module, L"PROGRESS_LINE");
  point.LoadFromResource(module, L"PROGRESS_POINT");
  int length = line.GetWidth();
  int track = line.GetHeight() / 2;
  int knob = point.GetWidth();
  int barX = (width - length) / 2;

  line.DrawPart(dc, barX, kOverallBarY, length, track, 0, 0);
  line.DrawPart(dc, barX, kFileBarY, length, track, 0, 0);

  CUpdateProgress progress = {};
  if (ReadProgress(progress)) {
    int n = progress.nTotal;
    int k = progress.nDone;
    int shown = k + 1 < n ? k + 1 : n;
    int overall = n != 0 ? static_cast<int>(static_cast<double>(k) / n * length) : 0;
    // Failed tries count as notices too, and a file's size may be unknown:
    // the bars stop at the end of their track.
    double fileShare = progress.nSize != 0 ? static_cast<double>(progress.nStored) / progress.nSize : 0;
    int file = static_cast<int>((fileShare < 1 ? fileShare : 1) * length);
    if (n != 0) {
      overall += file / n;
    }
    overall = overall < length ? overall : length;
    line.DrawPart(dc, barX, kOverallBarY, overall, track, 0, track);
    line.DrawPart(dc, barX, kFileBarY, file, track, 0, track);
    point.Draw(dc, barX + overall - knob / 2, kOverallKnobY);
    point.Draw(dc, barX + file - knob / 2, kFileKnobY);

    CUpdateTextFont font(dc);
    wchar_t text[64];
    AfxFormatBuffer(text, 64, L"%d个文件需要更新,当前更新第%d个...", n, shown);
    DrawLine(dc, barX, kFirstLineY, text);
    AfxFormatBuffer(text, 64, progress.bFailed ? L"下载失败 %s" : L"正在下载 %s", m_szFileName);
    DrawLine(dc, barX, kSecondLineY, text);
    wchar_t size[32];
    AfxFormatBuffer(size, 32, L"%I64u/%I64u KB", progress.nStored / 1024, progress.nSize / 1024);
    DrawLine(dc, kSizeTextX, kSecondLineY, size);
  }
  m_btClose.Draw(dc);
}

void CGameUpdateFrame::CreateDownLoadManager() {
  if (m_pManager == nullptr) {
    m_pManager.reset(new (std::nothrow) CDownLoadManager());
    if (m_pManager == nullptr) {
      return;
    }
    m_pManager->CreateManager(this);
  }
  m_pManager->SetFrame(this);
  m_pManager->LoadFileList();
  m_pManager->StartDownLoad();
}

void CGameUpdateFrame::SetCurrentFile(LPCWSTR name) {
  if (name == nullptr) {
    m_szFileName[0] = 0;
    return;
  }
  LPCWSTR slash = wcsrchr(name, L'/');
  AfxFormatBuffer(m_szFileName, kNameChars, L"%s", slash != nullptr ? slash + 1 : name);
}

void CGameUpdateFrame::OnDownLoadFailed(LPCWSTR name) {
  SetCurrentFile(name);
  if (m_hWnd != nullptr) {
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
  }
}

void CGameUpdateFrame::RunGame() {
  // The close may run before this returns (a nested message loop): nothing
  // of the frame is used after it is posted.
  const CString gamePath = m_strGamePath;
  CWnd* main = AfxGetMainWnd();
  HWND target = main != nullptr && main->GetSafeHwnd() != nullptr ? main->m_hWnd : m_hWnd;
  ::PostMessageW(target, WM_CLOSE, 0, 0);
  LaunchGameProgram(gamePath);
}

void CGameUpdateFrame::OnLButtonDown(POINT pt) {
  if (m_btClose.OnLButtonDown(pt)) {
    RedrawButton();
    return;
  }
  if (!IsZoomed() && pt.y < kDragBandHeight) {
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(pt.x, pt.y));
  }
}

void CGameUpdateFrame::OnLButtonUp(POINT pt) {
  if (m_btClose.OnLButtonUp(pt)) {
    RedrawButton();
  }
}

void CGameUpdateFrame::OnMouseMove(POINT pt) {
  if (m_btClose.OnMouseMove(pt)) {
    RedrawButton();
  }
}

void CGameUpdateFrame::OnMouseLeave() {
  if (m_btClose.OnMouseLeave()) {
    RedrawButton();
  }
}

void CGameUpdateFrame::RedrawButton() {
  RECT rc = m_btClose.GetRect();
  InvalidateRect(&rc, TRUE);
  UpdateWindow();
}

LRESULT CGameUpdateFrame::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
  LRESULT result = CFrameWnd::WindowProc(WM_COMMAND, wParam, lParam);
  if (LOWORD(wParam) == kCloseCommand) {
    PostMessage(WM_CLOSE);
  }
  return result;
}
