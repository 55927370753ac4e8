#include "CImpIDispatch.h"

#include <oleauto.h>

namespace {

const wchar_t kKnownName[] = L"xxyyzz";
const int kComparedChars = 3;

}  // namespace

CImpIDispatch::CImpIDispatch() : m_cRef(0) {}

STDMETHODIMP CImpIDispatch::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) {
    return E_POINTER;
  }
  *ppv = nullptr;
  if (IsEqualIID(riid, IID_IDispatch)) {
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CImpIDispatch::AddRef() {
  return ++m_cRef;
}

STDMETHODIMP_(ULONG) CImpIDispatch::Release() {
  // The application owns the object; reaching zero only means no control holds it.
  if (m_cRef > 0) {
    --m_cRef;
  }
  return m_cRef;
}

STDMETHODIMP CImpIDispatch::GetTypeInfoCount(UINT*) {
  return E_NOTIMPL;
}

STDMETHODIMP CImpIDispatch::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return E_NOTIMPL;
}

STDMETHODIMP CImpIDispatch::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) {
  if (cNames > 0 && (rgszNames == nullptr || rgDispId == nullptr)) {
    return E_POINTER;
  }
  HRESULT hr = S_OK;
  for (UINT i = 0; i < cNames; ++i) {
    const wchar_t* name = rgszNames[i] != nullptr ? rgszNames[i] : L"";
    // Only the first three characters count; a shorter name is compared whole.
    int length = lstrlenW(name) < kComparedChars ? lstrlenW(name) : kComparedChars;
    if (CompareStringW(lcid, NORM_IGNOREWIDTH, name, length, kKnownName, kComparedChars) == CSTR_EQUAL) {
      rgDispId[i] = kDispId;
    } else {
      rgDispId[i] = DISPID_UNKNOWN;
      hr = DISP_E_UNKNOWNNAME;
    }
  }
  return hr;
}

STDMETHODIMP CImpIDispatch::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*, VARIANT* pVarResult,
                                   EXCEPINFO*, UINT*) {
  if (dispIdMember == kDispId && (wFlags & DISPATCH_PROPERTYGET) != 0 && pVarResult != nullptr) {
    VariantInit(pVarResult);
    pVarResult->vt = VT_BSTR;
    pVarResult->bstrVal = SysAllocString(L"Wibble");
  }
  return S_OK;
}
