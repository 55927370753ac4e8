// CDataObject: the smallest IDataObject that hands out one bitmap, enough to
// embed the bitmap in a rich edit as a static OLE picture (SetImage makes
// the picture object and its storage, IntercalateReObject describes it for
// IRichEditOle::InsertObject).
//
// Reference counting follows COM: a new object holds one reference, owned by
// its creator, and Release frees it when the last one goes. Use on one
// thread only (the count is not interlocked).
#pragma once

#include <windows.h>
#include <ole2.h>
#include <richole.h>

#include "SkinctlApi.h"

class SKINCTL_API CDataObject : public IDataObject {
 public:
  CDataObject();
  // Copies would release the same storage and picture object twice.
  CDataObject(const CDataObject&) = delete;
  CDataObject& operator=(const CDataObject&) = delete;

  // IUnknown: IUnknown and IDataObject are answered with the object itself.
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // IDataObject: GetData hands out a copy of the bitmap whatever was asked
  // for; SetData keeps what it is given; the rest is not implemented.
  STDMETHODIMP GetData(FORMATETC* pformatetcIn, STGMEDIUM* pmedium) override;
  STDMETHODIMP GetDataHere(FORMATETC* pformatetc, STGMEDIUM* pmedium) override;
  STDMETHODIMP QueryGetData(FORMATETC* pformatetc) override;
  STDMETHODIMP GetCanonicalFormatEtc(FORMATETC* pformatectIn, FORMATETC* pformatetcOut) override;
  STDMETHODIMP SetData(FORMATETC* pformatetc, STGMEDIUM* pmedium, BOOL fRelease) override;
  STDMETHODIMP EnumFormatEtc(DWORD dwDirection, IEnumFORMATETC** ppenumFormatEtc) override;
  STDMETHODIMP DAdvise(FORMATETC* pformatetc, DWORD advf, IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
  STDMETHODIMP DUnadvise(DWORD dwConnection) override;
  STDMETHODIMP EnumDAdvise(IEnumSTATDATA** ppenumAdvise) override;

  // Makes the static picture object of the bitmap (not owned: it must live as
  // long as this object); false when the object already has one or OLE fails.
  bool SetImage(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  // A bitmap resource, or an image file decoded through the framework's
  // image class; the object owns the bitmap it loads. True once the picture
  // object exists.
  bool LoadImageW(HINSTANCE hInstance, LPCWSTR lpszName);
  bool LoadImageW(LPCWSTR lpszFileName);
  // Describes the picture for IRichEditOle::InsertObject at the selection;
  // false until SetImage succeeded.
  bool IntercalateReObject(REOBJECT& reobject, IOleClientSite* pClientSite);

 protected:
  virtual ~CDataObject();

 private:
  // SetImage for a bitmap the object owns from then on (freed on failure).
  bool TakeImage(HBITMAP hBitmap);
  void ReleaseObjects();
  void ReleaseMedium();

  ULONG m_nRefCount;
  STGMEDIUM m_Medium;
  FORMATETC m_Format;
  IStorage* m_pStorage;
  IOleObject* m_pOleObject;
  bool m_bOwnsMedium;
};
