// The update frame: its painting rendered into a memory DC (bars, fills,
// knobs and text lines for given progress), the real window on the display
// (geometry, skin, keys, dragging, the close button), and how often it
// paints and decodes while progress notices stream in, up to a whole
// download from nginx.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CGameUpdateFrame.h"
#include "TextProbe.h"
#include "UpdateRun.h"
#include "UpdateWindowClass.h"

namespace {

// What a frame painted up to handing over to the game, kept outside it (the
// frame deletes itself when its window closes).
struct CHandOver {
  bool bCalled = false;
  long nPaints = 0;
  long nMidwayPaints = 0;  // paintings of a file neither empty nor complete
  CUpdateProgress painted = {};
};

// A frame whose progress is given by the test instead of a running manager
// (until Show is called it reads its manager, as the real frame does).
class CTestFrame : public CGameUpdateFrame {
public:
  bool m_bHasProgress = false;
  CUpdateProgress m_Progress = {};
  CHandOver* m_pHandOver = nullptr;

  void Show(int n, int k, uint64_t stored, uint64_t size, bool failed = false) {
    m_bHasProgress = true;
    m_Progress = CUpdateProgress{n, k, stored, size, failed};
  }
  void DrawFrame(HDC dc, int width, int height) override {
    CGameUpdateFrame::DrawFrame(dc, width, height);
    if (m_pHandOver == nullptr) return;
    const CUpdateProgress& p = GetPaintedProgress();
    if (p.nStored > 0 && p.nStored < p.nSize) ++m_pHandOver->nMidwayPaints;
    m_pHandOver->nPaints = GetPaintCount();
    m_pHandOver->painted = p;
  }
  void RunGame() override {
    // Nothing of the frame is used once its close is posted.
    if (m_pHandOver != nullptr) m_pHandOver->bCalled = true;
    CGameUpdateFrame::RunGame();
  }

protected:
  bool ReadProgress(CUpdateProgress& progress) const override {
    if (!m_bHasProgress) return CGameUpdateFrame::ReadProgress(progress);
    progress = m_Progress;
    return true;
  }
};

const int kW = 414, kH = 235;
const int kBarX = 55;
const int kOverallY = 161, kFileY = 201;

class FramePaint : public ::testing::Test {
protected:
  FramePaint() : m_Back(L"UPDATE_FRAME_BACK"), m_Point(L"PROGRESS_POINT") {
    // The background with both bars wholly empty, and wholly filled.
    for (int half = 0; half < 2; ++half) {
      m_pTracks[half].reset(new CMemDC(kW, kH));
      HDC dc = m_pTracks[half]->GetSafeHdc();
      CPngImage back, line;
      back.LoadFromResource(GetModuleHandleW(nullptr), L"UPDATE_FRAME_BACK");
      line.LoadFromResource(GetModuleHandleW(nullptr), L"PROGRESS_LINE");
      back.Draw(dc, 0, 0);
      line.DrawPart(dc, kBarX, kOverallY, 304, 17, 0, 17 * half);
      line.DrawPart(dc, kBarX, kFileY, 304, 17, 0, 17 * half);
    }
  }

  std::unique_ptr<CMemDC> Paint() {
    std::unique_ptr<CMemDC> canvas(new CMemDC(kW, kH));
    m_Frame.DrawFrame(canvas->GetSafeHdc(), kW, kH);
    return canvas;
  }
  // The bar row y + 8 at offset x along the track: filled or empty picture.
  void ExpectTrack(const CMemDC& c, int barY, int x, bool filled) {
    DWORD want = m_pTracks[filled ? 1 : 0]->GetARGB(kBarX + x, barY + 8);
    EXPECT_TRUE(SameColour(want, c.GetARGB(kBarX + x, barY + 8)))
        << "bar at " << barY << ", offset " << x << (filled ? " should be filled" : " should be empty");
  }
  // The knob's opaque middle centred at offset `at` along the bar at barY.
  void ExpectKnob(const CMemDC& c, int knobY, int at) {
    for (int i = 7; i <= 19; ++i) {
      EXPECT_TRUE(SameColour(m_Point.At(i, 13), c.GetARGB(kBarX + at - 13 + i, knobY + 13)))
          << "knob column " << i << " for a fill of " << at;
    }
  }
  void ExpectLine(const CMemDC& c, int x, int y, LPCWSTR text, int rows = 14) {
    auto reference = TextOnBackground(L"UPDATE_FRAME_BACK", kW, kH, x, y, text);
    int width = TextWidth(text);
    ASSERT_GT(width, 0);
    EXPECT_EQ(0, CountDifferences(*reference, c, x, y, width + 2, rows)) << "text line at y " << y;
    // The line really is there: it changes the picture it is written on.
    auto blank = TextOnBackground(L"UPDATE_FRAME_BACK", kW, kH, x, y, L"");
    EXPECT_GT(CountDifferences(*reference, *blank, x, y, width + 2, rows, 40), width / 2);
  }

  CTestFrame m_Frame;
  CPictureProbe m_Back, m_Point;
  std::unique_ptr<CMemDC> m_pTracks[2];
};

TEST_F(FramePaint, WithoutAManagerOnlyTheEmptyTracksShow) {
  auto c = Paint();
  EXPECT_TRUE(SameColour(m_Back.At(10, 100), c->GetARGB(10, 100)));
  EXPECT_TRUE(SameColour(m_Back.At(200, 145), c->GetARGB(200, 145)));
  for (int x : {0, 100, 200, 303}) {
    ExpectTrack(*c, kOverallY, x, false);
    ExpectTrack(*c, kFileY, x, false);
  }
  // The bars start at x = 55 and are as long as the picture.
  EXPECT_EQ(0, CountDifferences(*m_pTracks[0], *c, 0, kOverallY, kW, 17));
  EXPECT_EQ(0, CountDifferences(*m_pTracks[0], *c, 0, kFileY, kW, 17));
}

TEST_F(FramePaint, FourFilesOneDoneAndHalfTheSecond) {
  m_Frame.SetCurrentFile(L"data/img/second.png");
  m_Frame.Show(4, 1, 51200, 102400);
  auto c = Paint();
  // overall = 304 / 4 + 152 / 4 = 114; file = 152.
  ExpectTrack(*c, kOverallY, 5, true);
  ExpectTrack(*c, kOverallY, 95, true);
  ExpectTrack(*c, kOverallY, 135, false);
  ExpectTrack(*c, kOverallY, 290, false);
  ExpectKnob(*c, 157, 114);
  ExpectTrack(*c, kFileY, 5, true);
  ExpectTrack(*c, kFileY, 135, true);
  ExpectTrack(*c, kFileY, 175, false);
  ExpectKnob(*c, 197, 152);
  ExpectLine(*c, kBarX, 143, L"4个文件需要更新,当前更新第2个...");
  ExpectLine(*c, kBarX, 185, L"正在下载 second.png", 11);
  ExpectLine(*c, 310, 185, L"50/100 KB", 11);
}

TEST_F(FramePaint, AnEmptyListShowsNoFillAndZeroes) {
  m_Frame.Show(0, 0, 0, 0);
  auto c = Paint();
  ExpectTrack(*c, kOverallY, 40, false);
  ExpectTrack(*c, kFileY, 40, false);
  ExpectKnob(*c, 157, 0);
  ExpectLine(*c, kBarX, 143, L"0个文件需要更新,当前更新第0个...");
  ExpectLine(*c, 310, 185, L"0/0 KB", 11);
}

TEST_F(FramePaint, MoreNoticesThanFilesShowTheLastFile) {
  m_Frame.Show(2, 3, 0, 0);
  auto c = Paint();
  ExpectLine(*c, kBarX, 143, L"2个文件需要更新,当前更新第2个...");
  // The overall fill stops at the end of its track, and so does its knob.
  ExpectTrack(*c, kOverallY, 290, true);
  ExpectKnob(*c, 157, 304);
}

TEST_F(FramePaint, SizesBeyond4GiBFillTheFileBarByTheirWholeValue) {
  // 5 of 6 GiB: 5 / 6 of the track (cut to 32 bits it would read 1 of 2).
  m_Frame.Show(1, 0, 5ull << 30, 6ull << 30);
  auto c = Paint();
  ExpectKnob(*c, 197, 253);
}

TEST_F(FramePaint, AFailedFileIsShownAsFailed) {
  m_Frame.SetCurrentFile(L"bin/game.dll");
  m_Frame.Show(3, 1, 2048, 10240, true);
  auto c = Paint();
  ExpectLine(*c, kBarX, 185, L"下载失败 game.dll", 11);
  ExpectLine(*c, 310, 185, L"2/10 KB", 11);
}

TEST_F(FramePaint, PicturesAndFontAreMadeOnceForEveryPainting) {
  m_Frame.Show(4, 1, 51200, 102400);
  long decodes = CPngImage::GetDecodeCount();
  long fonts = CUpdateTextFont::GetCreateCount();
  auto first = Paint();
  // The background and the bar's two pictures; one font.
  EXPECT_EQ(3, CPngImage::GetDecodeCount() - decodes);
  EXPECT_EQ(1, CUpdateTextFont::GetCreateCount() - fonts);
  for (int i = 0; i < 20; ++i) {
    m_Frame.Show(4, 1, 51200 + i * 1024, 102400);
    Paint();
  }
  EXPECT_EQ(3, CPngImage::GetDecodeCount() - decodes);
  EXPECT_EQ(1, CUpdateTextFont::GetCreateCount() - fonts);
  // The kept pictures paint what fresh ones did.
  m_Frame.Show(4, 1, 51200, 102400);
  EXPECT_EQ(0, CountDifferences(*first, *Paint(), 0, 0, kW, kH, 0));
}

TEST(FrameFileName, IsTheLastSegmentCutTo31Characters) {
  CTestFrame frame;
  frame.SetCurrentFile(L"a/b/c.txt");
  EXPECT_STREQ(L"c.txt", frame.GetCurrentFileName());
  frame.SetCurrentFile(L"plain.bin");
  EXPECT_STREQ(L"plain.bin", frame.GetCurrentFileName());
  frame.SetCurrentFile(L"dir/0123456789012345678901234567890123456789");
  EXPECT_STREQ(L"0123456789012345678901234567890", frame.GetCurrentFileName());
  frame.SetCurrentFile(L"dir/");
  EXPECT_STREQ(L"", frame.GetCurrentFileName());
}

// --- the real window

class FrameWindow : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(RegisterUpdateWindowClass(GetModuleHandleW(nullptr))); }
  void SetUp() override {
    // The frame's manager reads the update list beside this program: none here.
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring list(self);
    list = list.substr(0, list.find_last_of(L'\\')) + L"\\Update\\Update.VQD";
    DeleteFileW(list.c_str());
    m_pFrame = new CTestFrame();
    RECT empty = {0, 0, 0, 0};
    ASSERT_TRUE(m_pFrame->Create(kUpdateWindowClass, L"Velkor游戏中心",
                                      WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, empty));
    m_hWnd = m_pFrame->m_hWnd;
    Pump();
  }
  void TearDown() override {
    if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);  // the frame deletes itself
    Pump();
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Runs messages for about ms milliseconds, or until done() holds.
  static void PumpFor(DWORD ms, std::function<bool()> done = nullptr) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < ms && !(done && done())) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      Pump();
    }
  }

  CTestFrame* m_pFrame = nullptr;
  HWND m_hWnd = nullptr;
};

TEST_F(FrameWindow, SizesCentresAndTitlesItself) {
  RECT rc;
  GetWindowRect(m_hWnd, &rc);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(kW, rc.right - rc.left);
  EXPECT_EQ(kH, rc.bottom - rc.top);
  EXPECT_EQ((work.right - work.left - kW) / 2, rc.left);
  EXPECT_EQ((work.bottom - work.top - kH) / 2, rc.top);
  RECT client;
  GetClientRect(m_hWnd, &client);
  EXPECT_EQ(kW, client.right);
  EXPECT_EQ(kH, client.bottom);
  EXPECT_EQ(0u, GetWindowLongW(m_hWnd, GWL_STYLE) & WS_CAPTION);
  wchar_t title[32];
  GetWindowTextW(m_hWnd, title, 32);
  EXPECT_STREQ(L"大厅升级", title);
  wchar_t cls[32];
  GetClassNameW(m_hWnd, cls, 32);
  EXPECT_STREQ(L"TolmGame", cls);
  // The class: double clicks, the program's icon 212, the arrow, no background.
  EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS), GetClassLongPtrW(m_hWnd, GCL_STYLE));
  EXPECT_NE(0u, GetClassLongPtrW(m_hWnd, GCLP_HICON));
  EXPECT_EQ(0u, GetClassLongPtrW(m_hWnd, GCLP_HBRBACKGROUND));
  RECT button = m_pFrame->GetCloseButton().GetRect();
  EXPECT_EQ(384, button.left);
  EXPECT_EQ(8, button.top);
  EXPECT_EQ(23, button.right - button.left);
  EXPECT_EQ(23, button.bottom - button.top);
  // The manager is the frame's hidden child with id 300.
  ASSERT_NE(nullptr, m_pFrame->GetManager());
  HWND manager = m_pFrame->GetManager()->m_hWnd;
  ASSERT_NE(nullptr, manager);
  EXPECT_EQ(m_hWnd, GetParent(manager));
  EXPECT_EQ(300, GetDlgCtrlID(manager));
}

TEST_F(FrameWindow, TheSkinLiesOverTheFrameAndShowsOnlyTheRing) {
  HWND skin = m_pFrame->GetSkin().m_hWnd;
  ASSERT_NE(nullptr, skin);
  EXPECT_EQ(m_hWnd, GetWindow(skin, GW_OWNER));
  EXPECT_NE(0u, GetWindowLongW(skin, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_TRUE(IsWindowVisible(skin));
  RECT a, b;
  GetWindowRect(m_hWnd, &a);
  GetWindowRect(skin, &b);
  EXPECT_TRUE(EqualRect(&a, &b));
  // Regions: the frame keeps its inside, the skin its edge.
  HRGN frameRgn = CreateRectRgn(0, 0, 0, 0), skinRgn = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(ERROR, GetWindowRgn(m_hWnd, frameRgn));
  ASSERT_NE(ERROR, GetWindowRgn(skin, skinRgn));
  EXPECT_TRUE(PtInRegion(frameRgn, 200, 100));
  EXPECT_FALSE(PtInRegion(frameRgn, 2, 100));
  EXPECT_FALSE(PtInRegion(skinRgn, 200, 100));
  EXPECT_TRUE(PtInRegion(skinRgn, 2, 100));
  EXPECT_TRUE(PtInRegion(skinRgn, kW - 2, kH - 2));
  DeleteObject(frameRgn);
  DeleteObject(skinRgn);
  // Moving the frame moves the skin; hiding it hides the skin.
  SetWindowPos(m_hWnd, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(skin, &b);
  EXPECT_EQ(40, b.left);
  EXPECT_EQ(30, b.top);
  ShowWindow(m_hWnd, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(skin));
}

TEST_F(FrameWindow, EscapeAndEnterAreSwallowed) {
  for (WPARAM key : {WPARAM(VK_ESCAPE), WPARAM(VK_RETURN)}) {
    MSG msg = {m_hWnd, WM_KEYDOWN, key, 0, 0, {0, 0}};
    EXPECT_TRUE(m_pFrame->PreTranslateMessage(&msg));
  }
  MSG other = {m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
  EXPECT_FALSE(m_pFrame->PreTranslateMessage(&other));
}

TEST_F(FrameWindow, PressingTheTopBandDragsTheWindow) {
  SendMessageW(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 40));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(WPARAM(HTCAPTION), msg.wParam);
  EXPECT_EQ(MAKELPARAM(150, 40), msg.lParam);
  SendMessageW(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 120));
  EXPECT_FALSE(PeekMessageW(&msg, m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
}

TEST_F(FrameWindow, TheCloseButtonClosesTheFrame) {
  // A press on the button is no drag.
  SendMessageW(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(395, 19));
  MSG msg;
  EXPECT_FALSE(PeekMessageW(&msg, m_hWnd, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(CVirtualButton::STATE_PRESSED, m_pFrame->GetCloseButton().GetState());
  SendMessageW(m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(395, 19));
  Pump();
  EXPECT_FALSE(IsWindow(m_hWnd));
}

TEST_F(FrameWindow, CommandFourHundredCloses) {
  SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(401, 0), 0);
  Pump();
  EXPECT_TRUE(IsWindow(m_hWnd));
  SendMessageW(m_hWnd, WM_COMMAND, MAKEWPARAM(400, 0), 0);
  Pump();
  EXPECT_FALSE(IsWindow(m_hWnd));
}

TEST_F(FrameWindow, ErasingPaintsTheFrame) {
  m_pFrame->Show(4, 1, 51200, 102400);
  CMemDC screen(kW, kH);
  SendMessageW(m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen.GetSafeHdc()), 0);
  CMemDC direct(kW, kH);
  m_pFrame->DrawFrame(direct.GetSafeHdc(), kW, kH);
  EXPECT_EQ(0, CountDifferences(screen, direct, 0, 0, kW, kH, 0));
  CPictureProbe back(L"UPDATE_FRAME_BACK");
  EXPECT_TRUE(SameColour(back.At(100, 100), screen.GetARGB(100, 100)));
}

TEST_F(FrameWindow, NoticesArePaintedAtThePaintIntervalAndTheLastOneSoonAfter) {
  long before = m_pFrame->GetPaintCount();
  DWORD start = GetTickCount();
  uint32_t stored = 0;
  while (GetTickCount() - start < 400) {
    m_pFrame->Show(2, 0, ++stored, 100000000);
    m_pFrame->OnProgress();
  }
  DWORD elapsed = GetTickCount() - start;
  long paints = m_pFrame->GetPaintCount() - before;
  // Thousands of notices; a painting only every interval, yet some while
  // they came.
  EXPECT_GT(stored, 1000u);
  EXPECT_GE(paints, 2);
  EXPECT_LE(paints, 1 + static_cast<long>(elapsed / CGameUpdateFrame::kPaintInterval));
  // Once they stop, the last one comes on screen within an interval.
  PumpFor(10 * CGameUpdateFrame::kPaintInterval,
          [&] { return m_pFrame->GetPaintedProgress().nStored == stored; });
  EXPECT_EQ(stored, m_pFrame->GetPaintedProgress().nStored);
  long settled = m_pFrame->GetPaintCount();
  PumpFor(3 * CGameUpdateFrame::kPaintInterval);
  EXPECT_EQ(settled, m_pFrame->GetPaintCount()) << "painted again without a notice";
}

// --- a whole download from nginx through the real manager

class FrameDownload : public FrameWindow {
protected:
  void SetUp() override {
    m_Peers = CPeers::Read();
    ASSERT_NE(0, m_Peers.nPort) << "nginx of the peers fixture is not running";
    // The updater starts the socket library before its frame downloads.
    WSADATA wsa;
    ASSERT_EQ(0, WSAStartup(0x0101, &wsa));
  }
  void TearDown() override {
    FrameWindow::TearDown();
    WSACleanup();
    RemoveTree(TestProgramFolder() + L"\\DownLoad");
    DeleteFileW((TestProgramFolder() + L"\\" + m_strName).c_str());
    DeleteFileW((m_Peers.strRoot + L"\\files\\" + m_strName).c_str());
  }
  // Serves `bytes` as /files/<name>, lists it as the one file to fetch from
  // `folder` ("/files/" or "/slow/", nginx's 50 MB/s), and opens the frame.
  void Start(const std::wstring& name, const std::string& bytes, const std::wstring& folder) {
    m_strName = name;
    WriteBytes(m_Peers.strRoot + L"\\files\\" + name, bytes);
    std::wstring list = TestProgramFolder() + L"\\Update\\Update.VQD";
    MakeFolders(TestProgramFolder() + L"\\Update");
    std::wstring base = L"http://127.0.0.1:" + std::to_wstring(m_Peers.nPort) + folder;
    WritePrivateProfileStringW(L"UPDATEFILELIST", L"UPDATEFILECOUNT", L"1", list.c_str());
    WritePrivateProfileStringW(L"UPDATEFILELIST", L"FILENETADDRESS", base.c_str(), list.c_str());
    WritePrivateProfileStringW(L"UPDATEFILELIST", L"FileIndex0", name.c_str(), list.c_str());
    m_dwStart = GetTickCount();
    m_pFrame = new CTestFrame();
    m_pFrame->m_pHandOver = &m_HandOver;
    RECT empty = {0, 0, 0, 0};
    ASSERT_TRUE(m_pFrame->Create(kUpdateWindowClass, L"", WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, empty));
    m_hWnd = m_pFrame->m_hWnd;
  }

  CPeers m_Peers;
  std::wstring m_strName;
  CHandOver m_HandOver;
  DWORD m_dwStart = 0;
};

TEST_F(FrameDownload, PaintsFollowTheClockNotTheReadsAndNothingIsDecodedAgain) {
  const std::string bytes = PatternBytes(16 << 20, 11);
  long decodes = CPngImage::GetDecodeCount();
  long fonts = CUpdateTextFont::GetCreateCount();
  Start(L"frame-paced.bin", bytes, L"/slow/");
  PumpFor(60000, [&] { return m_HandOver.bCalled; });
  DWORD elapsed = GetTickCount() - m_dwStart;
  ASSERT_TRUE(m_HandOver.bCalled) << "the download did not finish";
  EXPECT_TRUE(ReadBytes(TestProgramFolder() + L"\\" + m_strName) == bytes);
  // Its own four pictures (background, bar, knob, close button) and one
  // font, however many megabytes arrive.
  EXPECT_EQ(4, CPngImage::GetDecodeCount() - decodes);
  EXPECT_EQ(1, CUpdateTextFont::GetCreateCount() - fonts);
  // 4096 reads or more; paintings only at the paint interval (plus showing
  // the window and the hand-over), and some of them while the file came.
  EXPECT_LE(m_HandOver.nPaints, 6 + static_cast<long>(elapsed / CGameUpdateFrame::kPaintInterval));
  EXPECT_GT(m_HandOver.nMidwayPaints, 0);
  // The last painting shows the run complete.
  EXPECT_EQ(1, m_HandOver.painted.nTotal);
  EXPECT_EQ(1, m_HandOver.painted.nDone);
}

}  // namespace
