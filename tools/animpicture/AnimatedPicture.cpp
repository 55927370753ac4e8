#include "AnimatedPicture.h"

#include <map>

namespace {

LONG g_nLiveObjects = 0;

// The running animations of this thread's timers, by timer id.
std::map<UINT_PTR, CAnimatedPicture*>& Timers() {
  static std::map<UINT_PTR, CAnimatedPicture*> timers;
  return timers;
}

bool AsksForBitmap(const FORMATETC* format) {
  return format && format->cfFormat == CF_BITMAP && (format->tymed & TYMED_GDI) != 0 &&
         (format->dwAspect == 0 || format->dwAspect == DVASPECT_CONTENT);
}

}  // namespace

const CLSID CLSID_AnimatedPicture = {0x06ADA938, 0x0FB0, 0x4BC0, {0xB1, 0x9B, 0x0A, 0x38, 0xAB, 0x17, 0xF1, 0x82}};
const IID IID_IAnimatedPicture = {0x0C1CF2DF, 0x05A3, 0x4FEF, {0x8C, 0xD4, 0xF5, 0xCF, 0xC4, 0x35, 0x5A, 0x16}};

CAnimatedPicture::CAnimatedPicture()
    : m_nRefCount(1), m_nFrame(0), m_nTimer(0), m_pClientSite(nullptr), m_pViewSink(nullptr), m_dwViewAspects(0),
      m_dwViewAdvf(0) {
  ::InterlockedIncrement(&g_nLiveObjects);
}

CAnimatedPicture::~CAnimatedPicture() {
  StopTimer();
  if (m_pClientSite) m_pClientSite->Release();
  if (m_pViewSink) m_pViewSink->Release();
  ::InterlockedDecrement(&g_nLiveObjects);
}

LONG CAnimatedPicture::LiveObjects() { return g_nLiveObjects; }

// ------------------------------------------------------------------ IUnknown

STDMETHODIMP CAnimatedPicture::QueryInterface(REFIID riid, void** ppv) {
  if (ppv == nullptr) return E_POINTER;
  *ppv = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, IID_IAnimatedPicture))
    *ppv = static_cast<IAnimatedPicture*>(this);
  else if (IsEqualIID(riid, IID_IOleObject))
    *ppv = static_cast<IOleObject*>(this);
  else if (IsEqualIID(riid, IID_IDataObject))
    *ppv = static_cast<IDataObject*>(this);
  else if (IsEqualIID(riid, IID_IViewObject) || IsEqualIID(riid, IID_IViewObject2))
    *ppv = static_cast<IViewObject2*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CAnimatedPicture::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefCount)); }

STDMETHODIMP_(ULONG) CAnimatedPicture::Release() {
  const LONG count = ::InterlockedDecrement(&m_nRefCount);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

// ------------------------------------------------------------------ IDispatch

STDMETHODIMP CAnimatedPicture::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo == nullptr) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo) *ppTInfo = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP CAnimatedPicture::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

STDMETHODIMP CAnimatedPicture::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return DISP_E_MEMBERNOTFOUND;
}

// ------------------------------------------------------------------ IAnimatedPicture

STDMETHODIMP CAnimatedPicture::LoadFromFile(BSTR bstrFileName) {
  if (bstrFileName == nullptr) return E_INVALIDARG;
  if (m_Frames.Count() > 0) return E_UNEXPECTED;
  if (!m_Frames.Load(bstrFileName)) return E_FAIL;
  m_nFrame = 0;
  StartTimer();
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetFrameCount(LONG* pnCount) {
  if (pnCount == nullptr) return E_POINTER;
  *pnCount = static_cast<LONG>(m_Frames.Count());
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetCurrentFrame(LONG* pnFrame) {
  if (pnFrame == nullptr) return E_POINTER;
  *pnFrame = static_cast<LONG>(m_nFrame);
  return S_OK;
}

// ------------------------------------------------------------------ animation

void CAnimatedPicture::StartTimer() {
  StopTimer();
  if (m_Frames.Count() < 2) return;
  m_nTimer = ::SetTimer(nullptr, 0, m_Frames.Delay(m_nFrame), OnTimer);
  if (m_nTimer) Timers()[m_nTimer] = this;
}

void CAnimatedPicture::StopTimer() {
  if (m_nTimer == 0) return;
  ::KillTimer(nullptr, m_nTimer);
  Timers().erase(m_nTimer);
  m_nTimer = 0;
}

void CALLBACK CAnimatedPicture::OnTimer(HWND, UINT, UINT_PTR idEvent, DWORD) {
  auto found = Timers().find(idEvent);
  if (found == Timers().end()) {
    ::KillTimer(nullptr, idEvent);
    return;
  }
  // Kept alive while the container hears of the new frame.
  CAnimatedPicture* picture = found->second;
  picture->AddRef();
  picture->NextFrame();
  picture->Release();
}

void CAnimatedPicture::NextFrame() {
  m_nFrame = (m_nFrame + 1) % m_Frames.Count();
  // Each frame stays for its own delay.
  StartTimer();
  if (m_pViewSink) m_pViewSink->OnViewChange(DVASPECT_CONTENT, -1);
  if (m_pClientSite) {
    IOleWindow* window = nullptr;
    if (SUCCEEDED(m_pClientSite->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window))) && window) {
      HWND hwnd = nullptr;
      if (SUCCEEDED(window->GetWindow(&hwnd)) && hwnd) ::InvalidateRect(hwnd, nullptr, FALSE);
      window->Release();
    }
  }
}

SIZEL CAnimatedPicture::HimetricSize() const {
  const SIZE size = m_Frames.Size();
  HDC screen = ::GetDC(nullptr);
  const int dpiX = screen ? ::GetDeviceCaps(screen, LOGPIXELSX) : 96;
  const int dpiY = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ::ReleaseDC(nullptr, screen);
  return SIZEL{::MulDiv(size.cx, 2540, dpiX > 0 ? dpiX : 96), ::MulDiv(size.cy, 2540, dpiY > 0 ? dpiY : 96)};
}

// ------------------------------------------------------------------ IOleObject

STDMETHODIMP CAnimatedPicture::SetClientSite(IOleClientSite* pClientSite) {
  if (pClientSite) pClientSite->AddRef();
  if (m_pClientSite) m_pClientSite->Release();
  m_pClientSite = pClientSite;
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetClientSite(IOleClientSite** ppClientSite) {
  if (ppClientSite == nullptr) return E_POINTER;
  *ppClientSite = m_pClientSite;
  if (m_pClientSite) m_pClientSite->AddRef();
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP CAnimatedPicture::Close(DWORD) {
  StopTimer();
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP CAnimatedPicture::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
  if (ppmk) *ppmk = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CAnimatedPicture::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP CAnimatedPicture::GetClipboardData(DWORD, IDataObject** ppDataObject) {
  if (ppDataObject) *ppDataObject = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CAnimatedPicture::DoVerb(LONG iVerb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) {
  // Nothing to open or edit: showing it is all there is.
  return iVerb == OLEIVERB_SHOW || iVerb == OLEIVERB_PRIMARY ? S_OK : OLEOBJ_S_INVALIDVERB;
}

STDMETHODIMP CAnimatedPicture::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) {
  if (ppEnumOleVerb) *ppEnumOleVerb = nullptr;
  return OLEOBJ_E_NOVERBS;
}

STDMETHODIMP CAnimatedPicture::Update() { return S_OK; }

STDMETHODIMP CAnimatedPicture::IsUpToDate() { return S_OK; }

STDMETHODIMP CAnimatedPicture::GetUserClassID(CLSID* pClsid) {
  if (pClsid == nullptr) return E_POINTER;
  *pClsid = CLSID_AnimatedPicture;
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetUserType(DWORD, LPOLESTR* pszUserType) {
  if (pszUserType) *pszUserType = nullptr;
  return OLE_S_USEREG;
}

STDMETHODIMP CAnimatedPicture::SetExtent(DWORD, SIZEL*) { return E_NOTIMPL; }

STDMETHODIMP CAnimatedPicture::GetExtent(DWORD dwDrawAspect, SIZEL* psizel) {
  if (psizel == nullptr) return E_POINTER;
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (m_Frames.Count() == 0) return OLE_E_BLANK;
  *psizel = HimetricSize();
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::Advise(IAdviseSink*, DWORD* pdwConnection) {
  if (pdwConnection) *pdwConnection = 0;
  return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP CAnimatedPicture::Unadvise(DWORD) { return OLE_E_NOCONNECTION; }

STDMETHODIMP CAnimatedPicture::EnumAdvise(IEnumSTATDATA** ppenumAdvise) {
  if (ppenumAdvise) *ppenumAdvise = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CAnimatedPicture::GetMiscStatus(DWORD, DWORD* pdwStatus) {
  if (pdwStatus == nullptr) return E_POINTER;
  *pdwStatus = 0;
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// ------------------------------------------------------------------ IDataObject

STDMETHODIMP CAnimatedPicture::GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) {
  if (pformatetcIn == nullptr || pmedium == nullptr) return E_POINTER;
  if (!AsksForBitmap(pformatetcIn)) return DV_E_FORMATETC;
  HBITMAP frame = m_Frames.Bitmap(m_nFrame);
  if (frame == nullptr) return OLE_E_BLANK;
  HANDLE copy = ::OleDuplicateData(frame, CF_BITMAP, 0);
  if (copy == nullptr) return E_OUTOFMEMORY;
  pmedium->tymed = TYMED_GDI;
  pmedium->hBitmap = static_cast<HBITMAP>(copy);
  pmedium->pUnkForRelease = nullptr;
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

STDMETHODIMP CAnimatedPicture::QueryGetData(FORMATETC* pformatetc) {
  if (pformatetc == nullptr) return E_POINTER;
  return AsksForBitmap(pformatetc) ? S_OK : DV_E_FORMATETC;
}

STDMETHODIMP CAnimatedPicture::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pformatetcOut) {
  if (pformatetcOut) pformatetcOut->ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

STDMETHODIMP CAnimatedPicture::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

STDMETHODIMP CAnimatedPicture::EnumFormatEtc(DWORD, IEnumFORMATETC** ppenumFormatEtc) {
  if (ppenumFormatEtc) *ppenumFormatEtc = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP CAnimatedPicture::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD* pdwConnection) {
  if (pdwConnection) *pdwConnection = 0;
  return OLE_E_ADVISENOTSUPPORTED;
}

STDMETHODIMP CAnimatedPicture::DUnadvise(DWORD) { return OLE_E_NOCONNECTION; }

STDMETHODIMP CAnimatedPicture::EnumDAdvise(IEnumSTATDATA** ppenumAdvise) {
  if (ppenumAdvise) *ppenumAdvise = nullptr;
  return OLE_E_ADVISENOTSUPPORTED;
}

// ------------------------------------------------------------------ IViewObject2

STDMETHODIMP CAnimatedPicture::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw,
                                    LPCRECTL lprcBounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (hdcDraw == nullptr || lprcBounds == nullptr) return E_INVALIDARG;
  HBITMAP frame = m_Frames.Bitmap(m_nFrame);
  if (frame == nullptr) return OLE_E_BLANK;
  HDC source = ::CreateCompatibleDC(hdcDraw);
  if (source == nullptr) return E_OUTOFMEMORY;
  HGDIOBJ old = ::SelectObject(source, frame);
  const SIZE size = m_Frames.Size();
  const int oldMode = ::SetStretchBltMode(hdcDraw, COLORONCOLOR);
  ::StretchBlt(hdcDraw, lprcBounds->left, lprcBounds->top, lprcBounds->right - lprcBounds->left,
               lprcBounds->bottom - lprcBounds->top, source, 0, 0, size.cx, size.cy, SRCCOPY);
  ::SetStretchBltMode(hdcDraw, oldMode);
  ::SelectObject(source, old);
  ::DeleteDC(source);
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet) {
  if (ppColorSet) *ppColorSet = nullptr;
  return S_FALSE;
}

STDMETHODIMP CAnimatedPicture::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }

STDMETHODIMP CAnimatedPicture::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP CAnimatedPicture::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) {
  if (pAdvSink) pAdvSink->AddRef();
  if (m_pViewSink) m_pViewSink->Release();
  m_pViewSink = pAdvSink;
  m_dwViewAspects = aspects;
  m_dwViewAdvf = advf;
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) {
  if (pAspects) *pAspects = m_dwViewAspects;
  if (pAdvf) *pAdvf = m_dwViewAdvf;
  if (ppAdvSink) {
    *ppAdvSink = m_pViewSink;
    if (m_pViewSink) m_pViewSink->AddRef();
  }
  return S_OK;
}

STDMETHODIMP CAnimatedPicture::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel) {
  return GetExtent(dwDrawAspect, lpsizel);
}
