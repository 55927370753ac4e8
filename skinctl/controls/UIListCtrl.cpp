#include "UIListCtrl.h"

#include <algorithm>
#include <cwchar>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "CDC.h"
#include "SkinctlModule.h"
#include "../res/SkinctlResource.h"

CUIListCtrlAttr CUIListCtrl::m_UIAttribute;

namespace {

const COLORREF kRowText = RGB(10, 10, 10);
const COLORREF kRowBack = RGB(229, 249, 255);
const COLORREF kSelectedBack = RGB(212, 208, 200);
const DWORD kExtendedStyle = LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT | LVS_EX_ONECLICKACTIVATE | LVS_EX_INFOTIP;

void LoadHeaderImage(CBitImage& image, UINT id, CUIRenderManager* render) {
  image.Destroy();
  if (image.LoadFromResource(SkinctlModule(), id) && render) render->RenderImage(image);
}

}  // namespace

// The texts of one column by row data, sorted by the data for look-up.
struct CUIListCtrl::SortSnapshot {
  WORD column = 0;
  std::vector<std::pair<LPARAM, std::wstring>> rows;

  const std::wstring* Find(LPARAM data) const {
    auto it = std::lower_bound(rows.begin(), rows.end(), data,
                               [](const std::pair<LPARAM, std::wstring>& row, LPARAM key) { return row.first < key; });
    return (it != rows.end() && it->first == data) ? &it->second : nullptr;
  }
};

// What the sort callback is handed.
struct CUIListCtrl::SortRecord {
  BYTE bAscending;
  WORD nColumn;
  CUIListCtrl* pList;
};

// ------------------------------------------------------------------ attribute

CUIListCtrlAttr::CUIListCtrlAttr() : m_crHeaderText(0), m_crItemText(0), m_crItemBack(0) {}

bool CUIListCtrlAttr::Initialization(CUIRenderManager* render) {
  m_crHeaderText = RGB(254, 254, 254);
  m_crItemText = kRowText;
  m_crItemBack = kRowBack;
  LoadHeaderImage(m_HeaderLeft, IDB_HEADER_LEFT, render);
  LoadHeaderImage(m_HeaderBody, IDB_HEADER_BODY, render);
  LoadHeaderImage(m_HeaderRight, IDB_HEADER_RIGHT, render);
  return true;
}

// ------------------------------------------------------------------ set-up

CUIListCtrl::CUIListCtrl() : m_bSortAscending(0), m_pSortSnapshot(nullptr) {}

CUIListCtrl::~CUIListCtrl() {}

LRESULT CUIListCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_ERASEBKGND:
      return OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
  }
  return CListCtrl::WindowProc(message, wParam, lParam);
}

void CUIListCtrl::PreSubclassWindow() {
  CListCtrl::PreSubclassWindow();
  SetUp();
}

int CUIListCtrl::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  SetUp();
  return 0;
}

void CUIListCtrl::SetUp() {
  // A window skinned already (set up again) keeps its skin.
  m_ScrollBar.InitScroolBar(this);
  SetBkColor(m_UIAttribute.m_crItemBack);
  SetTextBkColor(m_UIAttribute.m_crItemBack);
  SetTextColor(m_UIAttribute.m_crItemText);
  SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, kExtendedStyle);
  HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
  if (header && m_HeaderCtrl.m_hWnd == nullptr) m_HeaderCtrl.SubclassWindow(header);
}

BOOL CUIListCtrl::OnEraseBkgnd(CDC* pDC) {
  if (m_HeaderCtrl.m_hWnd == nullptr || pDC == nullptr) return static_cast<BOOL>(Default());
  CRect client;
  GetClientRect(&client);
  if (m_HeaderCtrl.IsWindowVisible()) {
    CRect header;
    m_HeaderCtrl.GetWindowRect(&header);
    client.top += header.Height();
  }
  pDC->FillSolidRect(&client, GetBkColor());
  return TRUE;
}

// ------------------------------------------------------------------ data binding

int CUIListCtrl::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
  if (header == nullptr) return 0;
  const int count = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  // Column numbers are 16-bit for the text callbacks.
  return count < 0 ? 0 : std::min(count, 0x10000);
}

int CUIListCtrl::FindRow(void* pData) const {
  LVFINDINFOW find = {};
  find.flags = LVFI_PARAM;
  find.lParam = reinterpret_cast<LPARAM>(pData);
  return FindItem(&find, -1);
}

void CUIListCtrl::ColumnText(void* pData, int nColumn, wchar_t (&buffer)[TEXT_SIZE]) {
  buffer[0] = L'\0';
  ConstructString(pData, static_cast<WORD>(nColumn), buffer, TEXT_SIZE);
  buffer[TEXT_SIZE - 1] = L'\0';
}

void CUIListCtrl::InsertDataItem(void* pData) {
  if (pData == nullptr || m_hWnd == nullptr) return;
  const int columns = ColumnCount();
  wchar_t text[TEXT_SIZE];
  int row = -1;
  for (int i = 0; i < columns; ++i) {
    ColumnText(pData, i, text);
    if (i == 0) {
      LVITEMW item = {};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = GetInsertIndex(pData);
      item.pszText = text;
      item.lParam = reinterpret_cast<LPARAM>(pData);
      row = InsertItem(&item);
      if (row < 0) return;  // no row to give the other texts to
    } else {
      SetItemText(row, i, text);
    }
  }
}

void CUIListCtrl::UpdateDataItem(void* pData) {
  if (pData == nullptr || m_hWnd == nullptr) return;
  const int row = FindRow(pData);
  if (row < 0) return;
  const int columns = ColumnCount();
  wchar_t text[TEXT_SIZE];
  for (int i = 0; i < columns; ++i) {
    ColumnText(pData, i, text);
    SetItemText(row, i, text);
  }
  RedrawItems(row, row);
}

void CUIListCtrl::DeleteDataItem(void* pData) {
  if (pData == nullptr || m_hWnd == nullptr) return;
  const int row = FindRow(pData);
  if (row >= 0) DeleteItem(row);
}

int CUIListCtrl::GetInsertIndex(void*) { return GetItemCount(); }

void CUIListCtrl::ConstructString(void*, WORD, wchar_t* pBuffer, WORD nSize) {
  if (pBuffer && nSize > 0) pBuffer[0] = L'\0';
}

// ------------------------------------------------------------------ sorting

BOOL CUIListCtrl::OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult) {
  if (pNMHDR && pNMHDR->code == LVN_COLUMNCLICK) {
    OnColumnClick(reinterpret_cast<NMLISTVIEW*>(pNMHDR));
    if (pResult) *pResult = 0;
    return TRUE;
  }
  return CListCtrl::OnNotifyReflect(pNMHDR, pResult);
}

void CUIListCtrl::OnColumnClick(NMLISTVIEW* pNMListView) {
  if (pNMListView->iSubItem < 0 || pNMListView->iSubItem > 0xFFFF) return;
  SortRecord record = {m_bSortAscending, static_cast<WORD>(pNMListView->iSubItem), this};
  m_bSortAscending = !m_bSortAscending;

  SortSnapshot snapshot;
  snapshot.column = record.nColumn;
  try {
    const int count = GetItemCount();
    snapshot.rows.reserve(static_cast<size_t>(std::max(count, 0)));
    wchar_t text[TEXT_SIZE];
    for (int row = 0; row < count; ++row) {
      ReadCell(row, record.nColumn, text);
      snapshot.rows.emplace_back(static_cast<LPARAM>(GetItemData(row)), text);
    }
  } catch (const std::bad_alloc&) {
    return;  // not sorted rather than sorted half blind
  }
  std::sort(snapshot.rows.begin(), snapshot.rows.end(),
            [](const std::pair<LPARAM, std::wstring>& a, const std::pair<LPARAM, std::wstring>& b) {
              return a.first < b.first;
            });
  m_pSortSnapshot = &snapshot;
  SortItems(CompareRows, reinterpret_cast<DWORD_PTR>(&record));
  m_pSortSnapshot = nullptr;
}

int CALLBACK CUIListCtrl::CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
  const auto* record = reinterpret_cast<const SortRecord*>(lParamSort);
  return record->pList->SortItemData(lParam1, lParam2, record->nColumn, record->bAscending != 0);
}

void CUIListCtrl::ReadCell(int nRow, int nColumn, wchar_t (&buffer)[TEXT_SIZE]) const {
  buffer[0] = L'\0';
  LVITEMW item = {};
  item.iSubItem = nColumn;
  item.pszText = buffer;
  item.cchTextMax = TEXT_SIZE;
  SendMessage(LVM_GETITEMTEXTW, static_cast<WPARAM>(nRow), reinterpret_cast<LPARAM>(&item));
  buffer[TEXT_SIZE - 1] = L'\0';
}

void CUIListCtrl::RowText(LPARAM data, WORD nColumn, wchar_t (&buffer)[TEXT_SIZE]) const {
  buffer[0] = L'\0';
  if (m_pSortSnapshot && m_pSortSnapshot->column == nColumn) {
    if (const std::wstring* text = m_pSortSnapshot->Find(data)) {
      const size_t n = std::min(text->size(), static_cast<size_t>(TEXT_SIZE - 1));
      wmemcpy(buffer, text->c_str(), n);
      buffer[n] = L'\0';
    }
    return;
  }
  const int row = FindRow(reinterpret_cast<void*>(data));
  if (row >= 0) ReadCell(row, nColumn, buffer);
}

int CUIListCtrl::SortItemData(LPARAM pData1, LPARAM pData2, WORD nColumn, bool bAscending) {
  wchar_t first[TEXT_SIZE];
  wchar_t second[TEXT_SIZE];
  RowText(pData1, nColumn, first);
  RowText(pData2, nColumn, second);
  const int order = lstrcmpW(first, second);
  return bAscending ? order : -order;
}

// ------------------------------------------------------------------ drawing

void CUIListCtrl::GetItemColor(LPDRAWITEMSTRUCT lpDrawItemStruct, COLORREF& crText, COLORREF& crBack) {
  crText = kRowText;
  crBack = (lpDrawItemStruct->itemState & ODS_SELECTED) ? kSelectedBack : kRowBack;
}

void CUIListCtrl::DrawCustomItem(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, CRect& rect, int nColumn) {
  wchar_t text[TEXT_SIZE];
  ReadCell(static_cast<int>(lpDrawItemStruct->itemID), nColumn, text);
  CRect area = rect;
  area.left += 5;
  pDC->DrawText(text, -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

void CUIListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == nullptr || m_hWnd == nullptr || static_cast<int>(lpDrawItemStruct->itemID) < 0) return;
  CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
  if (dc == nullptr) return;
  COLORREF text = kRowText;
  COLORREF back = kRowBack;
  GetItemColor(lpDrawItemStruct, text, back);
  CRect clip;
  dc->GetClipBox(&clip);
  const int saved = dc->SaveDC();
  dc->SetBkColor(back);
  dc->SetTextColor(text);
  const int row = static_cast<int>(lpDrawItemStruct->itemID);
  const int columns = ColumnCount();
  for (int i = 0; i < columns; ++i) {
    CRect cell;
    if (!GetSubItemRect(row, i, LVIR_BOUNDS, cell)) continue;
    // The first column's bounds are those of the whole row: keep to its width.
    if (i == 0) cell.right = cell.left + GetColumnWidth(0);
    if (cell.left > clip.right) break;
    if (cell.right < clip.left) continue;
    dc->FillSolidRect(&cell, back);
    dc->SetBkColor(back);
    DrawCustomItem(dc, lpDrawItemStruct, cell, i);
  }
  if (lpDrawItemStruct->itemState & ODS_FOCUS) dc->DrawFocusRect(&lpDrawItemStruct->rcItem);
  dc->RestoreDC(saved);
}
