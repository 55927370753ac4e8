// CDownLoadManager and CDownLoadSink: a list of files fetched from a scripted
// peer into "DownLoad", resumed with a range after a break, moved into place;
// bounded retries and the failure state.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CDownLoadManager.h"
#include "ScriptedPeer.h"
#include "UpdatePaths.h"
#include "UpdateTestSupport.h"

namespace {

using P = ScriptedPeer;

class RecordingFrame : public IUpdateFrame {
public:
  void SetCurrentFile(LPCWSTR name) override { current.push_back(name); }
  void RunGame() override { ++games; }
  void OnProgress() override { ++progress; }
  void OnDownLoadFailed(LPCWSTR name) override { failed = name; }

  std::vector<std::wstring> current;
  int games = 0;
  std::wstring failed;
  int progress = 0;
};

class ManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(peer.IsListening());
    Clean();
    ASSERT_TRUE(frameWnd.CreateEx(0, AfxRegisterWndClass(0), L"frame", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    ASSERT_TRUE(manager.CreateManager(&frameWnd));
    manager.SetFrame(&frame);
    manager.SetRetryPolicy(2, 20);
  }
  void TearDown() override { Clean(); }
  void Clean() {
    for (const wchar_t* dir : {L"Update", L"DownLoad", L"game"}) RemoveTree(ModuleFile(dir));
  }

  void WriteList(const std::vector<std::wstring>& names) {
    CreateDirectoryW(ModuleFile(L"Update").c_str(), nullptr);
    wchar_t list[kUpdatePathSize];
    GetUpdateListPath(list);
    for (size_t i = 0; i < names.size(); ++i)
      WritePrivateProfileStringW(L"UPDATEFILELIST", (L"FileIndex" + std::to_wstring(i)).c_str(), names[i].c_str(),
                                 list);
    WritePrivateProfileStringW(L"UPDATEFILELIST", L"UPDATEFILECOUNT", std::to_wstring(names.size()).c_str(), list);
    const std::wstring base = L"http://127.0.0.1:" + std::to_wstring(peer.Port()) + L"/files/";
    WritePrivateProfileStringW(L"UPDATEFILELIST", L"FILENETADDRESS", base.c_str(), list);
  }
  void Serve(const std::string& body) {
    peer.AddConnection(
        {P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", static_cast<long>(body.size())) + body)});
  }
  void Run() {
    manager.LoadFileList();
    ASSERT_TRUE(manager.StartDownLoad());
    ASSERT_TRUE(PumpUntil([&] { return frame.games > 0 || manager.IsFailed(); }, 20000));
  }

  ScriptedPeer peer;
  RecordingFrame frame;
  CWnd frameWnd;
  CDownLoadManager manager;
};

TEST_F(ManagerTest, EveryListedFileLandsInPlaceAndTheGameStartsAfterTheLast) {
  const std::string a = PatternBytes(5000, 1), b = PatternBytes(70000, 2), c = "third";
  WriteList({L"game/a.dll", L"game/data/img/b.png", L"game/c.txt"});
  Serve(a);
  Serve(b);
  Serve(c);
  Run();
  EXPECT_EQ(1, frame.games);
  EXPECT_EQ(3, manager.GetTotal());
  EXPECT_EQ(3, manager.GetDone());
  EXPECT_EQ(a, ReadBytes(ModuleFile(L"game\\a.dll")));
  EXPECT_EQ(b, ReadBytes(ModuleFile(L"game\\data\\img\\b.png")));
  EXPECT_EQ(c, ReadBytes(ModuleFile(L"game\\c.txt")));
  EXPECT_EQ((std::vector<std::wstring>{L"game/a.dll", L"game/data/img/b.png", L"game/c.txt"}), frame.current);
  // The frame hears of every file's progress (at least its start).
  EXPECT_GE(frame.progress, 3);
  // The holding folder is emptied by the moves and the list is gone.
  EXPECT_FALSE(FileExists(ModuleFile(L"DownLoad\\b.png")));
  EXPECT_FALSE(FileExists(ModuleFile(L"Update\\Update.VQD")));
  EXPECT_EQ(0u, peer.Received().at(1).find("GET /files/game/data/img/b.png?x="));
}

TEST_F(ManagerTest, BrokenFileIsResumedWithARangeForTheRest) {
  const std::string first = "first", big = PatternBytes(200000, 5);
  WriteList({L"game/first.bin", L"game/big.bin"});
  Serve(first);
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 200000) + big.substr(0, 102400)),
                      P::Pause(100), P::Close()});
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 206 Partial Content", "", 200000 - 102400) +
                                                 big.substr(102400))});
  Run();
  EXPECT_EQ(1, frame.games);
  EXPECT_NE(std::string::npos, peer.Received().at(2).find("\r\nRange: bytes=102400-\r\n"));
  EXPECT_EQ(big, ReadBytes(ModuleFile(L"game\\big.bin")));
  // The failed attempt is a notice too.
  EXPECT_EQ(3, manager.GetDone());
  EXPECT_EQ(2, manager.GetTotal());
}

TEST_F(ManagerTest, ServerIgnoringTheRangeRestartsTheFileFromZero) {
  const std::string body = PatternBytes(50000, 9);
  WriteList({L"game/whole.bin"});
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 50000) + body.substr(0, 20000)),
                      P::Pause(100), P::Close()});
  Serve(body);
  Run();
  EXPECT_EQ(1, frame.games);
  EXPECT_NE(std::string::npos, peer.Received().at(1).find("Range: bytes=20000-"));
  EXPECT_EQ(body, ReadBytes(ModuleFile(L"game\\whole.bin")));
}

TEST_F(ManagerTest, FileFailingBeforeAnyByteIsRetriedThenTheManagerStops) {
  WriteList({L"game/gone.bin", L"game/never.bin"});
  for (int i = 0; i < 5; ++i)
    peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 404 Not Found", "", 0))});
  Run();
  EXPECT_TRUE(manager.IsFailed());
  EXPECT_EQ(L"game/gone.bin", frame.failed);
  EXPECT_EQ(0, frame.games);
  PumpFor(200);
  // The first try and two retries, then nothing more.
  EXPECT_EQ(3, peer.Accepted());
  EXPECT_EQ(0, manager.GetDone());
}

TEST_F(ManagerTest, RetryThatGotFurtherResetsTheCount) {
  const std::string body = PatternBytes(30000, 4);
  WriteList({L"game/slow.bin"});
  manager.SetRetryPolicy(1, 20);
  // Every other attempt brings 10000 more bytes before the connection breaks;
  // with one retry allowed, only the reset count lets the file finish.
  for (int part = 0; part < 3; ++part) {
    const size_t from = part * 10000;
    const std::string status = part == 0 ? "HTTP/1.1 200 OK" : "HTTP/1.1 206 Partial Content";
    std::vector<ScriptedPeer::Step> steps = {P::ReadRequest()};
    if (part > 0) {
      peer.AddConnection({P::ReadRequest(), P::Close()});  // a try that brings nothing
    }
    steps.push_back(P::Send(HttpHeader(status, "", static_cast<long>(body.size() - from)) +
                            body.substr(from, part < 2 ? 10000 : std::string::npos)));
    if (part < 2) {
      steps.push_back(P::Pause(100));
      steps.push_back(P::Close());
    }
    peer.AddConnection(steps);
  }
  Run();
  EXPECT_EQ(1, frame.games);
  EXPECT_EQ(body, ReadBytes(ModuleFile(L"game\\slow.bin")));
}

TEST_F(ManagerTest, UnsafeAndEmptyNamesAreLeftOutOfTheList) {
  WriteList({L"../outside.dll", L"", L"C:\\evil.dll", L"game/ok.dll", L"game/../../x"});
  Serve("ok");
  Run();
  EXPECT_EQ(1, manager.GetTotal());
  EXPECT_EQ(1, peer.Accepted());
  EXPECT_EQ("ok", ReadBytes(ModuleFile(L"game\\ok.dll")));
  std::wstring parent = GetModuleDirectory();
  parent = parent.substr(0, parent.rfind(L'\\'));
  EXPECT_FALSE(FileExists(parent + L"\\outside.dll"));
}

TEST_F(ManagerTest, EmptyListStartsNothing) {
  manager.LoadFileList();
  EXPECT_TRUE(manager.StartDownLoad());
  PumpFor(100);
  EXPECT_EQ(0, manager.GetTotal());
  EXPECT_EQ(0, peer.Accepted());
  EXPECT_EQ(0, frame.games);
  EXPECT_TRUE(frame.current.empty());
}

}  // namespace
