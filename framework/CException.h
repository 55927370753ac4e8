// The framework's exceptions. They are thrown as pointers to heap objects and
// the catcher owns them:
//
//   try { ... } catch (CException* e) { e->Delete(); }
//
// They never leave a library: every entry point that a host calls catches them.
#pragma once

#include <windows.h>

class CException {
public:
  virtual ~CException() = default;
  // Frees the exception; call it once in the handler that caught it.
  void Delete() { delete this; }
  // Describes the failure into a bounded buffer; false when there is nothing to say.
  virtual BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

protected:
  CException() = default;
};

class CMemoryException : public CException {
public:
  BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

class CResourceException : public CException {
public:
  BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
