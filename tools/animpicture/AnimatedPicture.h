// CAnimatedPicture: a picture loaded from a file that a container embeds as
// an OLE object. It hands its current frame out as a bitmap (IDataObject,
// which is how Wine's rich edit draws objects) and draws it (IViewObject2,
// which is how Windows' does). An animated GIF steps through its frames on a
// timer of the thread that loaded it and has the container redraw: through
// the view's advise sink when one is set, and by invalidating the client
// site's window.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "AnimatedPictureIds.h"
#include "PictureFrames.h"

class CAnimatedPicture : public IAnimatedPicture, public IOleObject, public IDataObject, public IViewObject2 {
 public:
  CAnimatedPicture();
  CAnimatedPicture(const CAnimatedPicture&) = delete;
  CAnimatedPicture& operator=(const CAnimatedPicture&) = delete;

  // Objects alive in the process (the server stays loaded while any is).
  static LONG LiveObjects();

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDispatch: no type information; nothing to invoke by name.
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
  STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                      VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

  // IAnimatedPicture
  STDMETHODIMP LoadFromFile(BSTR bstrFileName) override;
  STDMETHODIMP GetFrameCount(LONG* pnCount) override;
  STDMETHODIMP GetCurrentFrame(LONG* pnFrame) override;

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* pClientSite) override;
  STDMETHODIMP GetClientSite(IOleClientSite** ppClientSite) override;
  STDMETHODIMP SetHostNames(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) override;
  STDMETHODIMP Close(DWORD dwSaveOption) override;
  STDMETHODIMP SetMoniker(DWORD dwWhichMoniker, IMoniker* pmk) override;
  STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
  STDMETHODIMP InitFromData(IDataObject* pDataObject, BOOL fCreation, DWORD dwReserved) override;
  STDMETHODIMP GetClipboardData(DWORD dwReserved, IDataObject** ppDataObject) override;
  STDMETHODIMP DoVerb(LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex, HWND hwndParent,
                      LPCRECT lprcPosRect) override;
  STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
  STDMETHODIMP Update() override;
  STDMETHODIMP IsUpToDate() override;
  STDMETHODIMP GetUserClassID(CLSID* pClsid) override;
  STDMETHODIMP GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) override;
  STDMETHODIMP SetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
  STDMETHODIMP GetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
  STDMETHODIMP Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
  STDMETHODIMP Unadvise(DWORD dwConnection) override;
  STDMETHODIMP EnumAdvise(IEnumSTATDATA** ppenumAdvise) override;
  STDMETHODIMP GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) override;
  STDMETHODIMP SetColorScheme(LOGPALETTE* pLogpal) override;

  // IDataObject: the current frame as CF_BITMAP in a TYMED_GDI medium.
  STDMETHODIMP GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;
  STDMETHODIMP GetDataHere(FORMATETC* pformatetc, STGMEDIUM* pmedium) override;
  STDMETHODIMP QueryGetData(FORMATETC* pformatetc) override;
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* pformatectIn, FORMATETC* pformatetcOut) override;
  STDMETHODIMP SetData(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease) override;
  STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) override;
  STDMETHODIMP DAdvise(FORMATETC* pformatetc, DWORD advf, IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
  STDMETHODIMP DUnadvise(DWORD dwConnection) override;
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA** ppenumAdvise) override;

  // IViewObject2
  STDMETHODIMP Draw(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hdcTargetDev,
                    HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL lprcWBounds, BOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR),
                    ULONG_PTR dwContinue) override;
  STDMETHODIMP GetColorSet(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hicTargetDev,
                           LOGPALETTE** ppColorSet) override;
  STDMETHODIMP Freeze(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DWORD* pdwFreeze) override;
  STDMETHODIMP Unfreeze(DWORD dwFreeze) override;
  STDMETHODIMP SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) override;
  STDMETHODIMP GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
  STDMETHODIMP GetExtent(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE* ptd, LPSIZEL lpsizel) override;

 private:
  virtual ~CAnimatedPicture();

  static void CALLBACK OnTimer(HWND hwnd, UINT message, UINT_PTR idEvent, DWORD dwTime);
  void StartTimer();
  void StopTimer();
  void NextFrame();
  // The picture's size in hundredths of a millimetre at the screen's
  // resolution.
  SIZEL HimetricSize() const;

  LONG m_nRefCount;
  PictureFrames m_Frames;
  size_t m_nFrame;
  UINT_PTR m_nTimer;
  IOleClientSite* m_pClientSite;
  IAdviseSink* m_pViewSink;
  DWORD m_dwViewAspects;
  DWORD m_dwViewAdvf;
};
