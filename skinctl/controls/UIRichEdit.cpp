#include "UIRichEdit.h"

#include <commdlg.h>
#include <oleauto.h>

#include <string>

#include "CBitmap.h"
#include "CFile.h"
#include "UIMenu.h"

// The animated-picture component's loading interface. Declared outside the
// anonymous namespace: the compiler would otherwise see that nothing in this
// file implements it and drop the call.
struct IAnimatedPictureLoad : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE LoadFromFile(BSTR bstrFileName) = 0;
};

namespace {

const wchar_t kUrlPrefix[] = L"http://";
const size_t kUrlPrefixLength = 7;

// The animated-picture component: its class, and the interface whose first
// operation after those of IDispatch loads an image file.
const CLSID CLSID_AnimatedPicture = {0x06ADA938, 0x0FB0, 0x4BC0, {0xB1, 0x9B, 0x0A, 0x38, 0xAB, 0x17, 0xF1, 0x82}};
const IID IID_IAnimatedPictureLoad = {0x0C1CF2DF, 0x05A3, 0x4FEF, {0x8C, 0xD4, 0xF5, 0xCF, 0xC4, 0x35, 0x5A, 0x16}};

// Releases a COM interface when it goes.
template <class T>
class ComRef {
 public:
  ComRef() : m_p(nullptr) {}
  ~ComRef() {
    if (m_p) m_p->Release();
  }
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  T** operator&() { return &m_p; }
  T* operator->() const { return m_p; }
  T* get() const { return m_p; }
  void** out() { return reinterpret_cast<void**>(&m_p); }

 private:
  T* m_p;
};

// The context menu's entries in order (id 0: a separator).
struct MenuEntry {
  UINT id;
  const wchar_t* text;
  bool needsSelection;
};
const MenuEntry kMenu[] = {
    {CUIRichEdit::ID_MESSAGE_COPY, L"复制(&C)     Ctrl+C", true},
    {CUIRichEdit::ID_MESSAGE_SELECTALL, L"全选(&A)     Ctrl+A", false},
    {CUIRichEdit::ID_MESSAGE_DELETE, L"删除(&D)", true},
    {CUIRichEdit::ID_MESSAGE_CLEAR, L"清除屏幕", false},
    {0, nullptr, false},
    {CUIRichEdit::ID_MESSAGE_SAVE, L"保存信息...", false},
};

CHARFORMAT2W NewFormat(DWORD mask) {
  CHARFORMAT2W format = {};
  format.cbSize = sizeof format;
  format.dwMask = mask;
  return format;
}

}  // namespace

CUIRichEdit::CUIRichEdit() : m_pRichEditOle(nullptr) {}

CUIRichEdit::~CUIRichEdit() { ReleaseOle(); }

// ------------------------------------------------------------------ set-up

LRESULT CUIRichEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_SETCURSOR:
      return OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
    case WM_RBUTTONDOWN:
      OnRButtonDown(static_cast<UINT>(wParam), CPoint(lParam));
      return 0;
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) {
        switch (LOWORD(wParam)) {
          case ID_MESSAGE_COPY: OnMessageCopy(); return 0;
          case ID_MESSAGE_SELECTALL: OnMessageSelectAll(); return 0;
          case ID_MESSAGE_DELETE: OnMessageDelete(); return 0;
          case ID_MESSAGE_CLEAR: OnMessageClear(); return 0;
          case ID_MESSAGE_SAVE: OnMessageSave(); return 0;
        }
      }
      break;
  }
  return CRichEditCtrl::WindowProc(message, wParam, lParam);
}

void CUIRichEdit::PreSubclassWindow() {
  CRichEditCtrl::PreSubclassWindow();
  SetUp();
}

int CUIRichEdit::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  SetUp();
  return 0;
}

void CUIRichEdit::SetUp() {
  SetEventMask(ENM_LINK);
  SetOptions(ECOOP_OR, ECO_NOHIDESEL);
  ReleaseOle();
  m_pRichEditOle = GetIRichEditOle();
}

void CUIRichEdit::OnDestroy() {
  ReleaseOle();
  Default();
}

void CUIRichEdit::ReleaseOle() {
  if (m_pRichEditOle) m_pRichEditOle->Release();
  m_pRichEditOle = nullptr;
}

BOOL CUIRichEdit::OnSetCursor(CWnd*, UINT nHitTest, UINT) {
  if (nHitTest == HTCAPTION) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
  }
  return static_cast<BOOL>(Default());
}

// ------------------------------------------------------------------ text

bool CUIRichEdit::InsertString(LPCWSTR lpszText, COLORREF crText) {
  CHARFORMAT2W format = NewFormat(CFM_COLOR | CFM_OFFSET);
  format.crTextColor = crText;
  return InsertString(lpszText, format);
}

bool CUIRichEdit::InsertString(LPCWSTR lpszText, COLORREF crText, COLORREF crBack) {
  CHARFORMAT2W format = NewFormat(CFM_COLOR | CFM_OFFSET | CFM_BACKCOLOR);
  format.crTextColor = crText;
  format.crBackColor = crBack;
  return InsertString(lpszText, format);
}

bool CUIRichEdit::InsertHyperLink(LPCWSTR lpszText) {
  CHARFORMAT2W format = NewFormat(CFM_OFFSET | CFM_LINK);
  format.dwEffects = CFE_LINK;
  return InsertString(lpszText, format);
}

bool CUIRichEdit::InsertHyperLink(LPCWSTR lpszText, COLORREF crBack) {
  CHARFORMAT2W format = NewFormat(CFM_BACKCOLOR | CFM_LINK);
  format.dwEffects = CFE_LINK;
  format.crBackColor = crBack;
  return InsertString(lpszText, format);
}

bool CUIRichEdit::EfficacyUrlChar(wchar_t ch) const {
  if ((ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || (ch >= L'0' && ch <= L'9')) return true;
  switch (ch) {
    case L'#': case L'%': case L'&': case L'+': case L'.': case L'/': case L':': case L'=': case L'?':
      return true;
  }
  return false;
}

bool CUIRichEdit::EfficacyUrlString(LPCWSTR) const { return true; }

bool CUIRichEdit::InsertString(LPCWSTR lpszText, CHARFORMAT2W& format) {
  if (m_hWnd == nullptr || lpszText == nullptr) return true;
  CHARRANGE before = {0, 0};
  SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&before));

  // A piece given no link state of its own is plain: without this it would
  // take over the link of the piece before it.
  CHARFORMAT2W plain = format;
  if ((plain.dwMask & CFM_LINK) == 0) {
    plain.dwMask |= CFM_LINK;
    plain.dwEffects &= ~CFE_LINK;
  }
  CHARFORMAT2W link = format;
  link.dwMask |= CFM_LINK;
  link.dwEffects |= CFE_LINK;

  const size_t n = wcslen(lpszText);
  size_t pending = 0;  // start of the plain run not yet appended
  size_t i = 0;
  while (i < n) {
    if (i + kUrlPrefixLength < n && wcsncmp(lpszText + i, kUrlPrefix, kUrlPrefixLength) == 0) {
      size_t end = i + kUrlPrefixLength;
      while (end < n && EfficacyUrlChar(lpszText[end])) ++end;
      if (end > i + kUrlPrefixLength && EfficacyUrlString(lpszText + i)) {
        if (i > pending) AppendPiece(lpszText + pending, i - pending, plain);
        AppendPiece(lpszText + i, end - i, link);
        i = pending = end;
        continue;
      }
    }
    ++i;
  }
  if (n > pending) AppendPiece(lpszText + pending, n - pending, plain);
  RestoreSelection(before, true);
  return true;
}

void CUIRichEdit::AppendPiece(const wchar_t* pText, size_t nLength, CHARFORMAT2W& format) {
  SetSel(-1, -1);
  // The format of the insertion point: it applies to the piece inserted next
  // and to nothing already there.
  SetSelectionCharFormat(format);
  const std::wstring piece(pText, nLength);
  ReplaceSel(piece.c_str(), FALSE);
}

void CUIRichEdit::RestoreSelection(const CHARRANGE& before, bool post) {
  if (before.cpMin != before.cpMax) {
    SendMessage(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&before));
  } else if (post) {
    PostMessage(WM_VSCROLL, SB_BOTTOM, 0);
  } else {
    SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
  }
}

bool CUIRichEdit::CleanScreen() {
  SetSel(0, -1);
  ReplaceSel(L"", FALSE);
  return true;
}

// ------------------------------------------------------------------ pictures

bool CUIRichEdit::InsertImage(CBitmap* pBitmap) {
  if (pBitmap == nullptr || pBitmap->GetSafeHandle() == nullptr) return false;
  CDataObject* data = new CDataObject;
  bool inserted = data->SetImage(static_cast<HBITMAP>(*pBitmap)) && InsertDataObject(data);
  data->Release();
  return inserted;
}

bool CUIRichEdit::InsertDataObject(CDataObject* pDataObject) {
  if (m_pRichEditOle == nullptr || pDataObject == nullptr) return false;
  CHARRANGE before = {0, 0};
  SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&before));
  ComRef<IOleClientSite> site;
  if (FAILED(m_pRichEditOle->GetClientSite(&site))) return false;
  REOBJECT reobject;
  if (!pDataObject->IntercalateReObject(reobject, site.get())) return false;
  SetSel(-1, -1);
  const bool inserted = SUCCEEDED(m_pRichEditOle->InsertObject(&reobject));
  RestoreSelection(before, false);
  return inserted;
}

bool CUIRichEdit::InsertImage(LPCWSTR lpszFileName) {
  if (m_pRichEditOle == nullptr || lpszFileName == nullptr) return false;
  CHARRANGE before = {0, 0};
  SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&before));

  ComRef<IUnknown> component;
  HRESULT hr = ::CoCreateInstance(
      CLSID_AnimatedPicture, nullptr,
      CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER, IID_IUnknown,
      component.out());
  if (FAILED(hr) || component.get() == nullptr) return false;
  if (FAILED(::OleRun(component.get()))) return false;
  ComRef<IAnimatedPictureLoad> loader;
  if (FAILED(component->QueryInterface(IID_IAnimatedPictureLoad, loader.out())) || loader.get() == nullptr)
    return false;
  BSTR path = ::SysAllocString(lpszFileName);
  if (path == nullptr) return false;
  hr = loader->LoadFromFile(path);
  ::SysFreeString(path);
  if (FAILED(hr)) return false;

  ComRef<IOleObject> object;
  ComRef<IOleClientSite> site;
  if (FAILED(component->QueryInterface(IID_IOleObject, object.out())) || object.get() == nullptr) return false;
  if (FAILED(m_pRichEditOle->GetClientSite(&site))) return false;
  // The picture learns where it is shown, so that it can have its frames
  // redrawn.
  object->SetClientSite(site.get());
  ::OleSetContainedObject(object.get(), TRUE);

  REOBJECT reobject = {};
  reobject.cbStruct = sizeof(REOBJECT);
  reobject.cp = REO_CP_SELECTION;
  object->GetUserClassID(&reobject.clsid);
  reobject.poleobj = object.get();
  reobject.pstg = nullptr;
  reobject.polesite = site.get();
  reobject.dvaspect = DVASPECT_CONTENT;
  reobject.dwFlags = REO_BELOWBASELINE;
  reobject.dwUser = 0;
  SetSel(-1, -1);
  hr = m_pRichEditOle->InsertObject(&reobject);
  if (FAILED(hr)) object->SetClientSite(nullptr);
  RestoreSelection(before, false);
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return SUCCEEDED(hr);
}

// ------------------------------------------------------------------ RTF files

DWORD CALLBACK CUIRichEdit::LoadCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb) {
  CFile* file = reinterpret_cast<CFile*>(dwCookie);
  *pcb = 0;
  if (cb <= 0) return 0;
  try {
    *pcb = static_cast<LONG>(file->Read(pbBuff, static_cast<UINT>(cb)));
  } catch (CFileException* e) {
    e->Delete();
    return 1;  // a read error ends the stream as an error
  }
  return 0;
}

DWORD CALLBACK CUIRichEdit::SaveCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb) {
  CFile* file = reinterpret_cast<CFile*>(dwCookie);
  *pcb = 0;
  if (cb <= 0) return 0;
  try {
    file->Write(pbBuff, static_cast<UINT>(cb));
  } catch (CFileException* e) {
    e->Delete();
    return 1;  // a write error (a full disk) ends the stream as an error
  }
  *pcb = cb;
  return 0;
}

bool CUIRichEdit::SaveMessage(LPCWSTR lpszFileName) {
  std::wstring path = lpszFileName ? lpszFileName : L"";
  if (path.empty()) {
    // Large enough for any path the system takes.
    std::wstring chosen(32768, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = L"信息文件(*.RTF)\0*.RTF\0";
    ofn.lpstrFile = &chosen[0];
    ofn.nMaxFile = static_cast<DWORD>(chosen.size());
    ofn.lpstrDefExt = L"RTF";
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!::GetSaveFileNameW(&ofn)) {
      // Cancelled by the user: nothing to save, and no failure. A dialog
      // that could not do its work is one.
      return ::CommDlgExtendedError() == 0;
    }
    path.assign(chosen.c_str());
  }
  CFile file;
  if (!file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return false;
  EDITSTREAM stream = {};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&file);
  stream.pfnCallback = SaveCallBack;
  StreamOut(SF_RTF, stream);
  file.Abort();
  return stream.dwError == 0;
}

bool CUIRichEdit::LoadMessage(LPCWSTR lpszFileName) {
  if (lpszFileName == nullptr || m_hWnd == nullptr) return false;
  CFile file;
  if (!file.Open(lpszFileName, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) return false;
  EDITSTREAM stream = {};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&file);
  stream.pfnCallback = LoadCallBack;
  StreamIn(SF_RTF, stream);
  return stream.dwError == 0;
}

// ------------------------------------------------------------------ context menu

void CUIRichEdit::OnRButtonDown(UINT, CPoint point) {
  SetFocus();
  // Built and torn down on every right-click: the skinned menu takes its
  // entry records from its pools.
  CUIMenu menu;
  if (!menu.CreateMenu()) return;
  const bool empty = GetSelectionType() == SEL_EMPTY;
  for (const MenuEntry& entry : kMenu) {
    if (entry.id == 0) {
      menu.AppendSeparator();
      continue;
    }
    menu.AppendMenuW(entry.id, entry.text, MF_STRING | (entry.needsSelection && empty ? MF_GRAYED : 0));
  }
  ClientToScreen(&point);
  menu.TrackPopupMenu(point.x, point.y, this);
  menu.DestroyMenu();
}

void CUIRichEdit::OnMessageCopy() { SendMessage(WM_COPY); }

void CUIRichEdit::OnMessageSelectAll() { SetSel(0, -1); }

void CUIRichEdit::OnMessageDelete() { ReplaceSel(L"", FALSE); }

void CUIRichEdit::OnMessageClear() { CleanScreen(); }

void CUIRichEdit::OnMessageSave() { SaveMessage(nullptr); }
