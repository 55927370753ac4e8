// The embedded-browser hooks: the scripting object's one name and property,
// and the answers of the control site's IDocHostUIHandler.
#include <gtest/gtest.h>

#include "CCustomControlSite.h"
#include "CCustomOccManager.h"
#include "CImpIDispatch.h"

namespace {

DISPID IdOf(CImpIDispatch& dispatch, const wchar_t* name, HRESULT* hr) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPID id = 0;
  *hr = dispatch.GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

TEST(ImpIDispatch, KnowsOnlyNamesStartingLikeItsOwn) {
  CImpIDispatch dispatch;
  HRESULT hr;
  EXPECT_EQ(12345, IdOf(dispatch, L"xxyyzz", &hr));
  EXPECT_EQ(S_OK, hr);
  // Only the first three characters count; width is ignored.
  EXPECT_EQ(12345, IdOf(dispatch, L"xxyANYTHING", &hr));
  EXPECT_EQ(S_OK, hr);
  EXPECT_EQ(12345, IdOf(dispatch, L"\xFF58\xFF58y", &hr));
  EXPECT_EQ(S_OK, hr);
  EXPECT_EQ(DISPID_UNKNOWN, IdOf(dispatch, L"xyz", &hr));
  EXPECT_EQ(DISP_E_UNKNOWNNAME, hr);
  // A name shorter than three characters is not read past its end.
  EXPECT_EQ(DISPID_UNKNOWN, IdOf(dispatch, L"xx", &hr));
  EXPECT_EQ(DISP_E_UNKNOWNNAME, hr);
}

TEST(ImpIDispatch, OneUnknownNameFailsTheCallButEveryNameGetsAnId) {
  CImpIDispatch dispatch;
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"xxy"), const_cast<LPOLESTR>(L"abc"), const_cast<LPOLESTR>(L"xxyyzz")};
  DISPID ids[3] = {};
  EXPECT_EQ(DISP_E_UNKNOWNNAME, dispatch.GetIDsOfNames(IID_NULL, names, 3, LOCALE_USER_DEFAULT, ids));
  EXPECT_EQ(12345, ids[0]);
  EXPECT_EQ(DISPID_UNKNOWN, ids[1]);
  EXPECT_EQ(12345, ids[2]);
}

TEST(ImpIDispatch, PropertyGetAnswersWibble) {
  CImpIDispatch dispatch;
  DISPPARAMS none = {};
  VARIANT result;
  VariantInit(&result);
  EXPECT_EQ(S_OK, dispatch.Invoke(12345, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr));
  ASSERT_EQ(VT_BSTR, result.vt);
  EXPECT_STREQ(L"Wibble", result.bstrVal);
  VariantClear(&result);
  // Anything else leaves the result alone, and still succeeds.
  EXPECT_EQ(S_OK, dispatch.Invoke(12345, IID_NULL, 0, DISPATCH_METHOD, &none, &result, nullptr, nullptr));
  EXPECT_EQ(VT_EMPTY, result.vt);
  EXPECT_EQ(S_OK, dispatch.Invoke(7, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr));
  EXPECT_EQ(VT_EMPTY, result.vt);
  EXPECT_EQ(S_OK, dispatch.Invoke(12345, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, nullptr, nullptr, nullptr));
}

TEST(ImpIDispatch, AnswersOnlyIDispatchAndSurvivesItsLastRelease) {
  CImpIDispatch dispatch;
  EXPECT_EQ(0u, dispatch.GetRefCount());
  void* p = nullptr;
  EXPECT_EQ(S_OK, dispatch.QueryInterface(IID_IDispatch, &p));
  EXPECT_EQ(static_cast<IDispatch*>(&dispatch), p);
  EXPECT_EQ(1u, dispatch.GetRefCount());
  EXPECT_EQ(E_NOINTERFACE, dispatch.QueryInterface(IID_IUnknown, &p));
  EXPECT_EQ(nullptr, p);
  EXPECT_EQ(0u, dispatch.Release());
  UINT count = 99;
  EXPECT_EQ(E_NOTIMPL, dispatch.GetTypeInfoCount(&count));
  ITypeInfo* info = nullptr;
  EXPECT_EQ(E_NOTIMPL, dispatch.GetTypeInfo(0, 0, &info));
}

TEST(CustomControlSite, HandlerAnswersAsAQuietHost) {
  CImpIDispatch external;
  CCustomOccManager manager(&external);
  CCustomControlSite* site = manager.CreateSite(nullptr);
  ASSERT_NE(nullptr, site);
  IDocHostUIHandler* handler = nullptr;
  ASSERT_EQ(S_OK, site->ExternalQueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&handler)));
  ASSERT_NE(nullptr, handler);

  POINT pt = {0, 0};
  EXPECT_EQ(S_OK, handler->ShowContextMenu(0, &pt, nullptr, nullptr));
  DOCHOSTUIINFO info = {};
  info.cbSize = sizeof(info);
  info.dwFlags = 0xFFFF;
  info.dwDoubleClick = 7;
  EXPECT_EQ(S_OK, handler->GetHostInfo(&info));
  EXPECT_EQ(4u, info.dwFlags);
  EXPECT_EQ(0u, info.dwDoubleClick);
  EXPECT_EQ(S_OK, handler->ShowUI(0, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(S_OK, handler->HideUI());
  EXPECT_EQ(S_OK, handler->UpdateUI());
  EXPECT_EQ(E_NOTIMPL, handler->EnableModeless(TRUE));
  EXPECT_EQ(E_NOTIMPL, handler->OnDocWindowActivate(TRUE));
  EXPECT_EQ(E_NOTIMPL, handler->OnFrameWindowActivate(TRUE));
  RECT rc = {};
  EXPECT_EQ(E_NOTIMPL, handler->ResizeBorder(&rc, nullptr, TRUE));
  MSG msg = {};
  EXPECT_EQ(S_FALSE, handler->TranslateAccelerator(&msg, nullptr, 0));
  LPOLESTR key = nullptr;
  EXPECT_EQ(E_NOTIMPL, handler->GetOptionKeyPath(&key, 0));
  IDropTarget* drop = nullptr;
  EXPECT_EQ(E_NOTIMPL, handler->GetDropTarget(nullptr, &drop));
  OLECHAR url[] = L"http://x/";
  OLECHAR* out = nullptr;
  EXPECT_EQ(E_NOTIMPL, handler->TranslateUrl(0, url, &out));
  IDataObject* data = nullptr;
  EXPECT_EQ(E_NOTIMPL, handler->FilterDataObject(nullptr, &data));

  IDispatch* got = nullptr;
  EXPECT_EQ(S_OK, handler->GetExternal(&got));
  EXPECT_EQ(static_cast<IDispatch*>(&external), got);
  EXPECT_EQ(1u, external.GetRefCount());
  got->Release();
  handler->Release();
  delete site;
}

TEST(CustomControlSite, HandlerDelegatesCountingAndQueriesToTheSite) {
  CCustomControlSite site(nullptr, nullptr);
  IDocHostUIHandler* handler = site.GetDocHostUIHandler();
  EXPECT_EQ(1u, handler->AddRef());
  EXPECT_EQ(1u, site.GetRefCount());
  IUnknown* unknown = nullptr;
  ASSERT_EQ(S_OK, handler->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)));
  EXPECT_EQ(2u, site.GetRefCount());
  IDocHostUIHandler* again = nullptr;
  ASSERT_EQ(S_OK, unknown->QueryInterface(IID_IDocHostUIHandler, reinterpret_cast<void**>(&again)));
  EXPECT_EQ(handler, again);
  void* none = &site;
  EXPECT_EQ(E_NOINTERFACE, handler->QueryInterface(IID_IDispatch, &none));
  EXPECT_EQ(nullptr, none);
  IDispatch* external = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(S_OK, handler->GetExternal(&external));
  EXPECT_EQ(nullptr, external);
}

}  // namespace
