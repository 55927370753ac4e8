// The engine against real servers on loopback, started by the test run's
// fixture (tests/support/peers/peers.sh): nginx directly, through dante as
// SOCKS4 and SOCKS5, and through tinyproxy's CONNECT; then a whole update
// run (manifest check, list, manager) from nginx.
#include <gtest/gtest.h>

#include <string>

#include "CDownLoad.h"
#include "CDownLoadManager.h"
#include "CMD5Checksum.h"
#include "CUpdateCheckSink.h"
#include "RecordingDownLoadSink.h"
#include "UpdatePaths.h"
#include "UpdateTestSupport.h"

namespace {

struct Peers {
  int nginx = 0, socks = 0, tinyproxy = 0;
  std::wstring root;  // document root, Windows form
};

Peers ReadPeers() {
  Peers p;
  wchar_t dir[MAX_PATH] = {0};
  if (!GetEnvironmentVariableW(L"UPDATE_PEERS_DIR", dir, MAX_PATH)) return p;
  std::wstring ini = std::wstring(L"Z:") + dir + L"/peers.ini";
  for (wchar_t& c : ini)
    if (c == L'/') c = L'\\';
  p.nginx = GetPrivateProfileIntW(L"peers", L"nginx", 0, ini.c_str());
  p.socks = GetPrivateProfileIntW(L"peers", L"socks", 0, ini.c_str());
  p.tinyproxy = GetPrivateProfileIntW(L"peers", L"tinyproxy", 0, ini.c_str());
  wchar_t root[MAX_PATH] = {0};
  GetPrivateProfileStringW(L"peers", L"root", L"", root, MAX_PATH, ini.c_str());
  p.root = root;
  return p;
}

class PeersTest : public ::testing::Test {
protected:
  void SetUp() override {
    peers = ReadPeers();
    ASSERT_NE(0, peers.nginx) << "peers.ini not found: run through ctest (fixture update_peers)";
  }
  std::wstring Url(const std::wstring& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(peers.nginx) + path;
  }
  std::string Served(const std::wstring& relative) const { return ReadBytes(peers.root + L"\\" + relative); }
  void Fetch(const std::wstring& path, uint32_t offset = 0) {
    ASSERT_TRUE(download.Start(Url(path).c_str(), &sink, offset));
    ASSERT_TRUE(PumpUntil([&] { return sink.Ended(); }, 20000));
    ASSERT_EQ("status 2", sink.events.back());
  }
  void UseProxy(BYTE type, int port) {
    CWEBSocket& s = download.GetSocket();
    s.m_eProxyType = type;
    s.m_nProxyPort = static_cast<uint16_t>(port);
    wcscpy(s.m_szProxyHost, L"127.0.0.1");
  }

  Peers peers;
  RecordingDownLoadSink sink;
  CDownLoad download;
};

TEST_F(PeersTest, NginxServesAWholeFile) {
  Fetch(L"/files/big.bin");
  EXPECT_EQ("begin whole 300000", sink.events.at(2));
  EXPECT_TRUE(sink.body == Served(L"files\\big.bin"));
}

TEST_F(PeersTest, NginxAnswersARangeWith206) {
  Fetch(L"/files/big.bin", 123457);
  EXPECT_EQ("begin resumed 176543", sink.events.at(2));
  EXPECT_TRUE(sink.body == Served(L"files\\big.bin").substr(123457));
}

TEST_F(PeersTest, NginxRedirectsRelativeAndAbsolute) {
  Fetch(L"/moved");
  EXPECT_EQ("hello from nginx\n", sink.body);
  sink.body.clear();
  Fetch(L"/moved-absolute");
  EXPECT_EQ("nested file\n", sink.body);
}

TEST_F(PeersTest, DanteTunnelsSocks4AndSocks5) {
  UseProxy(CWEBSocket::ProxySocks4, peers.socks);
  Fetch(L"/files/big.bin");
  EXPECT_TRUE(sink.body == Served(L"files\\big.bin"));
  sink.body.clear();
  UseProxy(CWEBSocket::ProxySocks5, peers.socks);
  Fetch(L"/files/big.bin", 1000);
  EXPECT_TRUE(sink.body == Served(L"files\\big.bin").substr(1000));
}

TEST_F(PeersTest, TinyproxyTunnelsHttpConnect) {
  UseProxy(CWEBSocket::ProxyHttp, peers.tinyproxy);
  Fetch(L"/files/big.bin");
  EXPECT_TRUE(sink.body == Served(L"files\\big.bin"));
}

class RunOwner : public IUpdateCheckOwner, public IUpdateFrame {
public:
  void EndCheck(int r) override { result = r; }
  void SetCurrentFile(LPCWSTR) override {}
  void RunGame() override { ++games; }
  void OnProgress() override {}
  void OnDownLoadFailed(LPCWSTR) override { failed = true; }
  int result = 0, games = 0;
  bool failed = false;
};

TEST_F(PeersTest, WholeUpdateRunFromNginx) {
  for (const wchar_t* d : {L"Update", L"DownLoad", L"files"}) RemoveTree(ModuleFile(d));
  // The installation has the nested file already; the other two differ.
  ASSERT_TRUE(WriteBytes(ModuleFile(L"files\\sub\\nested.txt"), Served(L"files\\sub\\nested.txt")));
  ASSERT_TRUE(WriteBytes(ModuleFile(L"files\\small.txt"), "outdated"));
  CMD5Checksum md5;
  auto sum = [&](const wchar_t* f) { return Narrow(md5.GetFileMD5((peers.root + L"\\" + f).c_str()).str()); };
  const std::string manifest = "[UPDATECONFIG]\r\nFileCount=3\r\nUPDATENETADDR=" + Narrow(Url(L"/")) +
                               "\r\n[FILENAME]\r\nFileIndex0=files/small.txt\r\nFileIndex1=files/sub/nested.txt\r\n"
                               "FileIndex2=files/big.bin\r\n[FILECHECKSUM]\r\nFileIndex0=" + sum(L"files\\small.txt") +
                               "\r\nFileIndex1=" + sum(L"files\\sub\\nested.txt") + "\r\nFileIndex2=" +
                               sum(L"files\\big.bin") + "\r\n";
  ASSERT_TRUE(WriteBytes(peers.root + L"\\Game.ini", manifest));

  RunOwner owner;
  CUpdateCheckSink check;
  check.SetOwner(&owner);
  ASSERT_TRUE(check.Start(Url(L"/Game.ini").c_str()));
  ASSERT_TRUE(PumpUntil([&] { return owner.result != 0; }));
  ASSERT_EQ(2, owner.result);

  CWnd frame;
  ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), L"frame", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
  CDownLoadManager manager;
  ASSERT_TRUE(manager.CreateManager(&frame));
  manager.SetFrame(&owner);
  manager.LoadFileList();
  EXPECT_EQ(2, manager.GetTotal());
  ASSERT_TRUE(manager.StartDownLoad());
  ASSERT_TRUE(PumpUntil([&] { return owner.games > 0 || owner.failed; }, 20000));
  EXPECT_EQ(1, owner.games);
  EXPECT_EQ(Served(L"files\\small.txt"), ReadBytes(ModuleFile(L"files\\small.txt")));
  EXPECT_TRUE(Served(L"files\\big.bin") == ReadBytes(ModuleFile(L"files\\big.bin")));
  for (const wchar_t* d : {L"Update", L"DownLoad", L"files"}) RemoveTree(ModuleFile(d));
}

}  // namespace
