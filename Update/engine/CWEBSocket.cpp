#include "CWEBSocket.h"

#include <stdio.h>
#include <string.h>

#include <new>
#include <string>
#include <system_error>
#include <thread>

#include "CConvert.h"

namespace {

const long kSelectEvents = FD_READ | FD_WRITE | FD_CONNECT | FD_CLOSE;
const UINT kSocketWindowId = 100;

// A failure inside the connect or receive path; caught there and turned
// into a close.
struct SocketFailure {
  LPCWSTR text;
};

const wchar_t kReadFailure[] = L"网络连接关闭，读取数据失败";

}  // namespace

unsigned long ResolveHostAddress(LPCWSTR host) {
  const CW2A name(host);
  if (name.GetLength() == 0) return INADDR_NONE;
  unsigned long addr = inet_addr(name);
  if (addr == INADDR_NONE) {
    hostent* he = gethostbyname(name);
    if (he && he->h_addrtype == AF_INET && he->h_addr_list && he->h_addr_list[0])
      memcpy(&addr, he->h_addr_list[0], sizeof(addr));
  }
  return addr;
}

CWEBSocket::CWEBSocket()
    : m_eProxyType(ProxyNone),
      m_nProxyPort(0),
      m_nSerial(1),
      m_bHeaderComplete(0),
      m_eState(StateClosed),
      m_nHeaderCount(0),
      m_bSendPending(0),
      m_nPendingLength(0),
      m_nPendingCapacity(0),
      m_nBodyReads(0),
      m_nEmptyBodyReads(0),
      m_hSocket(INVALID_SOCKET),
      m_pSink(nullptr),
      m_nIdleTimeout(kIdleTimeout),
      m_dwDeadline(0),
      m_dwLastActivity(0),
      m_bLookingUp(false),
      m_nLookup(0),
      m_nLookupPort(0) {
  m_szProxyUser[0] = m_szProxyPass[0] = m_szProxyHost[0] = 0;
  memset(m_szHeader, 0, sizeof(m_szHeader));
}

CWEBSocket::~CWEBSocket() {
  if (m_hSocket != INVALID_SOCKET) {
    closesocket(m_hSocket);
    m_hSocket = INVALID_SOCKET;
  }
  FreePending();
}

LRESULT CWEBSocket::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SOCKET_NOTIFY:
      return OnSocketNotify(wParam, lParam);
    case WM_SOCKET_RESOLVED:
      return OnResolved(wParam, lParam);
    case WM_TIMER:
      if (wParam == kWatchTimer) {
        OnWatchTimer();
        return 0;
      }
      return CWnd::WindowProc(message, wParam, lParam);
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

int CWEBSocket::Connect(LPCWSTR host, uint16_t port) {
  // A connection still open is given up silently first.
  if (m_hSocket != INVALID_SOCKET) CloseSocket(CloseSilent);
  memset(m_szHeader, 0, sizeof(m_szHeader));
  m_nHeaderCount = 0;

  try {
    const CW2A name(host);
    // A name is looked up without blocking when nothing needs its address
    // at once; a proxy tunnel is set up blocking anyway.
    const bool lookUp = m_eProxyType == ProxyNone && name.GetLength() > 0 && inet_addr(name) == INADDR_NONE;
    const unsigned long addr = lookUp ? INADDR_NONE : ResolveHostAddress(host);
    m_hSocket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (m_hSocket == INVALID_SOCKET) throw SocketFailure{L"socket"};

    if (!m_hWnd && !CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD, CRect(0, 0, 0, 0),
                             CWnd::GetDesktopWindow(), kSocketWindowId))
      throw SocketFailure{L"window"};
    StartWatch();

    if (lookUp) {
      if (!StartLookup(host, port)) throw SocketFailure{L"lookup"};
      return 0;
    }
    if (m_eProxyType == ProxyNone) {
      if (!ConnectTo(addr, port)) throw SocketFailure{L"connect"};
      return 0;
    }

    sockaddr_in target = {};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = addr;

    // Through a proxy: the tunnel is set up blocking, then the socket turns
    // asynchronous and the connect notice is posted to ourselves. No blocking
    // step waits longer than the idle time-out.
    const DWORD wait = m_nIdleTimeout;
    setsockopt(m_hSocket, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&wait), sizeof(wait));
    setsockopt(m_hSocket, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&wait), sizeof(wait));
    if (ProxyHandshake() != 0) throw SocketFailure{L"proxy"};
    if (!ProxyTunnel(target)) throw SocketFailure{L"tunnel"};
    WSASetLastError(0);
    m_eState = StateConnected;
    PostMessage(WM_SOCKET_NOTIFY, 0, WSAMAKESELECTREPLY(FD_CONNECT, 0));
    if (WSAAsyncSelect(m_hSocket, m_hWnd, WM_SOCKET_NOTIFY, kSelectEvents) != 0)
      throw SocketFailure{L"select"};
    return 0;
  } catch (const SocketFailure&) {
    CloseSocket(CloseSilent);
    return 2;
  }
}

bool CWEBSocket::ConnectTo(unsigned long addr, uint16_t port) {
  sockaddr_in target = {};
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  target.sin_addr.s_addr = addr;
  if (WSAAsyncSelect(m_hSocket, m_hWnd, WM_SOCKET_NOTIFY, kSelectEvents) != 0) return false;
  if (connect(m_hSocket, reinterpret_cast<const sockaddr*>(&target), sizeof(target)) != 0 &&
      WSAGetLastError() != WSAEWOULDBLOCK)
    return false;
  m_eState = StateConnecting;
  return true;
}

bool CWEBSocket::StartLookup(LPCWSTR host, uint16_t port) {
  // The thread keeps nothing of this object: a lookup that ends after the
  // socket has gone, or after another lookup began, is dropped by its number.
  const HWND target = m_hWnd;
  const uint32_t lookup = ++m_nLookup;
  const std::wstring name(host);
  try {
    std::thread([target, lookup, name] {
      const unsigned long addr = ResolveHostAddress(name.c_str());
      ::PostMessageW(target, WM_SOCKET_RESOLVED, lookup, static_cast<LPARAM>(addr));
    }).detach();
  } catch (const std::system_error&) {
    return false;
  }
  m_bLookingUp = true;
  m_nLookupPort = port;
  m_eState = StateConnecting;
  return true;
}

LRESULT CWEBSocket::OnResolved(WPARAM wParam, LPARAM lParam) {
  if (!m_bLookingUp || wParam != m_nLookup || m_hSocket == INVALID_SOCKET) return 0;
  m_bLookingUp = false;
  const unsigned long addr = static_cast<unsigned long>(lParam);
  int error = addr == INADDR_NONE ? WSAHOST_NOT_FOUND : 0;
  if (error == 0 && ConnectTo(addr, m_nLookupPort)) return 1;
  // The sink hears of it as of a connect that failed.
  if (error == 0) error = WSAECONNREFUSED;
  CloseSocket(CloseSilent);
  if (m_pSink) m_pSink->OnSocketConnect(error);
  return 1;
}

bool CWEBSocket::SendBlocking(const void* data, int length) {
  return send(m_hSocket, static_cast<const char*>(data), length, 0) == length;
}

bool CWEBSocket::ReceiveExact(void* data, int length) {
  char* p = static_cast<char*>(data);
  int got = 0;
  while (got < length) {
    const int n = recv(m_hSocket, p + got, length - got, 0);
    if (n <= 0) return false;
    got += n;
  }
  return true;
}

int CWEBSocket::ProxyHandshake() {
  if (m_eProxyType == ProxyNone) return 2;
  sockaddr_in proxy = {};
  proxy.sin_family = AF_INET;
  proxy.sin_port = htons(m_nProxyPort);
  proxy.sin_addr.s_addr = ResolveHostAddress(m_szProxyHost);
  if (connect(m_hSocket, reinterpret_cast<const sockaddr*>(&proxy), sizeof(proxy)) != 0) return 3;
  if (m_eProxyType != ProxySocks5) return 0;

  // SOCKS5 method negotiation, with user name and password when one is set.
  const bool withUser = m_szProxyUser[0] != 0;
  const BYTE hello[3] = {0x05, 0x01, static_cast<BYTE>(withUser ? 0x02 : 0x00)};
  if (!SendBlocking(hello, sizeof(hello))) return 3;
  BYTE reply[2];
  if (!ReceiveExact(reply, 2) || reply[0] != 0x05) return 3;
  if (reply[1] == 0x00) return 0;
  if (reply[1] != 0x02) return 3;

  const CW2A user(m_szProxyUser);
  const CW2A pass(m_szProxyPass);
  const int userLen = user.GetLength();
  const int passLen = pass.GetLength();
  // Each is sent with a one-byte length: a longer one cannot be sent.
  if (userLen > 255 || passLen > 255) return 3;
  BYTE auth[3 + 255 + 255];
  int n = 0;
  auth[n++] = 0x01;
  auth[n++] = static_cast<BYTE>(userLen);
  memcpy(auth + n, static_cast<LPCSTR>(user), static_cast<size_t>(userLen));
  n += userLen;
  auth[n++] = static_cast<BYTE>(passLen);
  memcpy(auth + n, static_cast<LPCSTR>(pass), static_cast<size_t>(passLen));
  n += passLen;
  if (!SendBlocking(auth, n)) return 3;
  if (!ReceiveExact(reply, 2)) return 3;
  return (reply[0] == 0x01 && reply[1] == 0x00) ? 0 : 4;
}

bool CWEBSocket::ProxyTunnel(const sockaddr_in& target) {
  const BYTE* ip = reinterpret_cast<const BYTE*>(&target.sin_addr.s_addr);
  const BYTE* port = reinterpret_cast<const BYTE*>(&target.sin_port);
  switch (m_eProxyType) {
    case ProxyHttp: {
      char request[512];
      const int n = snprintf(request, sizeof(request),
                             "CONNECT %d.%d.%d.%d:%d HTTP/1.0\r\nUser-Agent: VarnPlatform/0.1\r\n\r\n", ip[0],
                             ip[1], ip[2], ip[3], ntohs(target.sin_port));
      if (n <= 0 || n >= static_cast<int>(sizeof(request)) || !SendBlocking(request, n)) return false;
      char answer[512];
      const int got = recv(m_hSocket, answer, sizeof(answer) - 1, 0);
      if (got <= 0) return false;
      answer[got] = 0;
      for (int i = 0; i + 4 <= got; ++i)
        if (memcmp(answer + i, " 200", 4) == 0) return true;
      return false;
    }
    case ProxySocks4: {
      const BYTE request[9] = {0x04, 0x01, port[0], port[1], ip[0], ip[1], ip[2], ip[3], 0x00};
      BYTE answer[8];
      return SendBlocking(request, sizeof(request)) && ReceiveExact(answer, sizeof(answer)) &&
             answer[0] == 0x00 && answer[1] == 0x5A;
    }
    case ProxySocks5: {
      const BYTE request[10] = {0x05, 0x01, 0x00, 0x01, ip[0], ip[1], ip[2], ip[3], port[0], port[1]};
      // The longest reply: 4 bytes, a named address (its length byte and up
      // to 255 bytes), the port.
      BYTE answer[4 + 1 + 255 + 2];
      if (!SendBlocking(request, sizeof(request)) || !ReceiveExact(answer, 4)) return false;
      if (answer[0] != 0x05 || answer[1] != 0x00) return false;
      // The bound address and port follow; none of it may be left for the
      // response to come.
      switch (answer[3]) {
        case 0x01:
          return ReceiveExact(answer + 4, 4 + 2);
        case 0x04:
          return ReceiveExact(answer + 4, 16 + 2);
        case 0x03:
          return ReceiveExact(answer + 4, 1) && ReceiveExact(answer + 5, answer[4] + 2);
        default:
          return false;
      }
    }
    default:
      return false;
  }
}

uint16_t CWEBSocket::Send(const BYTE* data, uint16_t length) {
  if (length == 0 || !data || m_hSocket == INVALID_SOCKET) return 0;
  if (m_eState != StateConnected) return 0;
  // A new request: the next bytes read are its header.
  m_nHeaderCount = 0;
  m_bHeaderComplete = 0;
  ++m_nSerial;
  m_dwLastActivity = GetTickCount();

  // Bytes still waiting for the socket to become writable go first; the new
  // ones queue behind them.
  if (m_bSendPending) return QueuePending(data, length) ? length : 0;

  int sent = 0;
  while (sent < length) {
    const int n = send(m_hSocket, reinterpret_cast<const char*>(data) + sent, length - sent, 0);
    if (n == SOCKET_ERROR) {
      if (WSAGetLastError() == WSAEWOULDBLOCK)
        return QueuePending(data + sent, static_cast<size_t>(length - sent)) ? length : 0;
      CloseSocket(CloseFailure);
      return 0;
    }
    sent += n;
  }
  return length;
}

bool CWEBSocket::QueuePending(const BYTE* data, size_t length) {
  const size_t total = static_cast<size_t>(m_nPendingLength) + length;
  if (total > m_nPendingCapacity) {
    size_t capacity = static_cast<size_t>(m_nPendingCapacity) * 2;
    if (capacity < total) capacity = total;
    std::unique_ptr<BYTE[]> grown(new (std::nothrow) BYTE[capacity]);
    if (!grown) {
      CloseSocket(CloseFailure);
      return false;
    }
    if (m_nPendingLength) memcpy(grown.get(), m_pPending.get(), m_nPendingLength);
    m_pPending = std::move(grown);
    m_nPendingCapacity = static_cast<uint32_t>(capacity);
  }
  memcpy(m_pPending.get() + m_nPendingLength, data, length);
  m_nPendingLength = static_cast<uint32_t>(total);
  m_bSendPending = 1;
  return true;
}

void CWEBSocket::FreePending() {
  m_pPending.reset();
  m_nPendingLength = m_nPendingCapacity = 0;
  m_bSendPending = 0;
}

void CWEBSocket::OnWritable() {
  if (!m_bSendPending || m_hSocket == INVALID_SOCKET) return;
  uint32_t sent = 0;
  while (sent < m_nPendingLength) {
    const int n = send(m_hSocket, reinterpret_cast<const char*>(m_pPending.get()) + sent,
                       static_cast<int>(m_nPendingLength - sent), 0);
    if (n == SOCKET_ERROR) {
      if (WSAGetLastError() != WSAEWOULDBLOCK) {
        CloseSocket(CloseFailure);
        return;
      }
      break;
    }
    sent += static_cast<uint32_t>(n);
  }
  if (sent > 0) m_dwLastActivity = GetTickCount();
  // Keep what is still unsent at the front of the queue for the next FD_WRITE.
  memmove(m_pPending.get(), m_pPending.get() + sent, m_nPendingLength - sent);
  m_nPendingLength -= sent;
  if (m_nPendingLength == 0) m_bSendPending = 0;
}

void CWEBSocket::StartWatch() {
  m_dwLastActivity = GetTickCount();
  UINT period = m_nIdleTimeout / 4;
  if (period < 50) period = 50;
  if (period > 1000) period = 1000;
  SetTimer(kWatchTimer, period);
}

void CWEBSocket::OnWatchTimer() {
  if (m_hSocket == INVALID_SOCKET) {
    KillTimer(kWatchTimer);
    return;
  }
  const DWORD now = GetTickCount();
  const bool idle = now - m_dwLastActivity >= m_nIdleTimeout;
  const bool late = m_dwDeadline != 0 && static_cast<LONG>(now - m_dwDeadline) >= 0;
  if (idle || late) CloseSocket(CloseFailure);
}

bool CWEBSocket::CloseSocket(int reason) {
  m_bLookingUp = false;
  if (m_hWnd) DestroyWindow();
  FreePending();
  ++m_nSerial;
  m_bHeaderComplete = 0;
  m_eState = StateClosed;
  if (m_hSocket == INVALID_SOCKET) return false;
  closesocket(m_hSocket);
  m_hSocket = INVALID_SOCKET;
  if (reason != CloseSilent && m_pSink) return m_pSink->OnSocketClose(reason);
  return false;
}

LRESULT CWEBSocket::OnSocketNotify(WPARAM wParam, LPARAM lParam) {
  // Notices of an earlier socket (queued before it was closed) are dropped;
  // 0 is the connect notice posted after a proxy tunnel.
  if (m_hSocket == INVALID_SOCKET || (wParam != 0 && static_cast<SOCKET>(wParam) != m_hSocket)) return 0;
  const int event = WSAGETSELECTEVENT(lParam);
  const int error = WSAGETSELECTERROR(lParam);
  switch (event) {
    case FD_READ:
      OnReceive();
      return 1;
    case FD_CONNECT:
      m_dwLastActivity = GetTickCount();
      if (error == 0)
        m_eState = StateConnected;
      else
        CloseSocket(CloseSilent);
      if (m_pSink) m_pSink->OnSocketConnect(error);
      return 1;
    case FD_CLOSE: {
      // Whatever the peer sent before closing is read first.
      const uint16_t serial = m_nSerial;
      while (m_hSocket != INVALID_SOCKET && m_nSerial == serial && OnReceive() > 0) {
      }
      if (m_hSocket != INVALID_SOCKET && m_nSerial == serial) CloseSocket(ClosePeer);
      return 1;
    }
    case FD_WRITE:
      OnWritable();
      return 1;
    default:
      return 0;
  }
}

int CWEBSocket::OnReceive() {
  try {
    return m_bHeaderComplete ? ReceiveBody() : ReceiveHeader();
  } catch (const SocketFailure&) {
    CloseSocket(CloseFailure);
    return -1;
  }
}

int CWEBSocket::ReceiveHeader() {
  const int room = kHeaderCapacity - m_nHeaderCount;
  const int n = recv(m_hSocket, reinterpret_cast<char*>(m_szHeader) + m_nHeaderCount, room, 0);
  if (n == SOCKET_ERROR) {
    if (WSAGetLastError() == WSAEWOULDBLOCK) return 0;
    throw SocketFailure{kReadFailure};
  }
  if (n > 0) m_dwLastActivity = GetTickCount();
  const int total = m_nHeaderCount + n;
  m_nHeaderCount = static_cast<uint16_t>(total);

  const size_t headerLength = CHttpResponseHead::FindEnd(m_szHeader, static_cast<size_t>(total));
  if (headerLength == 0) {
    // A header that does not fit the buffer cannot be taken.
    if (total >= kHeaderCapacity) throw SocketFailure{kReadFailure};
    return n;
  }

  m_bHeaderComplete = 1;
  m_nHeaderCount = static_cast<uint16_t>(headerLength);
  const uint32_t status = CHttpResponseHead::ParseStatus(m_szHeader, headerLength);

  const uint16_t serial = m_nSerial;
  if (m_pSink) m_pSink->OnSocketHeader(m_szHeader, static_cast<uint16_t>(headerLength), status);
  if (static_cast<size_t>(total) > headerLength && m_nSerial == serial && m_pSink)
    m_pSink->OnSocketData(m_szHeader + headerLength, static_cast<uint16_t>(total - headerLength));
  return n;
}

int CWEBSocket::ReceiveBody() {
  if (!m_pBody) {
    m_pBody.reset(new (std::nothrow) BYTE[kBodyRead]);
    if (!m_pBody) throw SocketFailure{kReadFailure};
  }
  const int n = recv(m_hSocket, reinterpret_cast<char*>(m_pBody.get()), kBodyRead, 0);
  ++m_nBodyReads;
  if (n == SOCKET_ERROR) {
    if (WSAGetLastError() != WSAEWOULDBLOCK) throw SocketFailure{kReadFailure};
    ++m_nEmptyBodyReads;
    return 0;
  }
  if (n > 0) m_dwLastActivity = GetTickCount();
  // The sink may close or reuse this socket for the next request after any
  // piece: the rest of the read then belongs to nothing.
  const uint16_t serial = m_nSerial;
  for (int at = 0; at < n && m_pSink && m_nSerial == serial && m_hSocket != INVALID_SOCKET && m_bHeaderComplete;) {
    const int piece = n - at < kBodyChunk ? n - at : kBodyChunk;
    m_pSink->OnSocketData(m_pBody.get() + at, static_cast<uint16_t>(piece));
    at += piece;
  }
  return n;
}
