#include "GalleryListMenu.h"

#include <cwchar>

namespace {

const wchar_t* const kGames[] = {L"Texas Hold'em", L"Mahjong", L"Bridge", L"Go", L"Chess", L"Dou Dizhu"};
const wchar_t* const kStatus[] = {L"Playing", L"Waiting", L"Watching", L"Away"};
const wchar_t* const kNames[] = {L"Ann", L"Bo", L"Chen", L"Dara", L"Eli", L"Fang", L"Gus", L"Hui", L"Ivo", L"Jun"};

struct Column {
  const wchar_t* title;
  int width;
};
const Column kColumns[] = {{L"Player", 110}, {L"Game", 120}, {L"Table", 70},
                           {L"Seat", 60},    {L"Score", 90}, {L"Status", 110}};

}  // namespace

void CGalleryPlayerList::ConstructString(void* pData, WORD nColumn, wchar_t* pBuffer, WORD nSize) {
  const Player* p = static_cast<const Player*>(pData);
  switch (nColumn) {
    case 0: swprintf(pBuffer, nSize, L"%ls", p->name); break;
    case 1: swprintf(pBuffer, nSize, L"%ls", p->game); break;
    case 2: swprintf(pBuffer, nSize, L"Table %03d", p->table); break;
    case 3: swprintf(pBuffer, nSize, L"%d", p->seat); break;
    case 4: swprintf(pBuffer, nSize, L"%d", p->score); break;
    default: swprintf(pBuffer, nSize, L"%ls", p->status); break;
  }
}

int CGalleryPlayerList::SortItemData(LPARAM pData1, LPARAM pData2, WORD nColumn, bool bAscending) {
  // Scores by their value; the other columns by their texts.
  if (nColumn != 4) return CUIListCtrl::SortItemData(pData1, pData2, nColumn, bAscending);
  const int a = reinterpret_cast<const Player*>(pData1)->score;
  const int b = reinterpret_cast<const Player*>(pData2)->score;
  const int order = a < b ? -1 : (a > b ? 1 : 0);
  return bAscending ? order : -order;
}

CGalleryListMenu::CGalleryListMenu() : m_hChips(nullptr), m_bShowing(false) {}

CGalleryListMenu::~CGalleryListMenu() {
  m_Menu.DestroyMenu();
  if (m_hChips) ::DeleteObject(m_hChips);
}

bool CGalleryListMenu::Create(CWnd* pParent, const CRect& area, UINT nID) {
  if (!m_List.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDRAWFIXED |
                         LVS_SHOWSELALWAYS | LVS_SINGLESEL,
                     area, pParent, nID))
    return false;
  for (int i = 0; i < static_cast<int>(sizeof kColumns / sizeof kColumns[0]); ++i)
    m_List.InsertColumn(i, kColumns[i].title, LVCFMT_LEFT, kColumns[i].width);
  m_List.GetSkinHeader().SetLockCount(1);
  FillRows();
  m_List.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  return true;
}

void CGalleryListMenu::Place(const CRect& area) {
  if (m_List.m_hWnd)
    m_List.SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGalleryListMenu::FillRows() {
  m_Players.resize(ROWS);
  for (int i = 0; i < ROWS; ++i) {
    CGalleryPlayerList::Player& p = m_Players[i];
    swprintf(p.name, sizeof p.name / sizeof p.name[0], L"%ls %03d", kNames[i % 10], i + 1);
    p.game = kGames[(i * 7) % 6];
    p.table = 1 + (i * 37) % 120;
    p.seat = 1 + i % 4;
    p.score = (i * 7919) % 100000;
    p.status = kStatus[(i * 3) % 4];
  }
  // The records stay where they are from here on: the rows point at them.
  m_List.SetRedraw(FALSE);
  for (CGalleryPlayerList::Player& p : m_Players) m_List.InsertDataItem(&p);
  m_List.SetRedraw(TRUE);
}

HBITMAP CGalleryListMenu::ChipsBitmap() {
  if (m_hChips) return m_hChips;
  HDC screen = ::GetDC(nullptr);
  if (screen == nullptr) return nullptr;
  m_hChips = ::CreateCompatibleBitmap(screen, 66, 16);
  HDC dc = ::CreateCompatibleDC(screen);
  if (m_hChips && dc) {
    HGDIOBJ old = ::SelectObject(dc, m_hChips);
    RECT all = {0, 0, 66, 16};
    ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    const COLORREF chips[] = {RGB(200, 40, 40), RGB(30, 110, 200), RGB(30, 150, 70), RGB(30, 30, 30)};
    for (int i = 0; i < 4; ++i) {
      HBRUSH brush = ::CreateSolidBrush(chips[i]);
      HGDIOBJ oldBrush = ::SelectObject(dc, brush);
      ::Ellipse(dc, 1 + i * 16, 1, 15 + i * 16, 15);
      ::SelectObject(dc, oldBrush);
      ::DeleteObject(brush);
    }
    ::SelectObject(dc, old);
  }
  if (dc) ::DeleteDC(dc);
  ::ReleaseDC(nullptr, screen);
  return m_hChips;
}

void CGalleryListMenu::ShowMenu(CWnd* pOwner, const POINT* pAt) {
  if (m_bShowing || m_List.m_hWnd == nullptr || pOwner == nullptr) return;
  m_Menu.DestroyMenu();
  if (!m_Menu.CreateMenu()) return;
  m_Menu.AppendMenuW(CMD_JOIN, L"Join the table", 0);
  m_Menu.AppendMenuW(CMD_WATCH, L"Watch the game", MF_CHECKED);
  m_Menu.AppendMenuW(CMD_INVITE, L"Invite a friend...", 0);
  m_Menu.AppendSeparator();
  m_Menu.AppendMenuW(CMD_CHIPS, ChipsBitmap(), 0);
  m_Menu.AppendSeparator();
  m_Menu.AppendMenuW(CMD_SORT, L"Sort by score", MF_CHECKED);
  m_Menu.AppendMenuW(CMD_LEAVE, L"Leave the room", MF_GRAYED);

  CRect list;
  m_List.GetWindowRect(&list);
  POINT at = {list.left + 90, list.top + 70};
  if (pAt) {
    at = *pAt;
  } else {
    // The first entry highlighted, as the first Down key does.
    ::PostMessageW(pOwner->m_hWnd, WM_KEYDOWN, VK_DOWN, 1);
  }
  m_bShowing = true;
  m_Menu.TrackPopupMenu(at.x, at.y, pOwner);
  m_bShowing = false;
}

bool CGalleryListMenu::MenuOnScreen() {
  HWND menu = ::FindWindowW(L"#32768", nullptr);
  return menu && ::IsWindowVisible(menu);
}

void CGalleryListMenu::CloseMenu() { ::EndMenu(); }
