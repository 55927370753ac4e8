// CRichEditCtrl: a rich-edit (version 2) control. Create loads the control
// library the first time.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <richole.h>

#include "CWnd.h"

class CRichEditCtrl : public CWnd {
public:
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  DWORD SetEventMask(DWORD dwEventMask) { return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, static_cast<LPARAM>(dwEventMask))); }
  DWORD GetEventMask() const { return static_cast<DWORD>(SendMessage(EM_GETEVENTMASK)); }
  UINT SetOptions(WORD wOp, DWORD dwFlags) { return static_cast<UINT>(SendMessage(EM_SETOPTIONS, wOp, static_cast<LPARAM>(dwFlags))); }
  UINT GetOptions() const { return static_cast<UINT>(SendMessage(EM_GETOPTIONS)); }
  // The control's OLE interface, AddRef'ed (the caller releases it); null on failure.
  IRichEditOle* GetIRichEditOle() const;
  void SetSel(long nStartChar, long nEndChar);
  void GetSel(long& nStartChar, long& nEndChar) const;
  void ReplaceSel(LPCWSTR lpszNewText, BOOL bCanUndo = FALSE) {
    SendMessage(EM_REPLACESEL, bCanUndo, reinterpret_cast<LPARAM>(lpszNewText));
  }
  WORD GetSelectionType() const { return static_cast<WORD>(SendMessage(EM_SELECTIONTYPE)); }
  long GetTextLength() const { return static_cast<long>(SendMessage(WM_GETTEXTLENGTH)); }
  long GetTextRange(int nFirst, int nLast, CString& refString) const;
  BOOL SetDefaultCharFormat(CHARFORMAT2W& cf);
  BOOL SetSelectionCharFormat(CHARFORMAT2W& cf);
  DWORD GetSelectionCharFormat(CHARFORMAT2W& cf) const;
  BOOL SetParaFormat(PARAFORMAT2& pf);
  COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr) {
    return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, bSysColor, static_cast<LPARAM>(cr)));
  }
  void LimitText(long nChars = 0) { SendMessage(EM_EXLIMITTEXT, 0, nChars); }
  int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
  int GetFirstVisibleLine() const { return static_cast<int>(SendMessage(EM_GETFIRSTVISIBLELINE)); }
  void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, static_cast<WPARAM>(nChars), nLines); }
  BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, bReadOnly)); }
  long StreamIn(int nFormat, EDITSTREAM& es) { return static_cast<long>(SendMessage(EM_STREAMIN, static_cast<WPARAM>(nFormat), reinterpret_cast<LPARAM>(&es))); }
  long StreamOut(int nFormat, EDITSTREAM& es) { return static_cast<long>(SendMessage(EM_STREAMOUT, static_cast<WPARAM>(nFormat), reinterpret_cast<LPARAM>(&es))); }
  void Copy() { SendMessage(WM_COPY); }
};
