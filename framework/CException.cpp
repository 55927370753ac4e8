#include "CException.h"

#include "CString.h"

BOOL CException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  if (lpszError && nMaxError) lpszError[0] = L'\0';
  return FALSE;
}

BOOL CMemoryException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  AfxFormatBuffer(lpszError, nMaxError, L"Out of memory.");
  return TRUE;
}

BOOL CResourceException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  AfxFormatBuffer(lpszError, nMaxError, L"A required resource was unavailable.");
  return TRUE;
}

void AfxThrowMemoryException() { throw new CMemoryException(); }

void AfxThrowResourceException() { throw new CResourceException(); }
