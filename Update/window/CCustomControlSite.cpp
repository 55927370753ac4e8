#include "CCustomControlSite.h"

CCustomControlSite::CCustomControlSite(CWnd* pContainer, IDispatch* pExternal)
    : m_pContainer(pContainer), m_pExternal(pExternal), m_cRef(0), m_xUnknown(this), m_xDocHostUIHandler(this) {}

HRESULT CCustomControlSite::ExternalQueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) {
    return E_POINTER;
  }
  *ppv = nullptr;
  if (IsEqualIID(riid, IID_IUnknown)) {
    *ppv = static_cast<IUnknown*>(&m_xUnknown);
  } else if (IsEqualIID(riid, IID_IDocHostUIHandler)) {
    *ppv = static_cast<IDocHostUIHandler*>(&m_xDocHostUIHandler);
  } else {
    return E_NOINTERFACE;
  }
  ExternalAddRef();
  return S_OK;
}

ULONG CCustomControlSite::ExternalAddRef() {
  return ++m_cRef;
}

ULONG CCustomControlSite::ExternalRelease() {
  // The container owns the site; the count only tracks outstanding pointers.
  if (m_cRef > 0) {
    --m_cRef;
  }
  return m_cRef;
}

// --- IDocHostUIHandler, in the order of its slots

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::QueryInterface(REFIID riid, void** ppv) {
  return m_pSite->ExternalQueryInterface(riid, ppv);
}

STDMETHODIMP_(ULONG) CCustomControlSite::XDocHostUIHandler::AddRef() {
  return m_pSite->ExternalAddRef();
}

STDMETHODIMP_(ULONG) CCustomControlSite::XDocHostUIHandler::Release() {
  return m_pSite->ExternalRelease();
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) {
  return S_OK;  // handled: no context menu
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* pInfo) {
  if (pInfo == nullptr) {
    return E_POINTER;
  }
  pInfo->dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
  pInfo->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  return S_OK;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*,
                                                           IOleInPlaceFrame*, IOleInPlaceUIWindow*) {
  return S_OK;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::HideUI() {
  return S_OK;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::UpdateUI() {
  return S_OK;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::EnableModeless(BOOL) {
  return E_NOTIMPL;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::OnDocWindowActivate(BOOL) {
  return E_NOTIMPL;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::OnFrameWindowActivate(BOOL) {
  return E_NOTIMPL;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
  return E_NOTIMPL;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::TranslateAccelerator(LPMSG, const GUID*, DWORD) {
  return S_FALSE;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::GetOptionKeyPath(LPOLESTR*, DWORD) {
  return E_NOTIMPL;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::GetDropTarget(IDropTarget*, IDropTarget**) {
  return E_NOTIMPL;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::GetExternal(IDispatch** ppDispatch) {
  if (ppDispatch == nullptr) {
    return E_POINTER;
  }
  *ppDispatch = m_pSite->m_pExternal;
  if (*ppDispatch != nullptr) {
    (*ppDispatch)->AddRef();
  }
  return S_OK;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::TranslateUrl(DWORD, OLECHAR*, OLECHAR**) {
  return E_NOTIMPL;
}

STDMETHODIMP CCustomControlSite::XDocHostUIHandler::FilterDataObject(IDataObject*, IDataObject**) {
  return E_NOTIMPL;
}
