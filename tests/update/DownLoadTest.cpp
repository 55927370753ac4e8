// CDownLoad against scripted peers: the request text, statuses, lengths,
// redirects, closes and the sink's interface handshake.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "CDownLoad.h"
#include "RecordingDownLoadSink.h"
#include "ScriptedPeer.h"
#include "UpdateTestSupport.h"

#include <wininet.h>

namespace {

using P = ScriptedPeer;

class DownLoadTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(peer.IsListening()); }
  std::wstring Url(const std::wstring& path, const ScriptedPeer& p) const {
    return L"http://127.0.0.1:" + std::to_wstring(p.Port()) + path;
  }
  bool Fetch(const std::wstring& path, uint64_t offset = 0) {
    if (!download.Start(Url(path, peer).c_str(), &sink, offset)) return false;
    return PumpUntil([&] { return sink.Ended(); });
  }
  std::string Ok(const std::string& body, const std::string& extra = "") {
    return HttpHeader("HTTP/1.1 200 OK", extra, static_cast<long>(body.size())) + body;
  }

  ScriptedPeer peer;
  RecordingDownLoadSink sink;
  CDownLoad download;
};

TEST(UnknownBaseTest, VersionTestAndInterfaceAnswers) {
  EXPECT_TRUE(IsUnknownBaseVersion(0x01010101));
  EXPECT_TRUE(IsUnknownBaseVersion(0x01010001));
  EXPECT_FALSE(IsUnknownBaseVersion(0x01010201));
  EXPECT_FALSE(IsUnknownBaseVersion(0x02010101));
  EXPECT_FALSE(IsUnknownBaseVersion(0x01000101));
  EXPECT_FALSE(IsUnknownBaseVersion(0x01010100));

  CDownLoad download;
  IWEBSocketSink* own = &download;
  EXPECT_EQ(static_cast<void*>(own), download.QueryInterface(IID_IWEBSocketSink, UNKNOWN_BASE_VERSION));
  EXPECT_EQ(static_cast<void*>(own), download.QueryInterface(IID_IUnknownBase, UNKNOWN_BASE_VERSION));
  EXPECT_EQ(nullptr, download.QueryInterface(IID_IDownLoadSink, UNKNOWN_BASE_VERSION));
  EXPECT_EQ(nullptr, download.QueryInterface(IID_IWEBSocketSink, 0x01010201));
}

TEST(UnknownBaseTest, InterfaceIdentifiers) {
  auto text = [](const GUID& g) {
    wchar_t buf[40];
    StringFromGUID2(g, buf, 40);
    return std::wstring(buf);
  };
  EXPECT_EQ(L"{1F5215BC-695E-48FC-987E-DFFDB39FBF62}", text(IID_IUnknownBase));
  EXPECT_EQ(L"{09843E16-0F5F-4997-B923-DBF10005BB46}", text(IID_IWEBSocketSink));
  EXPECT_EQ(L"{B98886A0-3B99-401D-9BF9-5604A8597B76}", text(IID_IDownLoadSink));
}

TEST(CrackUrlTest, DefaultPortHostAndPathWithItsQuery) {
  CDownLoad download;
  EXPECT_EQ(INTERNET_SCHEME_HTTP, download.CrackUrl(L"http://h/a/b.dll?x=17"));
  EXPECT_EQ(80, download.GetPort());
  EXPECT_STREQ(L"h", download.GetHostName());
  EXPECT_STREQ(L"/a/b.dll?x=17", download.GetUrlPath());
  EXPECT_EQ(INTERNET_SCHEME_HTTP, download.CrackUrl(L"http://127.0.0.1:8080/p?x=1?x=2"));
  EXPECT_EQ(8080, download.GetPort());
  EXPECT_STREQ(L"/p?x=1?x=2", download.GetUrlPath());
  EXPECT_EQ(INTERNET_SCHEME_FTP, download.CrackUrl(L"ftp://h/f"));
  EXPECT_EQ(21, download.GetPort());
}

TEST_F(DownLoadTest, OverlongUrlIsRefusedNotCut) {
  EXPECT_FALSE(download.Start(Url(L"/" + std::wstring(300, L'p'), peer).c_str(), &sink, 0));
  EXPECT_EQ((std::vector<std::string>{"error 0"}), sink.events);
  EXPECT_EQ(0, peer.Accepted());
}

TEST_F(DownLoadTest, RequestIsByteForByteWithTheCacheBuster) {
  peer.AddConnection({P::ReadRequest(), P::Send(Ok("hello", "ETag: \"abc-1\"\r\n"))});
  ASSERT_TRUE(Fetch(L"/a/b.dll"));
  const std::string request = peer.Received().at(0);
  const std::regex expected(
      "GET /a/b\\.dll\\?x=[0-9]+ HTTP/1\\.1\r\nHost:127\\.0\\.0\\.1\r\nAccept:\\*/\\*\r\n"
      "User-Agent:Mozilla/4\\.0 \\(compatible; MSIE 6\\.00; Windows NT 5\\.1\\)\r\nPragma: no-cache\r\n"
      "Cache-Control: no-cache\r\nConnection:Keep-Alive\r\n\r\n");
  EXPECT_TRUE(std::regex_match(request, expected)) << request;
  EXPECT_EQ((std::vector<std::string>{"status 0", "status 1", "begin whole 5", "status 2"}), sink.events);
  EXPECT_EQ("hello", sink.body);
  EXPECT_EQ(L"abc-1", sink.etag);
  EXPECT_EQ(0u, sink.path.find(L"/a/b.dll?x="));
  EXPECT_EQ(1, sink.queries);
  EXPECT_EQ(CDownLoad::StateIdle, download.GetState());
}

TEST_F(DownLoadTest, ResumeAsksForTheRestAnd206IsResumed) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 206 Partial Content",
                                                             "Content-Range: bytes 5000-5002/5003\r\n", 3) +
                                                  "xyz")});
  ASSERT_TRUE(Fetch(L"/f.bin", 5000));
  EXPECT_NE(std::string::npos, peer.Received().at(0).find("\r\nRange: bytes=5000-\r\nPragma: no-cache\r\n"));
  EXPECT_EQ("begin resumed 3", sink.events.at(2));
  EXPECT_EQ("status 2", sink.events.back());
}

TEST_F(DownLoadTest, OffsetsBeyond4GiBAreAskedAndTakenWhole) {
  peer.AddConnection({P::ReadRequest(),
                      P::Send("HTTP/1.1 206 Partial Content\r\nContent-Range: bytes 5000000000-5000000009/5000000010\r\n"
                              "\r\n0123456789")});
  ASSERT_TRUE(Fetch(L"/big.bin", 5000000000ull));
  EXPECT_NE(std::string::npos, peer.Received().at(0).find("\r\nRange: bytes=5000000000-\r\n"));
  EXPECT_EQ("begin resumed 10", sink.events.at(2));
  EXPECT_EQ("0123456789", sink.body);

  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 0).substr(0, 17) +
                                                  "Content-Length: 6000000000\r\n\r\nabc"),
                      P::Close()});
  sink.events.clear();
  ASSERT_TRUE(Fetch(L"/huge.bin"));
  EXPECT_EQ("begin whole 6000000000", sink.events.at(2));
  EXPECT_EQ("error 0", sink.events.back());
}

TEST_F(DownLoadTest, PartStartingElsewhereThanAskedIsRefused) {
  // Asked from 5000, given from 0; asked whole, given a later part; no range at all.
  const std::vector<std::pair<uint64_t, std::string>> cases = {
      {5000, "Content-Range: bytes 0-2/3\r\n"}, {0, "Content-Range: bytes 10-12/13\r\n"}, {7, ""}};
  for (const auto& c : cases) {
    peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 206 Partial Content", c.second, 3) + "xyz")});
    sink.events.clear();
    sink.body.clear();
    ASSERT_TRUE(Fetch(L"/f.bin", c.first));
    EXPECT_EQ((std::vector<std::string>{"status 0", "error 2"}), sink.events) << c.second;
    EXPECT_EQ("", sink.body);
  }
}

TEST_F(DownLoadTest, ServerIgnoringTheRangeAnswers200AndIsNotResumed) {
  peer.AddConnection({P::ReadRequest(), P::Send(Ok("whole file"))});
  ASSERT_TRUE(Fetch(L"/f.bin", 5000));
  EXPECT_EQ("begin whole 10", sink.events.at(2));
  EXPECT_EQ("whole file", sink.body);
}

TEST_F(DownLoadTest, AnnouncedEmptyBodyCompletesWithoutWaitingForAClose) {
  // The peer keeps the connection open after the header.
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 0))});
  ASSERT_TRUE(Fetch(L"/empty"));
  EXPECT_EQ((std::vector<std::string>{"status 0", "status 1", "begin whole 0", "status 2"}), sink.events);
}

TEST_F(DownLoadTest, BodyFramingByLengthInAnySpellingByChunksOrByTheClose) {
  // A lower-case length on a connection that stays open.
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\ncontent-length: 4\r\n\r\nbody")});
  ASSERT_TRUE(Fetch(L"/lower"));
  EXPECT_EQ((std::vector<std::string>{"status 0", "status 1", "begin whole 4", "status 2"}), sink.events);
  EXPECT_EQ("body", sink.body);

  // Chunks, dripped a byte at a time, then the connection stays open.
  const std::string chunked = "4\r\nWiki\r\n6;x=y\r\npedia \r\nE\r\nin \r\n\r\nchunks.\r\n0\r\nT: v\r\n\r\n";
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"),
                      P::Drip(chunked, 2)});
  sink.events.clear();
  sink.body.clear();
  ASSERT_TRUE(Fetch(L"/chunked"));
  EXPECT_EQ("Wikipedia in \r\n\r\nchunks.", sink.body);
  EXPECT_EQ("begin whole 0", sink.events.at(2));
  EXPECT_EQ("status 2", sink.events.back());

  // No length (or one that does not parse): the body ends with the connection.
  for (const char* extra : {"", "Content-Length: 4x\r\n"}) {
    peer.AddConnection({P::ReadRequest(), P::Send(std::string("HTTP/1.1 200 OK\r\n") + extra + "\r\nuntil "),
                        P::Pause(100), P::Send("the close"), P::Close()});
    sink.events.clear();
    sink.body.clear();
    ASSERT_TRUE(Fetch(L"/close"));
    EXPECT_EQ("until the close", sink.body) << extra;
    EXPECT_EQ("status 2", sink.events.back()) << extra;
  }
}

TEST_F(DownLoadTest, BytesPastTheLengthAreCutAndBrokenChunksFail) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 5) + "exactand more")});
  ASSERT_TRUE(Fetch(L"/long"));
  EXPECT_EQ("exact", sink.body);
  EXPECT_EQ("status 2", sink.events.back());

  peer.AddConnection({P::ReadRequest(),
                      P::Send("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabcXY\r\n")});
  sink.events.clear();
  ASSERT_TRUE(Fetch(L"/broken"));
  EXPECT_EQ("error 0", sink.events.back());
}

TEST_F(DownLoadTest, StalledAndEndlessFetchesFailInBoundedTime) {
  // Nothing after the header: the idle time-out closes it.
  download.GetSocket().SetIdleTimeout(300);
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 100) + "part"), P::WaitRelease()});
  DWORD start = GetTickCount();
  ASSERT_TRUE(Fetch(L"/stall"));
  EXPECT_EQ("error 0", sink.events.back());
  EXPECT_LT(GetTickCount() - start, 3000u);
  peer.Release();

  // A byte now and then keeps the connection alive, but not past the limit.
  download.GetSocket().SetIdleTimeout(CWEBSocket::kIdleTimeout);
  download.SetTimeLimit(600);
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 100)), P::Drip(std::string(100, 'd'), 50)});
  sink.events.clear();
  start = GetTickCount();
  ASSERT_TRUE(Fetch(L"/drip"));
  EXPECT_EQ("error 0", sink.events.back());
  EXPECT_LT(GetTickCount() - start, 3000u);
}

TEST_F(DownLoadTest, CloseInMidBodyIsAnError) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 200 OK", "", 100) + "only part"),
                      P::Pause(100), P::Abort()});
  ASSERT_TRUE(Fetch(L"/x"));
  EXPECT_EQ("only part", sink.body);
  EXPECT_EQ("error 0", sink.events.back());
  EXPECT_EQ(CDownLoad::StateIdle, download.GetState());
}

TEST_F(DownLoadTest, StatusOtherThanAcceptedOnesIsAnError) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 404 Not Found", "", 0))});
  ASSERT_TRUE(Fetch(L"/missing"));
  EXPECT_EQ((std::vector<std::string>{"status 0", "error 0"}), sink.events);
  // A status line without a space has status 0.
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1\r\n\r\n")});
  sink.events.clear();
  ASSERT_TRUE(Fetch(L"/odd"));
  EXPECT_EQ("error 0", sink.events.back());
}

TEST_F(DownLoadTest, RelativeRedirectIsFollowedOnTheSameConnection) {
  // The redirect's own body arrives in a read of its own and is passed over.
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 302 Found", "Location: /new/path\r\n", 12)),
                      P::Pause(150), P::Send("moved here!\n"), P::ReadRequest(), P::Send(Ok("target"))});
  ASSERT_TRUE(Fetch(L"/old"));
  EXPECT_EQ(1, peer.Accepted());
  EXPECT_EQ(0u, peer.Received().at(1).find("GET /new/path?x="));
  EXPECT_EQ("target", sink.body);
  EXPECT_EQ("status 2", sink.events.back());
}

TEST_F(DownLoadTest, AbsoluteRedirectOpensANewConnection) {
  ScriptedPeer other;
  other.AddConnection({P::ReadRequest(), P::Send(Ok("elsewhere"))});
  const std::string location = "http://127.0.0.1:" + std::to_string(other.Port()) + "/there.bin";
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 301 Moved", "Location: " + location + "\r\n", 0))});
  ASSERT_TRUE(Fetch(L"/here", 7));
  EXPECT_EQ("elsewhere", sink.body);
  const std::string second = other.Received().at(0);
  EXPECT_EQ(0u, second.find("GET /there.bin?x="));
  EXPECT_NE(std::string::npos, second.find("Range: bytes=7-"));
  EXPECT_EQ((std::vector<std::string>{"status 0", "status 0", "status 1", "begin whole 9", "status 2"}),
            sink.events);
}

TEST_F(DownLoadTest, TemporaryAndPermanentRedirectsAreFollowed) {
  // 307 without a length (a new connection to the same host), then 308.
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 307 Temporary Redirect\r\nLocation: /b\r\n\r\n")});
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 308 Permanent Redirect", "location: /c\r\n", 0)),
                      P::ReadRequest(), P::Send(Ok("landed"))});
  ASSERT_TRUE(Fetch(L"/a"));
  EXPECT_EQ("landed", sink.body);
  EXPECT_EQ(0u, peer.Received().at(1).find("GET /b?x="));
  EXPECT_EQ(0u, peer.Received().at(2).find("GET /c?x="));
}

TEST_F(DownLoadTest, RedirectsStopAfterEightHops) {
  std::vector<ScriptedPeer::Step> loop;
  for (int i = 0; i < 12; ++i) {
    loop.push_back(P::ReadRequest());
    loop.push_back(P::Send(HttpHeader("HTTP/1.1 303 See Other", "Location: /loop\r\n", 0)));
  }
  peer.AddConnection(loop);
  ASSERT_TRUE(Fetch(L"/loop"));
  EXPECT_EQ("error 0", sink.events.back());
  PumpFor(100);
  EXPECT_EQ(9u, peer.Received().size());
}

TEST_F(DownLoadTest, RedirectWithoutLocationIsAnError) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 302 Found", "X-Location: /lower\r\n", 0))});
  ASSERT_TRUE(Fetch(L"/x"));
  EXPECT_EQ((std::vector<std::string>{"status 0", "error 0"}), sink.events);
}

TEST_F(DownLoadTest, UnusableUrlsFailAtOnce) {
  EXPECT_FALSE(download.Start(L"https://127.0.0.1/x", &sink, 0));
  EXPECT_FALSE(download.Start(L"not a url", &sink, 0));
  EXPECT_EQ((std::vector<std::string>{"error 0", "error 0"}), sink.events);
  EXPECT_EQ(CDownLoad::StateIdle, download.GetState());
}

TEST_F(DownLoadTest, RefusedConnectIsErrorOneAndStartIsRefusedWhileBusy) {
  SOCKET probe = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int len = sizeof(addr);
  bind(probe, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
  getsockname(probe, reinterpret_cast<sockaddr*>(&addr), &len);
  closesocket(probe);
  const std::wstring url = L"http://127.0.0.1:" + std::to_wstring(ntohs(addr.sin_port)) + L"/x";
  ASSERT_TRUE(download.Start(url.c_str(), &sink, 0));
  EXPECT_FALSE(download.Start(url.c_str(), &sink, 0));
  ASSERT_TRUE(PumpUntil([&] { return sink.Ended(); }));
  EXPECT_EQ((std::vector<std::string>{"status 0", "error 1"}), sink.events);
}

TEST_F(DownLoadTest, SinkMayStartAgainFromInsideItsErrorCall) {
  peer.AddConnection({P::ReadRequest(), P::Send(HttpHeader("HTTP/1.1 500 Oops", "", 0))});
  peer.AddConnection({P::ReadRequest(), P::Send(Ok("second try"))});
  int tries = 0;
  sink.onEnd = [&] {
    if (++tries == 1) {
      EXPECT_TRUE(download.Start(Url(L"/again", peer).c_str(), &sink, 0));
    }
  };
  ASSERT_TRUE(download.Start(Url(L"/first", peer).c_str(), &sink, 0));
  ASSERT_TRUE(PumpUntil([&] { return sink.events.back() == "status 2"; }));
  EXPECT_EQ("second try", sink.body);
  EXPECT_EQ(2, peer.Accepted());
}

}  // namespace
