// CDownLoadManager and CDownLoadSink: a list of files fetched from a scripted
// peer into "DownLoad", resumed with a range after a break, moved into place;
// bounded retries and the failure state.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CDownLoadManager.h"
#include "CMD5Checksum.h"
#include "CUpdateCheckSink.h"
#include "ScriptedPeer.h"
#include "UpdatePaths.h"
#include "UpdateTestSupport.h"

namespace {

using P = ScriptedPeer;

class RecordingFrame : public IUpdateFrame {
public:
  void SetCurrentFile(LPCWSTR name) override { current.push_back(name); }
  void RunGame() override { ++games; }
  void OnProgress() override {
    ++progress;
    if (onProgress) onProgress();
  }
  void OnDownLoadFailed(LPCWSTR name) override { failed = name; }

  std::vector<std::wstring> current;
  int games = 0;
  std::wstring failed;
  int progress = 0;
  std::function<void()> onProgress;
};

std::string Md5Of(const std::string& bytes) {
  CMD5Checksum md5;
  return Narrow(md5.GetDataMD5(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size()).str());
}

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

  // A list as the check writes it; without checksums, as lists were before
  // they carried them.
  void WriteList(const std::vector<std::wstring>& names, const std::vector<std::string>& checksums = {}) {
    CreateDirectoryW(ModuleFile(L"Update").c_str(), nullptr);
    wchar_t list[kUpdatePathSize];
    GetUpdateListPath(list);
    for (size_t i = 0; i < names.size(); ++i) {
      WritePrivateProfileStringW(L"UPDATEFILELIST", (L"FileIndex" + std::to_wstring(i)).c_str(), names[i].c_str(),
                                 list);
      if (i < checksums.size())
        WritePrivateProfileStringW(L"UPDATEFILELIST", (L"FileCheckSum" + std::to_wstring(i)).c_str(),
                                   Widen(checksums[i]).c_str(), list);
    }
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

// Thousands of data chunks bring at most one progress notice per read of the
// socket, and the last one the frame takes shows every byte stored.
TEST_F(ManagerTest, ProgressNoticesFollowTheReadsAndTheLastShowsTheWholeFile) {
  const std::string body = PatternBytes(16 << 20, 3);
  WriteList({L"big.bin"});
  Serve(body);
  uint64_t seen = 0;
  frame.onProgress = [&] {
    if (manager.GetSink() != nullptr) seen = std::max(seen, manager.GetSink()->GetStored());
  };
  Run();
  ASSERT_EQ(1, frame.games);
  EXPECT_TRUE(body == ReadBytes(ModuleFile(L"big.bin")));
  EXPECT_EQ(body.size(), seen);
  CDownLoadSink* sink = manager.GetSink();
  const uint32_t reads = sink->GetDownLoad().GetSocket().GetBodyReads();
  EXPECT_GE(sink->GetDataNotices(), 1u);
  EXPECT_LE(sink->GetDataNotices(), reads);
  // The start and the first response add one each.
  EXPECT_LE(frame.progress, static_cast<int>(reads) + 2);
}

TEST_F(ManagerTest, BrokenFileIsResumedWithARangeForTheRest) {
  const std::string first = "first", big = PatternBytes(200000, 5);
  WriteList({L"game/first.bin", L"game/big.bin"});
  Serve(first);
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 200000) + big.substr(0, 102400)),
                      P::Pause(100), P::Close()});
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 206 Partial Content",
                                                            "Content-Range: bytes 102400-199999/200000\r\n",
                                                            200000 - 102400) +
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
    const std::string range =
        part == 0 ? "" : "Content-Range: bytes " + std::to_string(from) + "-29999/30000\r\n";
    std::vector<ScriptedPeer::Step> steps = {P::ReadRequest()};
    if (part > 0) {
      peer.AddConnection({P::ReadRequest(), P::Close()});  // a try that brings nothing
    }
    steps.push_back(P::Send(HttpHeader(status, range, static_cast<long>(body.size() - from)) +
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

TEST_F(ManagerTest, OnlyBytesWithTheListedChecksumAreInstalled) {
  const std::string right = "right bytes";
  std::string upper = Md5Of(right);
  for (char& c : upper) c = static_cast<char>(toupper(c));
  WriteList({L"game/right.bin", L"game/wrong.bin"}, {upper, Md5Of("what the list names")});
  ASSERT_TRUE(WriteBytes(ModuleFile(L"game\\wrong.bin"), "old copy"));
  Serve(right);
  for (int i = 0; i < 3; ++i) Serve("tampered bytes");
  Run();
  EXPECT_EQ(right, ReadBytes(ModuleFile(L"game\\right.bin")));
  // Tried, retried, then the failure state; the old copy stays, the wrong
  // bytes are gone and the game is not started.
  EXPECT_TRUE(manager.IsFailed());
  EXPECT_EQ(L"game/wrong.bin", frame.failed);
  EXPECT_EQ(0, frame.games);
  EXPECT_EQ(4, peer.Accepted());
  EXPECT_EQ("old copy", ReadBytes(ModuleFile(L"game\\wrong.bin")));
  EXPECT_FALSE(FileExists(ModuleFile(L"DownLoad\\wrong.bin")));
}

TEST_F(ManagerTest, PartNotStartingWhereAskedRestartsTheFileFromZero) {
  const std::string body = PatternBytes(50000, 11);
  WriteList({L"game/part.bin"}, {Md5Of(body)});
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 50000) + body.substr(0, 20000)),
                      P::Pause(100), P::Close()});
  // Asked from 20000, the server sends the file from its start as a part.
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 206 Partial Content",
                                                             "Content-Range: bytes 0-49999/50000\r\n", 50000) +
                                                  body)});
  Serve(body);
  Run();
  EXPECT_EQ(1, frame.games);
  EXPECT_NE(std::string::npos, peer.Received().at(1).find("Range: bytes=20000-"));
  EXPECT_EQ(std::string::npos, peer.Received().at(2).find("Range:"));
  EXPECT_EQ(body, ReadBytes(ModuleFile(L"game\\part.bin")));
}

TEST_F(ManagerTest, RedirectedFileWithSpacesInItsNameResumes) {
  const std::string body = PatternBytes(100000, 12);
  WriteList({L"game/my file.bin"}, {Md5Of(body)});
  const std::string moved = HttpHeader("HTTP/1.1 302 Found", "Location: /moved/blob\r\n", 0);
  peer.AddConnection({P::ReadRequest(), P::Send(moved), P::ReadRequest(),
                      P::Send(HttpHeader("HTTP/1.1 200 OK", "", 100000) + body.substr(0, 40000)), P::Pause(100),
                      P::Close()});
  peer.AddConnection({P::ReadRequest(), P::Send(moved), P::ReadRequest(),
                      P::Send(HttpHeader("HTTP/1.1 206 Partial Content", "Content-Range: bytes 40000-99999/100000\r\n",
                                         60000) +
                              body.substr(40000))});
  Run();
  EXPECT_EQ(1, frame.games);
  const std::vector<std::string> asked = peer.Received();
  ASSERT_EQ(4u, asked.size());
  EXPECT_EQ(0u, asked[0].find("GET /files/game/my%20file.bin?x="));
  EXPECT_NE(std::string::npos, asked[3].find("Range: bytes=40000-"));
  EXPECT_EQ(body, ReadBytes(ModuleFile(L"game\\my file.bin")));
}

TEST_F(ManagerTest, StalledDownloadIsRetriedThenEndsInFailure) {
  // The sink exists once the manager has started on an empty list.
  ASSERT_TRUE(manager.StartDownLoad());
  manager.GetSink()->GetDownLoad().GetSocket().SetIdleTimeout(200);
  WriteList({L"game/stall.bin"});
  for (int i = 0; i < 3; ++i)
    peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 1000)), P::WaitRelease()});
  Run();
  EXPECT_TRUE(manager.IsFailed());
  EXPECT_EQ(3, peer.Accepted());
  EXPECT_EQ(0, frame.games);
  for (int i = 0; i < 3; ++i) peer.Release();
}

TEST_F(ManagerTest, FileThatCannotBeMovedKeepsItsDownloadAndStopsTheRun) {
  // The destination is taken by a folder.
  ASSERT_TRUE(WriteBytes(ModuleFile(L"game\\taken.bin\\inside.txt"), "x"));
  WriteList({L"game/first.bin", L"game/taken.bin", L"game/third.bin"});
  Serve("first");
  Serve("taken");
  Serve("third");
  Run();
  EXPECT_TRUE(manager.IsFailed());
  EXPECT_EQ(L"game/taken.bin", frame.failed);
  EXPECT_EQ(0, frame.games);
  EXPECT_EQ("first", ReadBytes(ModuleFile(L"game\\first.bin")));
  EXPECT_EQ("taken", ReadBytes(ModuleFile(L"DownLoad\\taken.bin")));
  EXPECT_EQ(2, peer.Accepted());
}

TEST_F(ManagerTest, ChineseNamesFromAGbkManifestLandInPlace) {
  // "数据/淺.bin" (the second byte of 淺 in GBK is "\\") and "更新.txt".
  const std::string deepGbk = "\xca\xfd\xbe\xdd/\x9c\x5c.bin", topGbk = "\xb8\xfc\xd0\xc2.txt";
  const std::wstring deep = L"\u6570\u636e/\u6dfa.bin", top = L"\u66f4\u65b0.txt";
  const std::string deepBytes = PatternBytes(30000, 21), topBytes = "top";
  ASSERT_TRUE(WriteBytes(ModuleFile(L"\u66f4\u65b0.txt"), "stale"));
  const std::string manifest = "[UPDATECONFIG]\r\nFileCount=2\r\nUPDATENETADDR=http://127.0.0.1:" +
                               std::to_string(peer.Port()) + "/files/\r\n[FILENAME]\r\nFileIndex0=" + deepGbk +
                               "\r\nFileIndex1=" + topGbk + "\r\n[FILECHECKSUM]\r\nFileIndex0=" + Md5Of(deepBytes) +
                               "\r\nFileIndex1=" + Md5Of(topBytes) + "\r\n";
  Serve(manifest);
  Serve(deepBytes);
  Serve(topBytes);

  class Owner : public IUpdateCheckOwner {
  public:
    void EndCheck(int value) override { result = value; }
    int result = 0;
  } owner;
  CUpdateCheckSink check;
  check.SetOwner(&owner);
  ASSERT_TRUE(check.Start((L"http://127.0.0.1:" + std::to_wstring(peer.Port()) + L"/cfg/Server.ini").c_str()));
  ASSERT_TRUE(PumpUntil([&] { return owner.result != 0; }));
  ASSERT_EQ(2, owner.result);
  Run();
  EXPECT_EQ(1, frame.games);
  EXPECT_EQ((std::vector<std::wstring>{deep, top}), frame.current);
  EXPECT_EQ(0u, peer.Received().at(1).find("GET /files/" + deepGbk + "?x="));
  EXPECT_TRUE(deepBytes == ReadBytes(ModuleFile(L"\u6570\u636e\\\u6dfa.bin")));
  EXPECT_EQ(topBytes, ReadBytes(ModuleFile(top)));
  RemoveTree(ModuleFile(L"\u6570\u636e"));
  DeleteFileW(ModuleFile(top).c_str());
}

TEST_F(ManagerTest, ListCountIsBoundedByTheEntriesPresent) {
  WriteList({L"game/one.dll"});
  wchar_t list[kUpdatePathSize];
  GetUpdateListPath(list);
  WritePrivateProfileStringW(L"UPDATEFILELIST", L"UPDATEFILECOUNT", L"2000000000", list);
  Serve("one");
  const DWORD start = GetTickCount();
  Run();
  EXPECT_EQ(1, manager.GetTotal());
  EXPECT_EQ("one", ReadBytes(ModuleFile(L"game\\one.dll")));
  EXPECT_LT(GetTickCount() - start, 5000u);
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
