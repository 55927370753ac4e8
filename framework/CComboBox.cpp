#include "CComboBox.h"

#include "AfxControls.h"

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(L"COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetLBText(int nIndex, CString& rString) const {
  rString.Empty();
  int n = GetLBTextLen(nIndex);
  if (n == CB_ERR) return CB_ERR;
  int got = static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex),
                                         reinterpret_cast<LPARAM>(rString.GetBufferSetLength(n + 1))));
  rString.ReleaseBuffer(got == CB_ERR ? 0 : got);
  return got;
}

BOOL CComboBox::GetComboBoxInfo(PCOMBOBOXINFO pcbi) const {
  if (!pcbi) return FALSE;
  pcbi->cbSize = sizeof(COMBOBOXINFO);
  return ::GetComboBoxInfo(m_hWnd, pcbi);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (AfxReflectOwnerDrawList(*this, message, lParam, pResult)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
