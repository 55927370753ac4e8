#include "DataObject.h"

#include "CImage.h"

namespace {

FORMATETC BitmapFormat() {
  FORMATETC format = {};
  format.cfFormat = CF_BITMAP;
  format.ptd = nullptr;
  format.dwAspect = DVASPECT_CONTENT;
  format.lindex = -1;
  format.tymed = TYMED_GDI;
  return format;
}

}  // namespace

CDataObject::CDataObject()
    : m_nRefCount(1), m_Medium(), m_Format(BitmapFormat()), m_pStorage(nullptr), m_pOleObject(nullptr),
      m_bOwnsMedium(false) {}

CDataObject::~CDataObject() {
  ReleaseObjects();
  ReleaseMedium();
}

// ------------------------------------------------------------------ IUnknown

STDMETHODIMP CDataObject::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
    *ppvObject = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  *ppvObject = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CDataObject::AddRef() { return ++m_nRefCount; }

STDMETHODIMP_(ULONG) CDataObject::Release() {
  const ULONG count = --m_nRefCount;
  if (count == 0) delete this;
  return count;
}

// ------------------------------------------------------------------ IDataObject

STDMETHODIMP CDataObject::GetData(FORMATETC*, STGMEDIUM* pmedium) {
  if (pmedium == nullptr) return E_POINTER;
  if (m_Medium.tymed != TYMED_GDI || m_Medium.hBitmap == nullptr) return E_HANDLE;
  HANDLE copy = ::OleDuplicateData(m_Medium.hBitmap, CF_BITMAP, 0);
  if (copy == nullptr) return E_HANDLE;
  pmedium->tymed = TYMED_GDI;
  pmedium->hBitmap = static_cast<HBITMAP>(copy);
  pmedium->pUnkForRelease = nullptr;
  return S_OK;
}

STDMETHODIMP CDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::QueryGetData(FORMATETC*) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::SetData(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease) {
  if (pformatetc == nullptr || pmedium == nullptr) return E_POINTER;
  ReleaseMedium();
  m_Format = *pformatetc;
  m_Medium = *pmedium;
  m_bOwnsMedium = fRelease != FALSE;
  return S_OK;
}

STDMETHODIMP CDataObject::EnumFormatEtc(DWORD, IEnumFORMATETC**) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::DUnadvise(DWORD) { return E_NOTIMPL; }

STDMETHODIMP CDataObject::EnumDAdvise(IEnumSTATDATA**) { return E_NOTIMPL; }

// ------------------------------------------------------------------ the picture

bool CDataObject::SetImage(HBITMAP hBitmap) {
  if (hBitmap == nullptr || m_pStorage || m_pOleObject) return false;
  ReleaseMedium();
  m_Medium.tymed = TYMED_GDI;
  m_Medium.hBitmap = hBitmap;
  m_Medium.pUnkForRelease = nullptr;
  m_Format = BitmapFormat();

  ILockBytes* bytes = nullptr;
  HRESULT hr = ::CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes);
  if (SUCCEEDED(hr))
    hr = ::StgCreateDocfileOnILockBytes(bytes, STGM_SHARE_EXCLUSIVE | STGM_CREATE | STGM_READWRITE, 0, &m_pStorage);
  // The storage keeps the lock bytes alive as long as it needs them.
  if (bytes) bytes->Release();
  if (SUCCEEDED(hr))
    hr = ::OleCreateStaticFromData(this, IID_IOleObject, OLERENDER_FORMAT, &m_Format, nullptr, m_pStorage,
                                   reinterpret_cast<void**>(&m_pOleObject));
  if (SUCCEEDED(hr)) hr = ::OleSetContainedObject(m_pOleObject, TRUE);
  if (SUCCEEDED(hr) && m_pOleObject) return true;
  ReleaseObjects();
  m_Medium = STGMEDIUM();
  return false;
}

HBITMAP CDataObject::GetBitmap() const { return m_Medium.tymed == TYMED_GDI ? m_Medium.hBitmap : nullptr; }

bool CDataObject::TakeImage(HBITMAP hBitmap) {
  if (hBitmap == nullptr) return false;
  if (!SetImage(hBitmap)) {
    ::DeleteObject(hBitmap);
    return false;
  }
  m_bOwnsMedium = true;
  return true;
}

bool CDataObject::LoadImageW(HINSTANCE hInstance, LPCWSTR lpszName) {
  return TakeImage(
      static_cast<HBITMAP>(::LoadImageW(hInstance, lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

bool CDataObject::LoadImageW(LPCWSTR lpszFileName) {
  if (lpszFileName == nullptr) return false;
  CImage image;
  if (FAILED(image.Load(lpszFileName))) return false;
  return TakeImage(image.Detach());
}

bool CDataObject::IntercalateReObject(REOBJECT& reobject, IOleClientSite* pClientSite) {
  if (GetBitmap() == nullptr || m_pOleObject == nullptr || m_pStorage == nullptr) return false;
  reobject = REOBJECT();
  // The structure's own size for this pointer width (56 bytes on 32-bit
  // Windows); the control refuses any other.
  reobject.cbStruct = sizeof(REOBJECT);
  reobject.cp = REO_CP_SELECTION;
  reobject.poleobj = m_pOleObject;
  reobject.pstg = m_pStorage;
  reobject.polesite = pClientSite;
  reobject.dvaspect = DVASPECT_CONTENT;
  m_pOleObject->GetUserClassID(&reobject.clsid);
  return true;
}

void CDataObject::ReleaseObjects() {
  if (m_pOleObject) m_pOleObject->Release();
  m_pOleObject = nullptr;
  if (m_pStorage) m_pStorage->Release();
  m_pStorage = nullptr;
}

void CDataObject::ReleaseMedium() {
  if (m_bOwnsMedium) ::ReleaseStgMedium(&m_Medium);
  m_Medium = STGMEDIUM();
  m_bOwnsMedium = false;
}
