// CWEBSocket against a scripted peer on 127.0.0.1: header collection, body
// hand-over, closes, would-block sends and the three proxy tunnels.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CWEBSocket.h"
#include "ScriptedPeer.h"
#include "UpdateTestSupport.h"

namespace {

using P = ScriptedPeer;

class RecordingSocketSink : public IWEBSocketSink {
public:
  void Release() override {}
  void* QueryInterface(const GUID& iid, uint32_t version) override {
    return QueryUnknownBase(static_cast<IWEBSocketSink*>(this), IID_IWEBSocketSink, iid, version);
  }
  bool OnSocketConnect(int error) override {
    events.push_back("connect " + std::to_string(error));
    if (onConnect) onConnect(error);
    return true;
  }
  bool OnSocketClose(int reason) override {
    events.push_back("close " + std::to_string(reason));
    closeReason = reason;
    return true;
  }
  bool OnSocketData(const BYTE* data, uint16_t length) override {
    events.push_back("data " + std::to_string(length));
    body.append(reinterpret_cast<const char*>(data), length);
    return true;
  }
  bool OnSocketHeader(const BYTE* header, uint16_t length, uint32_t status) override {
    events.push_back("header " + std::to_string(status));
    headers.emplace_back(reinterpret_cast<const char*>(header), length);
    if (onHeader) onHeader(status);
    return true;
  }

  std::vector<std::string> events;
  std::vector<std::string> headers;
  std::string body;
  int closeReason = -1;
  std::function<void(int)> onConnect;
  std::function<void(uint32_t)> onHeader;
};

class SocketTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(peer.IsListening());
    socket.SetSink(&sink);
    // Every test sends one request as soon as it is connected.
    sink.onConnect = [this](int error) {
      if (error == 0) socket.Send(reinterpret_cast<const BYTE*>("GET / HTTP/1.1\r\n\r\n"), 18);
    };
  }

  bool ConnectAndWait(const std::function<bool()>& done) {
    if (socket.Connect(L"127.0.0.1", peer.Port()) != 0) return false;
    return PumpUntil(done);
  }

  ScriptedPeer peer;
  RecordingSocketSink sink;
  CWEBSocket socket;
};

TEST_F(SocketTest, HeaderSplitOverReadsIsCollectedUntilTheEmptyLine) {
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\nContent-Le"), P::Pause(200),
                      P::Send("ngth: 4\r\n"), P::Pause(200), P::Send("\r\nbody")});
  ASSERT_TRUE(ConnectAndWait([&] { return sink.body.size() == 4; }));
  ASSERT_EQ(1u, sink.headers.size());
  EXPECT_EQ("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n", sink.headers[0]);
  EXPECT_EQ("body", sink.body);
  EXPECT_EQ("connect 0", sink.events[0]);
  EXPECT_EQ("header 200", sink.events[1]);
  EXPECT_EQ("GET / HTTP/1.1\r\n\r\n", peer.Received().at(0));
}

TEST_F(SocketTest, BodyBytesInTheHeadersReadFollowTheHeaderAtOnce) {
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 206 Partial Content\r\n\r\nfirst"), P::Pause(200),
                      P::Send("second")});
  ASSERT_TRUE(ConnectAndWait([&] { return sink.body.size() == 11; }));
  EXPECT_EQ("header 206", sink.events.at(1));
  EXPECT_EQ("data 5", sink.events.at(2));
  EXPECT_EQ("firstsecond", sink.body);
}

TEST_F(SocketTest, StatusIsTheNumberAfterTheFirstSpace) {
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1\r\n\r\n"), P::WaitRelease(), P::ReadRequest(),
                      P::Send("HTTP/1.0 404 Not Found\r\n\r\n")});
  ASSERT_TRUE(ConnectAndWait([&] { return sink.headers.size() == 1; }));
  EXPECT_EQ("header 0", sink.events.at(1));
  socket.Send(reinterpret_cast<const BYTE*>("GET / HTTP/1.1\r\n\r\n"), 18);
  peer.Release();
  ASSERT_TRUE(PumpUntil([&] { return sink.headers.size() == 2; }));
  EXPECT_EQ("header 404", sink.events.back());
}

TEST_F(SocketTest, NewRequestFromInsideTheHeaderCallDropsTheOldBody) {
  sink.onHeader = [this](uint32_t status) {
    if (status == 200) socket.Send(reinterpret_cast<const BYTE*>("GET /2 HTTP/1.1\r\n\r\n"), 20);
  };
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\n\r\nstale"), P::ReadRequest(),
                      P::Send("HTTP/1.1 201 Created\r\n\r\nfresh")});
  ASSERT_TRUE(ConnectAndWait([&] { return sink.body.size() >= 5; }));
  EXPECT_EQ("fresh", sink.body);
  ASSERT_EQ(2u, sink.headers.size());
  EXPECT_EQ("header 201", sink.events.at(2));
  EXPECT_EQ("GET /2 HTTP/1.1\r\n\r\n", peer.Received().at(1));
}

TEST_F(SocketTest, CloseFromInsideTheHeaderCallDropsTheBodyAndStaysSilent) {
  sink.onHeader = [this](uint32_t) { socket.CloseSocket(CWEBSocket::CloseSilent); };
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\n\r\nstale")});
  ASSERT_TRUE(ConnectAndWait([&] { return !sink.headers.empty(); }));
  PumpFor(200);
  EXPECT_TRUE(sink.body.empty());
  EXPECT_EQ(-1, sink.closeReason);
  EXPECT_FALSE(socket.IsOpen());
}

TEST_F(SocketTest, PeerCloseIsReasonTwoAfterEverythingSentBeforeItWasRead) {
  const std::string body = PatternBytes(100000);
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\n\r\n" + body), P::Close()});
  ASSERT_TRUE(ConnectAndWait([&] { return sink.closeReason != -1; }));
  EXPECT_EQ(2, sink.closeReason);
  EXPECT_EQ(body, sink.body);
  EXPECT_FALSE(socket.IsOpen());
}

// A body streamed as fast as the peer can send: every byte in order, in
// pieces the sink's 16-bit lengths hold, and notices that find nothing to
// read stay rare (each costs a trip through the message loop).
TEST_F(SocketTest, StreamedBodyComesWholeInBoundedPiecesWithFewEmptyNotices) {
  const std::string body = PatternBytes(24 << 20, 5);
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\n\r\n" + body), P::Close()});
  size_t largest = 0;
  size_t pieces = 0;
  ASSERT_TRUE(ConnectAndWait([&] {
    for (; pieces < sink.events.size(); ++pieces) {
      const std::string& e = sink.events[pieces];
      if (e.compare(0, 5, "data ") == 0 && std::stoul(e.substr(5)) > largest) largest = std::stoul(e.substr(5));
    }
    return sink.closeReason != -1;
  }));
  EXPECT_EQ(2, sink.closeReason);
  EXPECT_TRUE(sink.body == body);
  EXPECT_LE(largest, static_cast<size_t>(CWEBSocket::kBodyChunk));
  const uint32_t reads = socket.GetBodyReads();
  EXPECT_GE(reads, 24u);  // 24 MB cannot come in fewer reads of 1 MB
  EXPECT_LE(socket.GetEmptyBodyReads(), 4 + reads / 10) << reads << " reads";
}

TEST_F(SocketTest, HeadersUpTo16KBAreTakenLongerOnesCloseWithReasonFour) {
  const std::string big = "HTTP/1.1 200 OK\r\nX-Long: " + std::string(16000, 'a') + "\r\n\r\n";
  peer.AddConnection({P::ReadRequest(), P::Send(big + "body")});
  ASSERT_TRUE(ConnectAndWait([&] { return sink.body.size() == 4; }));
  ASSERT_EQ(1u, sink.headers.size());
  EXPECT_EQ(big, sink.headers[0]);

  RecordingSocketSink second;
  CWEBSocket other;
  other.SetSink(&second);
  second.onConnect = [&](int) { other.Send(reinterpret_cast<const BYTE*>("GET / HTTP/1.1\r\n\r\n"), 18); };
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\nX-Long: " + std::string(17000, 'a'))});
  ASSERT_EQ(0, other.Connect(L"127.0.0.1", peer.Port()));
  ASSERT_TRUE(PumpUntil([&] { return second.closeReason != -1; }));
  EXPECT_EQ(4, second.closeReason);
  EXPECT_TRUE(second.headers.empty());
}

TEST_F(SocketTest, ConnectionSilentForTheIdleTimeClosesWithReasonFour) {
  // Connected and asked, then nothing: a stall, not a close.
  socket.SetIdleTimeout(300);
  peer.AddConnection({P::ReadRequest(), P::WaitRelease()});
  const DWORD start = GetTickCount();
  ASSERT_TRUE(ConnectAndWait([&] { return sink.closeReason != -1; }));
  EXPECT_EQ(4, sink.closeReason);
  EXPECT_LT(GetTickCount() - start, 3000u);
  peer.Release();
}

TEST_F(SocketTest, FailedConnectIsReportedWithItsErrorAndLeavesTheSocketClosed) {
  // A port that was free a moment ago.
  SOCKET probe = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int len = sizeof(addr);
  ASSERT_EQ(0, bind(probe, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)));
  ASSERT_EQ(0, getsockname(probe, reinterpret_cast<sockaddr*>(&addr), &len));
  closesocket(probe);

  ASSERT_EQ(0, socket.Connect(L"127.0.0.1", ntohs(addr.sin_port)));
  ASSERT_TRUE(PumpUntil([&] { return !sink.events.empty(); }));
  EXPECT_NE("connect 0", sink.events[0]);
  EXPECT_FALSE(socket.IsOpen());
  EXPECT_EQ(CWEBSocket::StateClosed, socket.GetState());
}

TEST_F(SocketTest, UnresolvableHostIsReportedAsAFailedConnect) {
  // The name is looked up off the message loop; its failure comes back as a
  // connect that failed, and leaves the socket closed.
  EXPECT_EQ(0, socket.Connect(L"no-such-host.invalid", 80));
  ASSERT_TRUE(PumpUntil([&] { return !sink.events.empty(); }));
  EXPECT_EQ((std::vector<std::string>{"connect " + std::to_string(WSAHOST_NOT_FOUND)}), sink.events);
  EXPECT_FALSE(socket.IsOpen());
}

TEST_F(SocketTest, Socks5ReplyWithTheLongestBoundNameIsTakenWhole) {
  // The peer is the proxy: method, then a reply naming a 255-byte host, then
  // the tunnelled server's answer.
  socket.m_eProxyType = CWEBSocket::ProxySocks5;
  socket.m_nProxyPort = peer.Port();
  wcscpy(socket.m_szProxyHost, L"127.0.0.1");
  const std::string reply = std::string("\x05\x00\x00\x03\xff", 5) + std::string(255, 'n') + std::string("\x00\x50", 2);
  peer.AddConnection({P::ReadBytes(3), P::Send(std::string("\x05\x00", 2)), P::ReadBytes(10), P::Send(reply),
                      P::ReadRequest(), P::Send("HTTP/1.1 200 OK\r\n\r\nok")});
  ASSERT_TRUE(ConnectAndWait([&] { return sink.body == "ok"; }));
  EXPECT_EQ("connect 0", sink.events.at(0));
  EXPECT_EQ(std::string("\x05\x01\x00", 3), peer.Received().at(0));
  EXPECT_EQ(0u, peer.Received().at(1).find(std::string("\x05\x01\x00\x01\x7f\x00\x00\x01", 8)));
}

TEST_F(SocketTest, EverySendAndEveryCloseAdvancesTheSerial) {
  peer.AddConnection({P::ReadRequest()});
  const uint16_t before = socket.GetSerial();
  ASSERT_TRUE(ConnectAndWait([&] { return peer.Received().size() == 1; }));
  EXPECT_EQ(static_cast<uint16_t>(before + 1), socket.GetSerial());
  socket.CloseSocket(CWEBSocket::CloseSilent);
  EXPECT_EQ(static_cast<uint16_t>(before + 2), socket.GetSerial());
  EXPECT_EQ(0u, socket.Send(reinterpret_cast<const BYTE*>("x"), 1));
}

TEST_F(SocketTest, BytesQueuedAfterWouldBlockGoOutWhenTheSocketIsWritable) {
  // The peer reads nothing until released, so the socket's buffers fill.
  sink.onConnect = nullptr;
  std::string sent;
  const std::string block = PatternBytes(60000, 7);
  peer.AddConnection({P::WaitRelease(), P::ReadUntilClose()});
  ASSERT_EQ(0, socket.Connect(L"127.0.0.1", peer.Port()));
  ASSERT_TRUE(PumpUntil([&] { return socket.GetState() == CWEBSocket::StateConnected; }));
  for (int i = 0; i < 2000 && !socket.HasPending(); ++i) {
    ASSERT_EQ(60000u, socket.Send(reinterpret_cast<const BYTE*>(block.data()), 60000));
    sent += block;
  }
  ASSERT_TRUE(socket.HasPending());
  // Queued behind the pending bytes, not lost.
  ASSERT_EQ(5u, socket.Send(reinterpret_cast<const BYTE*>("tail!"), 5));
  sent += "tail!";
  peer.Release();
  ASSERT_TRUE(PumpUntil([&] { return !socket.HasPending(); }, 30000));
  socket.CloseSocket(CWEBSocket::CloseSilent);
  ASSERT_TRUE(PumpUntil([&] { return peer.Received().size() == 1; }, 30000));
  EXPECT_TRUE(peer.Received()[0] == sent);
}

// ----- proxies: the scripted peer plays the proxy and then the server.

class ProxyTest : public SocketTest {
protected:
  void UseProxy(BYTE type, const wchar_t* user = L"", const wchar_t* pass = L"") {
    socket.m_eProxyType = type;
    socket.m_nProxyPort = peer.Port();
    wcscpy(socket.m_szProxyHost, L"127.0.0.1");
    wcscpy(socket.m_szProxyUser, user);
    wcscpy(socket.m_szProxyPass, pass);
  }
  // The target as the tunnel names it: 10.1.2.3:8080.
  int ConnectTarget() { return socket.Connect(L"10.1.2.3", 8080); }
  const std::string kAnswer = "HTTP/1.1 200 OK\r\n\r\nok";
};

TEST_F(ProxyTest, HttpConnectSendsItsRequestAndNeedsA200) {
  UseProxy(CWEBSocket::ProxyHttp);
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.0 200 Connection established\r\n\r\n"), P::ReadRequest(),
                      P::Send(kAnswer)});
  ASSERT_EQ(0, ConnectTarget());
  ASSERT_TRUE(PumpUntil([&] { return sink.body == "ok"; }));
  EXPECT_EQ("CONNECT 10.1.2.3:8080 HTTP/1.0\r\nUser-Agent: VarnPlatform/0.1\r\n\r\n", peer.Received().at(0));
  EXPECT_EQ("connect 0", sink.events.at(0));
}

TEST_F(ProxyTest, HttpConnectRefusedFailsAtOnce) {
  UseProxy(CWEBSocket::ProxyHttp);
  peer.AddConnection({P::ReadRequest(), P::Send("HTTP/1.0 403 Forbidden\r\n\r\n")});
  EXPECT_EQ(2, ConnectTarget());
  EXPECT_FALSE(socket.IsOpen());
}

TEST_F(ProxyTest, Socks4SendsNineBytesAndNeedsGranted) {
  UseProxy(CWEBSocket::ProxySocks4);
  peer.AddConnection({P::ReadBytes(9), P::Send(std::string("\x00\x5A\x00\x00\x00\x00\x00\x00", 8)),
                      P::ReadRequest(), P::Send(kAnswer)});
  ASSERT_EQ(0, ConnectTarget());
  ASSERT_TRUE(PumpUntil([&] { return sink.body == "ok"; }));
  EXPECT_EQ(std::string("\x04\x01\x1F\x90\x0A\x01\x02\x03\x00", 9), peer.Received().at(0));

  CWEBSocket refused;
  peer.AddConnection({P::ReadBytes(9), P::Send(std::string("\x00\x5B\x00\x00\x00\x00\x00\x00", 8))});
  refused.m_eProxyType = CWEBSocket::ProxySocks4;
  refused.m_nProxyPort = peer.Port();
  wcscpy(refused.m_szProxyHost, L"127.0.0.1");
  EXPECT_EQ(2, refused.Connect(L"10.1.2.3", 8080));
}

TEST_F(ProxyTest, Socks5WithoutAuthentication) {
  UseProxy(CWEBSocket::ProxySocks5);
  peer.AddConnection({P::ReadBytes(3), P::Send(std::string("\x05\x00", 2)), P::ReadBytes(10),
                      P::Send(std::string("\x05\x00\x00\x01\x7F\x00\x00\x01\x1F\x90", 10)), P::ReadRequest(),
                      P::Send(kAnswer)});
  ASSERT_EQ(0, ConnectTarget());
  ASSERT_TRUE(PumpUntil([&] { return sink.body == "ok"; }));
  EXPECT_EQ(std::string("\x05\x01\x00", 3), peer.Received().at(0));
  EXPECT_EQ(std::string("\x05\x01\x00\x01\x0A\x01\x02\x03\x1F\x90", 10), peer.Received().at(1));
}

TEST_F(ProxyTest, Socks5BoundAddressOfAnyTypeIsReadPast) {
  // An IPv6 and a host-name bound address: the answer after them is intact.
  const std::string ipv6 = std::string("\x05\x00\x00\x04", 4) + std::string(16, '\x01') + "\x1F\x90";
  const std::string name = std::string("\x05\x00\x00\x03\x09", 5) + "localhost\x1F\x90";
  for (const std::string& reply : {ipv6, name}) {
    CWEBSocket tunnel;
    RecordingSocketSink tunnelSink;
    tunnel.SetSink(&tunnelSink);
    tunnelSink.onConnect = [&](int) { tunnel.Send(reinterpret_cast<const BYTE*>("GET / HTTP/1.1\r\n\r\n"), 18); };
    tunnel.m_eProxyType = CWEBSocket::ProxySocks5;
    tunnel.m_nProxyPort = peer.Port();
    wcscpy(tunnel.m_szProxyHost, L"127.0.0.1");
    peer.AddConnection({P::ReadBytes(3), P::Send(std::string("\x05\x00", 2)), P::ReadBytes(10), P::Send(reply),
                        P::ReadRequest(), P::Send(kAnswer)});
    ASSERT_EQ(0, tunnel.Connect(L"10.1.2.3", 8080));
    ASSERT_TRUE(PumpUntil([&] { return tunnelSink.body == "ok"; }));
    EXPECT_EQ("header 200", tunnelSink.events.at(1));
  }
}

TEST_F(ProxyTest, Socks5WithUserNameAndPassword) {
  UseProxy(CWEBSocket::ProxySocks5, L"user", L"secret");
  peer.AddConnection({P::ReadBytes(3), P::Send(std::string("\x05\x02", 2)), P::ReadBytes(13),
                      P::Send(std::string("\x01\x00", 2)), P::ReadBytes(10),
                      P::Send(std::string("\x05\x00\x00\x01\x7F\x00\x00\x01\x1F\x90", 10)), P::ReadRequest(),
                      P::Send(kAnswer)});
  ASSERT_EQ(0, ConnectTarget());
  ASSERT_TRUE(PumpUntil([&] { return sink.body == "ok"; }));
  EXPECT_EQ(std::string("\x05\x01\x02", 3), peer.Received().at(0));
  EXPECT_EQ(std::string("\x01\x04user\x06secret", 13), peer.Received().at(1));
}

TEST_F(ProxyTest, Socks5RefusedPasswordOrConnectFails) {
  UseProxy(CWEBSocket::ProxySocks5, L"user", L"wrong");
  peer.AddConnection({P::ReadBytes(3), P::Send(std::string("\x05\x02", 2)), P::ReadBytes(12),
                      P::Send(std::string("\x01\x01", 2))});
  EXPECT_EQ(2, ConnectTarget());
  UseProxy(CWEBSocket::ProxySocks5);
  peer.AddConnection({P::ReadBytes(3), P::Send(std::string("\x05\x00", 2)), P::ReadBytes(10),
                      P::Send(std::string("\x05\x05\x00\x01\x00\x00\x00\x00\x00\x00", 10))});
  EXPECT_EQ(2, ConnectTarget());
  EXPECT_TRUE(sink.events.empty());
}

}  // namespace
