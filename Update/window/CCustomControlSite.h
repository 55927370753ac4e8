// The site of a control hosted by one of the updater's windows. Besides being
// a site it answers IDocHostUIHandler, so a hosted browser shows no context
// menu and no 3-D border, and finds the application's scripting object as its
// "external" object. The handler's reference counting and QueryInterface go
// to the site; the site belongs to its container, which deletes it.
#pragma once

#include <windows.h>
#include <mshtmhst.h>

class CWnd;

class CCustomControlSite {
public:
  CCustomControlSite(CWnd* pContainer, IDispatch* pExternal);
  virtual ~CCustomControlSite() = default;
  CCustomControlSite(const CCustomControlSite&) = delete;
  CCustomControlSite& operator=(const CCustomControlSite&) = delete;

  CWnd* GetContainer() const { return m_pContainer; }
  ULONG GetRefCount() const { return m_cRef; }

  // The site's interface map: IUnknown and IDocHostUIHandler.
  HRESULT ExternalQueryInterface(REFIID riid, void** ppv);
  ULONG ExternalAddRef();
  ULONG ExternalRelease();

  IDocHostUIHandler* GetDocHostUIHandler() { return &m_xDocHostUIHandler; }

private:
  class XDocHostUIHandler : public IDocHostUIHandler {
  public:
    explicit XDocHostUIHandler(CCustomControlSite* pSite) : m_pSite(pSite) {}
    virtual ~XDocHostUIHandler() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP ShowContextMenu(DWORD dwID, POINT* ppt, IUnknown* pcmdtReserved, IDispatch* pdispReserved) override;
    STDMETHODIMP GetHostInfo(DOCHOSTUIINFO* pInfo) override;
    STDMETHODIMP ShowUI(DWORD dwID, IOleInPlaceActiveObject* pActiveObject, IOleCommandTarget* pCommandTarget,
                        IOleInPlaceFrame* pFrame, IOleInPlaceUIWindow* pDoc) override;
    STDMETHODIMP HideUI() override;
    STDMETHODIMP UpdateUI() override;
    STDMETHODIMP EnableModeless(BOOL fEnable) override;
    STDMETHODIMP OnDocWindowActivate(BOOL fActivate) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL fActivate) override;
    STDMETHODIMP ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fRameWindow) override;
    STDMETHODIMP TranslateAccelerator(LPMSG lpMsg, const GUID* pguidCmdGroup, DWORD nCmdID) override;
    STDMETHODIMP GetOptionKeyPath(LPOLESTR* pchKey, DWORD dw) override;
    STDMETHODIMP GetDropTarget(IDropTarget* pDropTarget, IDropTarget** ppDropTarget) override;
    STDMETHODIMP GetExternal(IDispatch** ppDispatch) override;
    STDMETHODIMP TranslateUrl(DWORD dwTranslate, OLECHAR* pchURLIn, OLECHAR** ppchURLOut) override;
    STDMETHODIMP FilterDataObject(IDataObject* pDO, IDataObject** ppDORet) override;

  private:
    CCustomControlSite* m_pSite;
  };

  // IUnknown of the site itself.
  class XUnknown : public IUnknown {
  public:
    explicit XUnknown(CCustomControlSite* pSite) : m_pSite(pSite) {}
    virtual ~XUnknown() = default;
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override { return m_pSite->ExternalQueryInterface(riid, ppv); }
    STDMETHODIMP_(ULONG) AddRef() override { return m_pSite->ExternalAddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return m_pSite->ExternalRelease(); }

  private:
    CCustomControlSite* m_pSite;
  };

  CWnd* m_pContainer;
  IDispatch* m_pExternal;
  ULONG m_cRef;
  XUnknown m_xUnknown;
  XDocHostUIHandler m_xDocHostUIHandler;
};
