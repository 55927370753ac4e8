// The check dialog: its painting rendered into a memory DC (the bar at
// x = 13, the sweep's fill and knob, the status line), and the real modal
// dialog (size, skin, animation, keys, the system close command, and its
// animation going on while a large installation is compared).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CDlgUpdateCheck.h"
#include "CWinApp.h"
#include "ScriptedPeer.h"
#include "SilentServer.h"
#include "TestFiles.h"
#include "TextProbe.h"

namespace {

const int kW = 330, kH = 69;
const int kBarX = 13, kBarY = 40;
const wchar_t kStatus[] = L"正在检查更新,请稍后...";

class DialogPaint : public ::testing::Test {
protected:
  DialogPaint() : m_Point(L"PROGRESS_POINT") {
    for (int half = 0; half < 2; ++half) {
      m_pTracks[half].reset(new CMemDC(kW, kH));
      CPngImage back, line;
      back.LoadFromResource(GetModuleHandleW(nullptr), L"STATUS_IMAGE");
      line.LoadFromResource(GetModuleHandleW(nullptr), L"PROGRESS_LINE");
      back.Draw(m_pTracks[half]->GetSafeHdc(), 0, 0);
      line.DrawPart(m_pTracks[half]->GetSafeHdc(), kBarX, kBarY, 304, 17, 0, 17 * half);
    }
  }
  std::unique_ptr<CMemDC> Paint(int counter) {
    m_Dialog.SetCounter(counter);
    m_Dialog.SetStatusText(kStatus);
    std::unique_ptr<CMemDC> canvas(new CMemDC(kW, kH));
    m_Dialog.DrawCheck(canvas->GetSafeHdc(), kW, kH);
    return canvas;
  }
  bool Filled(const CMemDC& c, int x) {
    return SameColour(m_pTracks[1]->GetARGB(kBarX + x, kBarY + 8), c.GetARGB(kBarX + x, kBarY + 8));
  }
  bool Empty(const CMemDC& c, int x) {
    return SameColour(m_pTracks[0]->GetARGB(kBarX + x, kBarY + 8), c.GetARGB(kBarX + x, kBarY + 8));
  }
  // The knob's left edge at x, top at y = 36: its opaque middle matches.
  void ExpectKnobAt(const CMemDC& c, int left) {
    for (int i = 7; i <= 19; ++i)
      for (int j : {10, 13, 16})
        EXPECT_TRUE(SameColour(m_Point.At(i, j), c.GetARGB(left + i, 36 + j))) << "knob pixel " << i << "," << j;
  }

  CDlgUpdateCheck m_Dialog;
  CPictureProbe m_Point;
  std::unique_ptr<CMemDC> m_pTracks[2];
};

TEST_F(DialogPaint, CounterFiftyFillsHalfTheBar) {
  auto c = Paint(50);
  EXPECT_TRUE(Filled(*c, 2));
  EXPECT_TRUE(Filled(*c, 130));
  EXPECT_TRUE(Empty(*c, 175));
  EXPECT_TRUE(Empty(*c, 300));
  // 13 + 152 - 13 = 152.
  ExpectKnobAt(*c, 152);
}

TEST_F(DialogPaint, TheSweepRunsFromEmptyToFull) {
  auto start = Paint(0);
  EXPECT_TRUE(Empty(*start, 20));
  EXPECT_TRUE(Empty(*start, 290));
  ExpectKnobAt(*start, kBarX - 13);
  auto full = Paint(100);
  EXPECT_TRUE(Filled(*full, 20));
  EXPECT_TRUE(Filled(*full, 280));
  ExpectKnobAt(*full, kBarX + 304 - 13);
}

TEST_F(DialogPaint, StatusLineIsCentredInItsBox) {
  auto c = Paint(30);
  RECT box = {95, 16, 279, 34};
  auto reference = TextOnBackground(L"STATUS_IMAGE", kW, kH, 0, 0, kStatus, &box,
                                    DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  EXPECT_EQ(0, CountDifferences(*reference, *c, 95, 16, 184, 18));
  auto blank = TextOnBackground(L"STATUS_IMAGE", kW, kH, 0, 0, L"", &box, 0);
  EXPECT_GT(CountDifferences(*reference, *blank, 95, 16, 184, 18, 40), 40);
  // Nothing of it spills out of the box.
  EXPECT_EQ(0, CountDifferences(*blank, *c, 279, 16, 20, 18));
}

TEST_F(DialogPaint, TheSweepDecodesNothingAfterItsFirstPainting) {
  long decodes = CPngImage::GetDecodeCount();
  long fonts = CUpdateTextFont::GetCreateCount();
  auto first = Paint(0);
  // The background and the bar's two pictures; one font.
  EXPECT_EQ(3, CPngImage::GetDecodeCount() - decodes);
  EXPECT_EQ(1, CUpdateTextFont::GetCreateCount() - fonts);
  for (int counter = 1; counter <= 100; ++counter) Paint(counter);
  EXPECT_EQ(3, CPngImage::GetDecodeCount() - decodes);
  EXPECT_EQ(1, CUpdateTextFont::GetCreateCount() - fonts);
  EXPECT_EQ(0, CountDifferences(*first, *Paint(0), 0, 0, kW, kH, 0));
}

// --- the real dialog, run modally

// The application object the windows read the command line from.
CWinApp g_app;

class DialogRun : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(0, m_Server.Port());
    AfxFormatBuffer(m_szCmdLine, 256, L"C:\\game\\game.exe|http://127.0.0.1:%d/check/GameList.ini", m_Server.Port());
    g_app.m_lpCmdLine = m_szCmdLine;
  }
  void TearDown() override { g_app.m_lpCmdLine = nullptr; }

  // Runs the dialog modally; `step` is called every 50 ms with the dialog up
  // until it returns false.
  INT_PTR Run(std::function<bool(CDlgUpdateCheck&, int tick)> step) {
    s_pStep = &step;
    s_pDialog = &m_Dialog;
    s_nTick = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, &DialogRun::OnTick);
    m_Dialog.SetStatusText(kStatus);
    INT_PTR result = m_Dialog.DoModal();
    KillTimer(nullptr, timer);
    s_pStep = nullptr;
    return result;
  }
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (s_pStep == nullptr || s_pDialog->m_hWnd == nullptr) return;
    if (!(*s_pStep)(*s_pDialog, s_nTick++)) s_pStep = nullptr;
  }

  CSilentServer m_Server;
  wchar_t m_szCmdLine[256];
  CDlgUpdateCheck m_Dialog;
  static std::function<bool(CDlgUpdateCheck&, int)>* s_pStep;
  static CDlgUpdateCheck* s_pDialog;
  static int s_nTick;
};

std::function<bool(CDlgUpdateCheck&, int)>* DialogRun::s_pStep = nullptr;
CDlgUpdateCheck* DialogRun::s_pDialog = nullptr;
int DialogRun::s_nTick = 0;

TEST_F(DialogRun, TakesThePictureSizeTitleAndSkin) {
  RECT rc = {}, skin = {}, work = {};
  wchar_t title[32] = {};
  bool topmost = false, inRegion = false, outRegion = true, skinRing = false, skinHole = true;
  INT_PTR result = Run([&](CDlgUpdateCheck& dlg, int) {
    GetWindowRect(dlg.m_hWnd, &rc);
    GetWindowTextW(dlg.m_hWnd, title, 32);
    topmost = (GetWindowLongW(dlg.m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(dlg.m_hWnd, rgn);
    inRegion = PtInRegion(rgn, 100, 30);
    outRegion = PtInRegion(rgn, 3, 30);
    GetWindowRgn(dlg.GetSkin().m_hWnd, rgn);
    skinRing = PtInRegion(rgn, 3, 30);
    skinHole = PtInRegion(rgn, 100, 30);
    DeleteObject(rgn);
    GetWindowRect(dlg.GetSkin().m_hWnd, &skin);
    dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    return false;
  });
  EXPECT_EQ(IDCANCEL, result);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(kW, rc.right - rc.left);
  EXPECT_EQ(kH, rc.bottom - rc.top);
  EXPECT_NEAR((work.left + work.right - kW) / 2, rc.left, 1);
  EXPECT_STREQ(L"Velkor游戏中心", title);
  EXPECT_TRUE(topmost);
  EXPECT_TRUE(inRegion);
  EXPECT_FALSE(outRegion);
  EXPECT_TRUE(skinRing);
  EXPECT_FALSE(skinHole);
  EXPECT_TRUE(EqualRect(&rc, &skin));
  EXPECT_EQ(L"http://127.0.0.1:" + std::to_wstring(m_Server.Port()) + L"/check/GameList.ini",
            std::wstring(m_Dialog.GetManifestUrl()));
}

TEST_F(DialogRun, AnimatesAndIgnoresEscapeAndEnter) {
  int counterBefore = -1, counterAfter = -1;
  long decodesBefore = 0, decodesAfter = -1;
  bool aliveAfterKeys = false;
  INT_PTR result = Run([&](CDlgUpdateCheck& dlg, int tick) {
    if (tick == 0) {
      counterBefore = dlg.GetCounter();
      decodesBefore = CPngImage::GetDecodeCount();
      dlg.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
      dlg.PostMessage(WM_KEYDOWN, VK_RETURN, 0x001C0001);
      return true;
    }
    if (tick < 8) return true;
    aliveAfterKeys = IsWindow(dlg.m_hWnd) != FALSE;
    counterAfter = dlg.GetCounter();
    decodesAfter = CPngImage::GetDecodeCount();
    dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    return false;
  });
  EXPECT_TRUE(aliveAfterKeys);
  EXPECT_EQ(IDCANCEL, result);
  // 20 ms a step: well over ten steps in 400 ms, even on a slow machine.
  EXPECT_GT(counterAfter, counterBefore + 5);
  // Its frames are drawn from the pictures it decoded when it opened.
  EXPECT_EQ(decodesBefore, decodesAfter);
}

TEST_F(DialogRun, TheSinkEndsTheDialogWithItsResult) {
  INT_PTR result = Run([&](CDlgUpdateCheck& dlg, int) {
    EXPECT_NE(nullptr, dlg.GetSink());
    dlg.EndCheck(1);
    return false;
  });
  EXPECT_EQ(1, result);
}

TEST_F(DialogRun, AnUnreachableManifestEndsWithOne) {
  AfxFormatBuffer(m_szCmdLine, 256, L"C:\\game\\game.exe|http://127.0.0.1:1/GameList.ini");
  INT_PTR result = Run([&](CDlgUpdateCheck& dlg, int tick) {
    if (tick > 200) dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE);  // give up after ten seconds
    return tick <= 200;
  });
  EXPECT_EQ(1, result);
}

TEST_F(DialogRun, KeepsAnimatingWhileALargeInstallationIsCompared) {
  // 24 files of 8 MB beside this program, none as the manifest lists it.
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self);
  folder = folder.substr(0, folder.find_last_of(L'\\'));
  const std::string bytes = testwin::PatternBytes(8 << 20, 3);
  std::string manifest = "[UPDATECONFIG]\r\nFileCount=24\r\nUPDATENETADDR=http://127.0.0.1/\r\n[FILENAME]\r\n";
  std::string sums = "[FILECHECKSUM]\r\n";
  for (int i = 0; i < 24; ++i) {
    const std::string index = std::to_string(i);
    ASSERT_TRUE(testwin::WriteBytes(folder + L"\\compare\\f" + std::to_wstring(i) + L".bin", bytes));
    manifest += "FileIndex" + index + "=compare/f" + index + ".bin\r\n";
    sums += "FileIndex" + index + "=" + std::string(32, '0') + "\r\n";
  }
  manifest += sums;
  ScriptedPeer peer;
  ASSERT_TRUE(peer.IsListening());
  peer.AddConnection({ScriptedPeer::ReadRequest(),
                      ScriptedPeer::Send("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(manifest.size()) +
                                         "\r\n\r\n" + manifest)});
  AfxFormatBuffer(m_szCmdLine, 256, L"C:\\game\\game.exe|http://127.0.0.1:%d/check/GameList.ini", peer.Port());

  // The test's own timer and the dialog's both run while the files are
  // hashed: the sink is seen comparing, and the sweep moves meanwhile.
  int comparingTicks = 0, moves = 0, last = -1;
  INT_PTR result = Run([&](CDlgUpdateCheck& dlg, int tick) {
    if (dlg.GetSink() != nullptr && dlg.GetSink()->GetState() == CUpdateCheckSink::StateCompared) {
      ++comparingTicks;
      if (last >= 0 && dlg.GetCounter() != last) ++moves;
      last = dlg.GetCounter();
    }
    if (tick > 1200) dlg.PostMessage(WM_SYSCOMMAND, SC_CLOSE);  // give up after a minute
    return tick <= 1200;
  });
  testwin::RemoveTree(folder + L"\\compare");
  testwin::RemoveTree(folder + L"\\Update");
  // Every file differs: the sink ended the dialog with 2.
  EXPECT_EQ(2, result);
  EXPECT_GE(comparingTicks, 2);
  EXPECT_GE(moves, 1);
}

}  // namespace
