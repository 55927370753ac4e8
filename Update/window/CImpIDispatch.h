// The scripting object that hosted browser controls get as their "external"
// object. It knows one name, answers one property and is owned by the
// application: its reference count never deletes it.
#pragma once

#include <windows.h>
#include <oaidl.h>

class CImpIDispatch : public IDispatch {
public:
  static const DISPID kDispId = 12345;

  CImpIDispatch();
  virtual ~CImpIDispatch() = default;

  ULONG GetRefCount() const { return m_cRef; }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDispatch
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
  STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                      VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

private:
  ULONG m_cRef;
};
