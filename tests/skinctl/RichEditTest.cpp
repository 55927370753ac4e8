// The message view on a real rich edit (the system's riched20): appended
// pieces and the links found in them, the user's selection kept, RTF saved
// and loaded, the save dialog cancelled, the context menu and its commands,
// bitmaps embedded as static pictures, and image files embedded through the
// animated-picture component (registered for the test) - animating, and
// failing cleanly without it.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "CBitmap.h"
#include "ControlHost.h"
#include "TempFolder.h"
#include "TestFiles.h"
#include "UIRichEdit.h"

namespace {

const COLORREF kRed = RGB(220, 20, 20);
const COLORREF kBlue = RGB(20, 20, 220);
const COLORREF kInk = RGB(30, 90, 30);

using Runs = std::vector<std::pair<std::wstring, bool>>;  // text, is a link

class RichEditTest : public ::testing::Test, protected SkinFixtureBase {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_TRUE(host.Open(420, 320));
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
                            CRect(10, 10, 410, 210), &host, 300));
  }
  void TearDown() override {
    edit.DestroyWindow();
    host.DestroyWindow();
    OleUninitialize();
  }

  std::wstring Text() {
    CString text;
    edit.GetTextRange(0, edit.GetTextLength(), text);
    return std::wstring(text.GetString());
  }
  CHARFORMAT2W FormatAt(long cp) {
    edit.SetSel(cp, cp + 1);
    CHARFORMAT2W format = {};
    edit.GetSelectionCharFormat(format);
    return format;
  }
  // The text cut where the link effect changes.
  Runs LinkRuns() {
    Runs runs;
    const std::wstring text = Text();
    for (size_t i = 0; i < text.size(); ++i) {
      const bool link = (FormatAt(static_cast<long>(i)).dwEffects & CFE_LINK) != 0;
      if (runs.empty() || runs.back().second != link) runs.emplace_back(L"", link);
      runs.back().first += text[i];
    }
    return runs;
  }
  CHARRANGE Selection() {
    CHARRANGE range = {};
    edit.SendMessage(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
  }
  // Where each embedded object is in the text.
  std::vector<LONG> ObjectPositions() {
    std::vector<LONG> positions;
    IRichEditOle* ole = edit.GetIRichEditOle();
    if (ole == nullptr) return positions;
    for (LONG i = 0; i < ole->GetObjectCount(); ++i) {
      REOBJECT reobject = {};
      reobject.cbStruct = sizeof reobject;
      if (ole->GetObject(i, &reobject, REO_GETOBJ_NO_INTERFACES) == S_OK) positions.push_back(reobject.cp);
    }
    ole->Release();
    return positions;
  }
  LONG ObjectCount() {
    IRichEditOle* ole = edit.GetIRichEditOle();
    if (ole == nullptr) return -1;
    const LONG count = ole->GetObjectCount();
    ole->Release();
    return count;
  }
  // Where the first pixel of the colour is in the control, if anywhere.
  bool Shows(COLORREF colour, int tolerance = 8) {
    const WindowPixels shot = Capture(edit.m_hWnd);
    for (int y = 0; y < shot.height; ++y)
      for (int x = 0; x < shot.width; ++x)
        if (Near(shot.At(x, y), colour, tolerance)) return true;
    return false;
  }

  ControlHost host;
  CUIRichEdit edit;
};

// ------------------------------------------------------------------ appending

TEST_F(RichEditTest, AnAddressInsideTextBecomesALinkBetweenPlainPieces) {
  EXPECT_TRUE(edit.InsertString(L"see http://x/y?z=1 now", kInk));
  EXPECT_EQ(Text(), L"see http://x/y?z=1 now");
  EXPECT_EQ(LinkRuns(), (Runs{{L"see ", false}, {L"http://x/y?z=1", true}, {L" now", false}}));
  // Every piece in the given colour.
  for (long cp : {0L, 5L, 20L}) EXPECT_EQ(FormatAt(cp).crTextColor, kInk) << cp;

  // Two addresses in one text, the second right at its end.
  edit.CleanScreen();
  edit.InsertString(L"a http://p.q/#r&s=1%20+t b http://u", kInk);
  EXPECT_EQ(LinkRuns(), (Runs{{L"a ", false}, {L"http://p.q/#r&s=1%20+t", true}, {L" b ", false},
                              {L"http://u", true}}));
}

TEST_F(RichEditTest, WhatIsNoAddressStaysPlain) {
  // Upper case, a bare prefix at the end, a prefix followed by no address
  // character, and a prefix cut short.
  for (const wchar_t* text : {L"see HTTP://x/y now", L"Http://x", L"ends with http://", L"http:// spaced",
                              L"http:/x", L"https://x"}) {
    edit.CleanScreen();
    edit.InsertString(text, kInk);
    EXPECT_EQ(LinkRuns(), (Runs{{text, false}})) << std::string(text, text + wcslen(text));
  }
}

TEST_F(RichEditTest, AnAddressEndsAtTheFirstCharacterOutsideItsSet) {
  edit.InsertString(L"http://a.b-c http://d_e http://f,g", kInk);
  EXPECT_EQ(LinkRuns(), (Runs{{L"http://a.b", true}, {L"-c ", false}, {L"http://d", true}, {L"_e ", false},
                              {L"http://f", true}, {L",g", false}}));
}

TEST_F(RichEditTest, EachFormatAppliesToItsOwnPieceOnly) {
  // A plain piece after a link is no link, and a colour given to a piece
  // does not recolour the word before it.
  edit.InsertString(L"hello", kRed);
  edit.InsertHyperLink(L"lobby");
  edit.InsertString(L" now", kBlue);
  EXPECT_EQ(Text(), L"hellolobby now");
  EXPECT_EQ(LinkRuns(), (Runs{{L"hello", false}, {L"lobby", true}, {L" now", false}}));
  EXPECT_EQ(FormatAt(0).crTextColor, kRed);
  EXPECT_EQ(FormatAt(4).crTextColor, kRed);
  EXPECT_EQ(FormatAt(12).crTextColor, kBlue);

  // Background colours, and a link on one.
  edit.CleanScreen();
  edit.InsertString(L"on yellow", kInk, RGB(250, 240, 120));
  edit.InsertHyperLink(L"green link", RGB(200, 250, 200));
  EXPECT_EQ(FormatAt(0).crBackColor, RGB(250, 240, 120));
  EXPECT_EQ(FormatAt(10).crBackColor, RGB(200, 250, 200));
  EXPECT_EQ(LinkRuns(), (Runs{{L"on yellow", false}, {L"green link", true}}));
}

TEST_F(RichEditTest, TheUsersSelectionIsKeptElseTheViewGoesToTheEnd) {
  for (int i = 0; i < 40; ++i) edit.InsertString(L"line of the table chat\r\n", kInk);
  Pump();
  const int atEnd = edit.GetFirstVisibleLine();
  EXPECT_GT(atEnd, 0);

  // The user selects something near the top: appending leaves it there.
  edit.SetSel(3, 9);
  edit.LineScroll(-100);
  Pump();
  edit.InsertString(L"one more http://x/y line\r\n", kInk);
  Pump();
  const CHARRANGE kept = Selection();
  EXPECT_EQ(kept.cpMin, 3);
  EXPECT_EQ(kept.cpMax, 9);
  EXPECT_EQ(edit.GetFirstVisibleLine(), 0);

  // With nothing selected the view follows the new text.
  edit.SetSel(0, 0);
  edit.InsertString(L"and the last\r\n", kInk);
  Pump();
  EXPECT_GE(edit.GetFirstVisibleLine(), atEnd);
}

TEST_F(RichEditTest, CleanScreenEmptiesTheView) {
  edit.InsertString(L"some http://x text", kInk);
  EXPECT_TRUE(edit.CleanScreen());
  EXPECT_EQ(edit.GetTextLength(), 0);
}

// A host that records the link notifications it hears.
class LinkHost : public ControlHost {
 public:
  std::vector<std::pair<UINT, CHARRANGE>> links;  // mouse message, link range

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == EN_LINK) {
      const ENLINK* link = reinterpret_cast<ENLINK*>(lParam);
      links.emplace_back(link->msg, link->chrg);
    }
    return ControlHost::WindowProc(message, wParam, lParam);
  }
};

TEST_F(RichEditTest, AClickOnALinkReachesTheParent) {
  LinkHost parent;
  ASSERT_TRUE(parent.Open(300, 100));
  CUIRichEdit view;
  ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 300, 100), &parent, 302));
  view.InsertString(L"see http://x/y?z=1 now", kInk);
  POINTL at = {};
  view.SendMessage(EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), 8);
  view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x + 2, at.y + 4));
  view.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x + 2, at.y + 4));
  bool clicked = false;
  for (const auto& link : parent.links)
    if (link.first == WM_LBUTTONDOWN) {
      clicked = true;
      EXPECT_EQ(link.second.cpMin, 4);
      EXPECT_EQ(link.second.cpMax, 18);
    }
  EXPECT_TRUE(clicked);
}

TEST_F(RichEditTest, AnExistingControlIsSetUpWhenSubclassedAndLetGoWhenDestroyed) {
  HWND plain = CreateWindowExW(0, RICHEDIT_CLASSW, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 10, 220, 300, 60,
                               host.m_hWnd, reinterpret_cast<HMENU>(303), nullptr, nullptr);
  ASSERT_NE(plain, nullptr);
  CUIRichEdit view;
  ASSERT_TRUE(view.SubclassWindow(plain));
  EXPECT_EQ(view.GetEventMask(), static_cast<DWORD>(ENM_LINK));
  EXPECT_TRUE(view.GetOptions() & ECO_NOHIDESEL);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 32, nullptr));
  EXPECT_TRUE(view.InsertImage(&bitmap));

  // Once the window is gone the control's OLE interface is let go: nothing
  // more can be embedded.
  view.DestroyWindow();
  EXPECT_FALSE(view.InsertImage(&bitmap));
}

// ------------------------------------------------------------------ RTF files

TEST_F(RichEditTest, SavedMessagesLoadBackWithTheirColours) {
  testwin::TempFolder folder;
  edit.InsertString(L"红色 red ", kRed);
  edit.InsertString(L"blue http://x/y?z=1", kBlue);
  const std::wstring path = folder.File(L"消息.rtf");
  ASSERT_TRUE(edit.SaveMessage(path.c_str()));
  const std::string saved = testwin::ReadBytes(path);
  EXPECT_EQ(saved.compare(0, 5, "{\\rtf"), 0) << saved.substr(0, 40);

  CUIRichEdit other;
  ASSERT_TRUE(other.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(10, 220, 410, 300), &host, 301));
  other.InsertString(L"replaced", kInk);
  ASSERT_TRUE(other.LoadMessage(path.c_str()));
  CString text;
  other.GetTextRange(0, other.GetTextLength(), text);
  EXPECT_EQ(std::wstring(text.GetString()), L"红色 red blue http://x/y?z=1");
  CHARFORMAT2W format = {};
  other.SetSel(0, 1);
  other.GetSelectionCharFormat(format);
  EXPECT_EQ(format.crTextColor, kRed);
  other.SetSel(9, 10);
  other.GetSelectionCharFormat(format);
  EXPECT_EQ(format.crTextColor, kBlue);
}

TEST_F(RichEditTest, FilesThatCannotBeOpenedFail) {
  testwin::TempFolder folder;
  edit.InsertString(L"kept", kInk);
  EXPECT_FALSE(edit.SaveMessage(folder.File(L"no such folder\\a.rtf").c_str()));
  EXPECT_FALSE(edit.LoadMessage(folder.File(L"missing.rtf").c_str()));
  EXPECT_FALSE(edit.LoadMessage(nullptr));
  EXPECT_EQ(Text(), L"kept");
}

// Runs action(window) on the first visible window of the class that this
// thread shows from now on (while a modal loop runs); polls every 50 ms.
class WhenShown {
 public:
  WhenShown(const wchar_t* className, void (*action)(HWND)) {
    s_class = className;
    s_action = action;
    s_seen = nullptr;
    m_timer = SetTimer(nullptr, 0, 50, Poll);
  }
  ~WhenShown() { KillTimer(nullptr, m_timer); }
  static HWND Seen() { return s_seen; }

 private:
  static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD) {
    if (s_seen) return;
    EnumThreadWindows(GetCurrentThreadId(), Find, 0);
    if (s_seen) s_action(s_seen);
  }
  static BOOL CALLBACK Find(HWND window, LPARAM) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (wcscmp(name, s_class) == 0 && IsWindowVisible(window)) {
      s_seen = window;
      return FALSE;
    }
    return TRUE;
  }
  static const wchar_t* s_class;
  static void (*s_action)(HWND);
  static HWND s_seen;
  UINT_PTR m_timer;
};
const wchar_t* WhenShown::s_class;
void (*WhenShown::s_action)(HWND);
HWND WhenShown::s_seen;

TEST_F(RichEditTest, ACancelledSaveDialogSavesNothingAndIsNoFailure) {
  testwin::TempFolder folder;
  wchar_t previous[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
  edit.InsertString(L"not saved", kInk);
  {
    WhenShown cancel(L"#32770", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_TRUE(edit.SaveMessage(nullptr));
    EXPECT_NE(WhenShown::Seen(), nullptr);
  }
  {
    // The menu's save command asks the same way.
    WhenShown cancel(L"#32770", [](HWND dialog) { PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0); });
    edit.SendMessage(WM_COMMAND, CUIRichEdit::ID_MESSAGE_SAVE, 0);
    EXPECT_NE(WhenShown::Seen(), nullptr);
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder.Path() + L"\\*.rtf").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  SetCurrentDirectoryW(previous);
}

// ------------------------------------------------------------------ context menu

struct MenuSeen {
  std::vector<UINT> ids;
  std::vector<bool> grayed;
  int ownerDrawn = 0;
};
MenuSeen g_menu;

void ReadMenuAndClose(HWND popup) {
  g_menu = MenuSeen();
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
  for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOW info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    g_menu.ids.push_back((info.fType & MFT_SEPARATOR) ? 0 : info.wID);
    g_menu.grayed.push_back(!(info.fType & MFT_SEPARATOR) && (info.fState & MFS_GRAYED) != 0);
    if (info.fType & MFT_OWNERDRAW) ++g_menu.ownerDrawn;
  }
  EndMenu();
}

TEST_F(RichEditTest, TheContextMenuOffersCopyAndDeleteOnlyForASelection) {
  edit.InsertString(L"pick a seat", kInk);
  const std::vector<UINT> order = {1227, 1226, 1228, 1225, 0, 1229};
  {
    edit.SetSel(4, 4);
    WhenShown read(L"#32768", ReadMenuAndClose);
    edit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 10));
    ASSERT_NE(WhenShown::Seen(), nullptr);
    EXPECT_EQ(g_menu.ids, order);
    EXPECT_EQ(g_menu.grayed, (std::vector<bool>{true, false, true, false, false, false}));
    // The skinned menu: every entry, the separator too, drawn by the skin.
    EXPECT_EQ(g_menu.ownerDrawn, 6);
    EXPECT_EQ(GetFocus(), edit.m_hWnd);
  }
  {
    edit.SetSel(0, 4);
    WhenShown read(L"#32768", ReadMenuAndClose);
    edit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 10));
    EXPECT_EQ(g_menu.ids, order);
    EXPECT_EQ(g_menu.grayed, (std::vector<bool>(6, false)));
  }
}

TEST_F(RichEditTest, TheMenuCommandsCopySelectDeleteAndClear) {
  edit.InsertString(L"pick a seat", kInk);
  edit.SetSel(5, 11);
  edit.SendMessage(WM_COMMAND, CUIRichEdit::ID_MESSAGE_COPY, 0);
  ASSERT_TRUE(OpenClipboard(host.m_hWnd));
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  std::wstring copied = data ? static_cast<const wchar_t*>(GlobalLock(data)) : L"";
  if (data) GlobalUnlock(data);
  CloseClipboard();
  EXPECT_EQ(copied, L"a seat");

  edit.SetSel(0, 1);
  edit.SendMessage(WM_COMMAND, CUIRichEdit::ID_MESSAGE_DELETE, 0);
  EXPECT_EQ(Text(), L"ick a seat");
  edit.SendMessage(WM_COMMAND, CUIRichEdit::ID_MESSAGE_SELECTALL, 0);
  wchar_t selected[32] = {};
  edit.SendMessage(EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(selected));
  EXPECT_STREQ(selected, L"ick a seat");
  edit.SendMessage(WM_COMMAND, CUIRichEdit::ID_MESSAGE_CLEAR, 0);
  EXPECT_EQ(edit.GetTextLength(), 0);
}

// ------------------------------------------------------------------ bitmaps

// A solid bitmap of the screen's format.
bool SolidBitmap(CBitmap& bitmap, int cx, int cy, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  const bool made = bitmap.Attach(CreateCompatibleBitmap(screen, cx, cy)) != FALSE;
  if (made) {
    HGDIOBJ old = SelectObject(dc, bitmap.GetSafeHandle());
    RECT r = {0, 0, cx, cy};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
  }
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return made;
}

TEST_F(RichEditTest, ABitmapIsEmbeddedAsAStaticPicture) {
  edit.InsertString(L"look: ", kInk);
  CBitmap bitmap;
  ASSERT_TRUE(SolidBitmap(bitmap, 30, 20, kBlue));
  EXPECT_TRUE(edit.InsertImage(&bitmap));
  edit.InsertString(L" nice", kInk);
  EXPECT_EQ(ObjectPositions(), std::vector<LONG>{6});
  EXPECT_EQ(edit.GetTextLength(), 12);
  EXPECT_TRUE(Shows(kBlue, 0));

  EXPECT_FALSE(edit.InsertImage(static_cast<CBitmap*>(nullptr)));
  CBitmap empty;
  EXPECT_FALSE(edit.InsertImage(&empty));
  EXPECT_EQ(ObjectCount(), 1);
}

TEST_F(RichEditTest, TheDataObjectCountsItsReferences) {
  CBitmap bitmap;
  ASSERT_TRUE(SolidBitmap(bitmap, 16, 16, kRed));
  CDataObject* data = new CDataObject;  // holds the creator's reference
  EXPECT_FALSE(edit.InsertDataObject(data));  // nothing to show yet
  EXPECT_TRUE(data->SetImage(static_cast<HBITMAP>(bitmap)));
  EXPECT_FALSE(data->SetImage(static_cast<HBITMAP>(bitmap)));  // one picture per object
  EXPECT_EQ(data->GetBitmap(), static_cast<HBITMAP>(bitmap));
  // A pair of AddRef and Release leaves it alive.
  EXPECT_EQ(data->AddRef(), 2u);
  EXPECT_EQ(data->Release(), 1u);
  IDataObject* asked = nullptr;
  ASSERT_EQ(data->QueryInterface(IID_IDataObject, reinterpret_cast<void**>(&asked)), S_OK);
  EXPECT_EQ(asked, static_cast<IDataObject*>(data));
  IUnknown* other = nullptr;
  EXPECT_EQ(data->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&other)), E_NOINTERFACE);
  EXPECT_EQ(other, nullptr);
  // A copy of the bitmap, whatever format is asked for.
  FORMATETC format = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium = {};
  ASSERT_EQ(asked->GetData(&format, &medium), S_OK);
  EXPECT_EQ(medium.tymed, static_cast<DWORD>(TYMED_GDI));
  EXPECT_NE(medium.hBitmap, static_cast<HBITMAP>(bitmap));
  BITMAP info = {};
  EXPECT_EQ(GetObjectW(medium.hBitmap, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 16);
  ReleaseStgMedium(&medium);
  EXPECT_EQ(asked->Release(), 1u);

  EXPECT_TRUE(edit.InsertDataObject(data));
  EXPECT_EQ(ObjectCount(), 1);
  EXPECT_EQ(data->Release(), 0u);
  // The control holds the picture, not the data object.
  EXPECT_TRUE(Shows(kRed, 0));
}

TEST_F(RichEditTest, TheDataObjectLoadsBitmapResourcesAndFiles) {
  testwin::TempFolder folder;
  const std::wstring path = folder.File(L"green.bmp");
  ASSERT_TRUE(WriteBmp(path, 12, 10, [](int, int) { return RGB(30, 200, 30); }));
  CDataObject* fromFile = new CDataObject;
  EXPECT_TRUE(fromFile->LoadImageW(path.c_str()));
  EXPECT_TRUE(edit.InsertDataObject(fromFile));
  fromFile->Release();
  EXPECT_TRUE(Shows(RGB(30, 200, 30), 0));

  CDataObject* fromResource = new CDataObject;
  EXPECT_TRUE(fromResource->LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(300)));
  EXPECT_TRUE(edit.InsertDataObject(fromResource));
  fromResource->Release();
  EXPECT_EQ(ObjectCount(), 2);

  CDataObject* missing = new CDataObject;
  EXPECT_FALSE(missing->LoadImageW(folder.File(L"missing.bmp").c_str()));
  EXPECT_FALSE(missing->LoadImageW(GetModuleHandleW(nullptr), L"NO_SUCH_BITMAP"));
  EXPECT_EQ(missing->GetBitmap(), nullptr);
  missing->Release();
}

// ------------------------------------------------------------------ image files

// The animated-picture component, registered (as regsvr32 would) for the
// time of the test and unregistered after.
class AnimatedPictureTest : public RichEditTest {
 protected:
  void SetUp() override {
    RichEditTest::SetUp();
    server = LoadLibraryW(L"AnimPicture.dll");
    ASSERT_NE(server, nullptr);
    ASSERT_EQ(Call("DllRegisterServer"), S_OK);
    // The test GIF as a file.
    HRSRC found = FindResourceW(nullptr, L"ANIMATION", MAKEINTRESOURCEW(10));
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    gif = folder.Write(L"动画.gif", std::string(bytes, SizeofResource(nullptr, found)));
  }
  void TearDown() override {
    EXPECT_EQ(Call("DllUnregisterServer"), S_OK);
    RichEditTest::TearDown();
    if (server) FreeLibrary(server);
  }
  HRESULT Call(const char* name) {
    auto entry = reinterpret_cast<HRESULT(__stdcall*)()>(reinterpret_cast<void*>(GetProcAddress(server, name)));
    return entry ? entry() : E_NOTIMPL;
  }
  HMODULE server = nullptr;
  testwin::TempFolder folder;
  std::wstring gif;
};

TEST_F(AnimatedPictureTest, AGifIsEmbeddedAndAnimates) {
  edit.InsertString(L"dealer: ", kInk);
  ASSERT_TRUE(edit.InsertImage(gif.c_str()));
  EXPECT_EQ(ObjectPositions(), std::vector<LONG>{8});

  IRichEditOle* ole = edit.GetIRichEditOle();
  ASSERT_NE(ole, nullptr);
  REOBJECT reobject = {};
  reobject.cbStruct = sizeof reobject;
  ASSERT_EQ(ole->GetObject(0, &reobject, REO_GETOBJ_POLEOBJ), S_OK);
  ole->Release();
  const CLSID expected = {0x06ADA938, 0x0FB0, 0x4BC0, {0xB1, 0x9B, 0x0A, 0x38, 0xAB, 0x17, 0xF1, 0x82}};
  EXPECT_TRUE(IsEqualCLSID(reobject.clsid, expected));
  EXPECT_TRUE(reobject.dwFlags & REO_BELOWBASELINE);
  ASSERT_NE(reobject.poleobj, nullptr);
  reobject.poleobj->Release();

  // Red first, then blue after the first frame's 0.3 s, drawn by the control.
  EXPECT_TRUE(Shows(kRed));
  EXPECT_TRUE(testwin::PumpUntil([&] { return Shows(kBlue); }, 3000));
  EXPECT_TRUE(testwin::PumpUntil([&] { return Shows(kRed); }, 3000));
}

TEST_F(AnimatedPictureTest, WhatCannotBeLoadedInsertsNothing) {
  edit.InsertString(L"text", kInk);
  EXPECT_FALSE(edit.InsertImage(folder.File(L"missing.gif").c_str()));
  const std::wstring notAPicture = folder.Write(L"notes.gif", "just some text");
  EXPECT_FALSE(edit.InsertImage(notAPicture.c_str()));
  EXPECT_FALSE(edit.InsertImage(static_cast<LPCWSTR>(nullptr)));
  EXPECT_EQ(ObjectCount(), 0);
  EXPECT_EQ(Text(), L"text");
}

TEST_F(AnimatedPictureTest, WithoutTheComponentInsertImageFails) {
  ASSERT_EQ(Call("DllUnregisterServer"), S_OK);
  EXPECT_FALSE(edit.InsertImage(gif.c_str()));
  EXPECT_EQ(ObjectCount(), 0);
  EXPECT_EQ(edit.GetTextLength(), 0);
}

}  // namespace
