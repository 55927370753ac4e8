#include "CRichEditCtrl.h"

#include "AfxControls.h"

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  if (!AfxInitRichEdit2()) return FALSE;
  return CWnd::Create(RICHEDIT_CLASSW, nullptr, dwStyle, rect, pParentWnd, nID);
}

IRichEditOle* CRichEditCtrl::GetIRichEditOle() const {
  IRichEditOle* pOle = nullptr;
  SendMessage(EM_GETOLEINTERFACE, 0, reinterpret_cast<LPARAM>(&pOle));
  return pOle;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
  CHARRANGE cr = {nStartChar, nEndChar};
  SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
  CHARRANGE cr = {0, 0};
  SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
  nStartChar = cr.cpMin;
  nEndChar = cr.cpMax;
}

long CRichEditCtrl::GetTextRange(int nFirst, int nLast, CString& refString) const {
  refString.Empty();
  if (nLast < nFirst) return 0;
  TEXTRANGEW tr = {};
  tr.chrg.cpMin = nFirst;
  tr.chrg.cpMax = nLast;
  tr.lpstrText = refString.GetBufferSetLength(nLast - nFirst + 1);
  long n = static_cast<long>(SendMessage(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr)));
  refString.ReleaseBuffer(n < 0 ? 0 : static_cast<int>(n));
  return n;
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT2W& cf) {
  cf.cbSize = sizeof(cf);
  return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf)));
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2W& cf) {
  cf.cbSize = sizeof(cf);
  return static_cast<BOOL>(SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2W& cf) const {
  cf.cbSize = sizeof(cf);
  return static_cast<DWORD>(SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)));
}

BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT2& pf) {
  pf.cbSize = sizeof(pf);
  return static_cast<BOOL>(SendMessage(EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)));
}
