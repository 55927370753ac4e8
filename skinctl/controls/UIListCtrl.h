// CUIListCtrl: a report-view list with skinned colours, a skinned header,
// owner-drawn rows (create it with LVS_REPORT | LVS_OWNERDRAWFIXED) and a
// small data-binding layer: every row stands for a data pointer of the
// caller's (the row's lParam), whose column texts a derived list produces in
// ConstructString, so rows are inserted, updated and deleted by pointer.
// Its scroll bars are drawn by the skin. A click on a column header sorts
// the rows, descending first, then ascending, alternating (one direction
// flag for all columns).
//
// The list never owns the data: the caller keeps each pointer alive while
// its row exists and removes the row before freeing it.
#pragma once

#include "CBitImage.h"
#include "CListCtrl.h"
#include "SkinctlApi.h"
#include "UIHeaderCtrl.h"
#include "UIRenderManager.h"
#include "UIScrollBar.h"

class CDC;

class SKINCTL_API CUIListCtrlAttr {
 public:
  CUIListCtrlAttr(const CUIListCtrlAttr&) = default;
  CUIListCtrlAttr& operator=(const CUIListCtrlAttr&) = default;

  // The colours, and the three header images reloaded (and recoloured to
  // the scheme when a render manager is given).
  bool Initialization(CUIRenderManager* render);

  COLORREF m_crHeaderText;
  COLORREF m_crItemText;
  COLORREF m_crItemBack;
  CBitImage m_HeaderLeft;
  CBitImage m_HeaderBody;
  CBitImage m_HeaderRight;

 protected:
  // All colours 0 and images empty until Initialization.
  CUIListCtrlAttr();
  friend class CUIListCtrl;
};

class SKINCTL_API CUIListCtrl : public CListCtrl {
 public:
  enum { TEXT_SIZE = 256 };  // characters of a column text, the terminator included

  CUIListCtrl();
  ~CUIListCtrl() override;

  // Nothing for a null pointer, a list without a window or a header
  // without columns; texts are cut at TEXT_SIZE - 1 characters.
  virtual void InsertDataItem(void* pData);
  // Rewrites the texts of the row of pData and redraws it; nothing when no
  // row has it.
  virtual void UpdateDataItem(void* pData);
  virtual void DeleteDataItem(void* pData);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  CUIHeaderCtrl& GetSkinHeader() { return m_HeaderCtrl; }

  static CUIListCtrlAttr m_UIAttribute;

 protected:
  // Where a new row goes: the end by default.
  virtual int GetInsertIndex(void* pData);
  // <0, 0, >0 as the row of pData1 goes before, with, after the row of
  // pData2 in that column and direction. By default the rows' texts in the
  // column, compared with lstrcmpW.
  virtual int SortItemData(LPARAM pData1, LPARAM pData2, WORD nColumn, bool bAscending);
  // The text of a column of pData into a buffer of nSize characters. Empty
  // by default.
  virtual void ConstructString(void* pData, WORD nColumn, wchar_t* pBuffer, WORD nSize);
  virtual void GetItemColor(LPDRAWITEMSTRUCT lpDrawItemStruct, COLORREF& crText, COLORREF& crBack);
  // One cell: its text, 5 pixels in, ended with an ellipsis when too long.
  virtual void DrawCustomItem(CDC* pDC, LPDRAWITEMSTRUCT lpDrawItemStruct, CRect& rect, int nColumn);

  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnNotifyReflect(NMHDR* pNMHDR, LRESULT* pResult) override;

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnColumnClick(NMLISTVIEW* pNMListView);

  BYTE m_bSortAscending;
  CUIScrollBar m_ScrollBar;
  CUIHeaderCtrl m_HeaderCtrl;

 private:
  struct SortSnapshot;
  struct SortRecord;
  static int CALLBACK CompareRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

  void SetUp();
  int ColumnCount() const;
  // The row bound to pData, or -1.
  int FindRow(void* pData) const;
  // ConstructString into buffer, always terminated.
  void ColumnText(void* pData, int nColumn, wchar_t (&buffer)[TEXT_SIZE]);
  // A cell's text as the list keeps it, cut at TEXT_SIZE - 1 characters.
  void ReadCell(int nRow, int nColumn, wchar_t (&buffer)[TEXT_SIZE]) const;
  // A row's text in a column (cut as the list keeps it), by its data.
  void RowText(LPARAM data, WORD nColumn, wchar_t (&buffer)[TEXT_SIZE]) const;

  // The texts of the column being sorted, read before the sort starts:
  // while it sorts, the list must not be asked for rows by their data.
  const SortSnapshot* m_pSortSnapshot;
};
