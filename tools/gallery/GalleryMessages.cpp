#include "GalleryMessages.h"

#include "CBitmap.h"
#include "CDC.h"

namespace {

const int kWidth = 440, kHeight = 300;
const COLORREF kSystem = RGB(150, 60, 20);
const COLORREF kPlayer = RGB(20, 70, 150);
const COLORREF kText = RGB(30, 30, 30);

// A playing-card chip: a red rounded card with a white centre, drawn here so
// the gallery needs no picture file for it.
bool DrawChip(CBitmap& bitmap) {
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  const bool made = bitmap.Attach(::CreateCompatibleBitmap(screen, 28, 20)) != FALSE;
  if (made) {
    HGDIOBJ old = ::SelectObject(dc, bitmap.GetSafeHandle());
    RECT all = {0, 0, 28, 20};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HBRUSH red = ::CreateSolidBrush(RGB(200, 30, 40));
    HGDIOBJ oldBrush = ::SelectObject(dc, red);
    ::RoundRect(dc, 1, 1, 27, 19, 6, 6);
    ::SelectObject(dc, ::GetStockObject(WHITE_BRUSH));
    ::Ellipse(dc, 8, 4, 20, 16);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(red);
    ::SelectObject(dc, old);
  }
  ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return made;
}

}  // namespace

bool CGalleryMessages::Open(CWnd* owner, const std::wstring& picture) {
  CGalleryMessages* view = new CGalleryMessages;
  if (!view->Create(owner)) {
    delete view;
    return false;
  }
  view->Fill(picture);
  view->ShowWindow(SW_SHOWNOACTIVATE);
  view->UpdateWindow();
  return true;
}

void CGalleryMessages::PostNcDestroy() { delete this; }

bool CGalleryMessages::Create(CWnd* owner) {
  CRect around(0, 0, 1024, 768);
  if (owner && owner->m_hWnd) owner->GetWindowRect(&around);
  const int x = around.left + (around.Width() - kWidth) / 2;
  const int y = around.top + (around.Height() - kHeight) / 2;
  if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, L"Message view", WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN,
                CRect(x, y, x + kWidth, y + kHeight), owner, 0))
    return false;
  CRect client;
  GetClientRect(&client);
  client.DeflateRect(6, 6);
  return m_View.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, client, this,
                       100) != FALSE;
}

void CGalleryMessages::Fill(const std::wstring& picture) {
  m_View.InsertString(L"[系统] 欢迎来到牌桌 12 号。\r\n", kSystem);
  m_View.InsertString(L"[系统] Table rules: see http://lobby.example/rules?table=12 before you play.\r\n", kSystem);
  m_View.InsertString(L"小明: ", kPlayer);
  m_View.InsertString(L"good luck everyone ", kText);
  CBitmap chip;
  if (DrawChip(chip)) m_View.InsertImage(&chip);
  m_View.InsertString(L"\r\n", kText);
  m_View.InsertString(L"Alice: ", kPlayer);
  m_View.InsertString(L"the dealer says hi ", kText);
  if (picture.empty() || !m_View.InsertImage(picture.c_str()))
    m_View.InsertString(L"(no animated picture: no picture file, or AnimPicture.dll not registered)", RGB(128, 128, 128));
  m_View.InsertString(L"\r\n", kText);
  m_View.InsertString(L"Bob: ", kPlayer);
  m_View.InsertString(L"replay of the last hand: ", kText);
  m_View.InsertHyperLink(L"hand #4711");
  m_View.InsertString(L" (HTTP://NOT-A-LINK stays plain)\r\n", kText);
  m_View.InsertString(L"[系统] Highlighted notice on its own background.\r\n", RGB(120, 20, 20), RGB(255, 240, 180));
}

LRESULT CGalleryMessages::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    CRect client;
    GetClientRect(&client);
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}
