// CWEBSocket: a TCP client socket driven by window notifications. Its events
// (WSAAsyncSelect) arrive as WM_SOCKET_NOTIFY at a hidden window the object
// owns. A response is split into its header, collected in a buffer of up to
// 16 KB up to the empty line, and its body, handed to the sink chunk by
// chunk. The connection can be opened through an HTTP CONNECT, SOCKS4 or
// SOCKS5 proxy: set the proxy fields before Connect. Without a proxy, a host
// given by name is looked up without holding up the thread's messages.
//
// A connection that moves no byte for the idle time-out (none received, none
// of a request sent) is closed as a failure (reason 4), and so is one still
// open at its deadline, when one is set.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include <memory>

#include "CHttpResponseHead.h"
#include "CWnd.h"
#include "IWEBSocketSink.h"
#include "UpdateMessages.h"

class CWEBSocket : public CWnd {
public:
  enum ProxyType : BYTE { ProxyNone = 0, ProxyHttp = 1, ProxySocks4 = 2, ProxySocks5 = 3 };
  enum CloseReason { CloseSilent = 0, ClosePeer = 2, CloseFailure = 4 };
  enum State : BYTE { StateClosed = 0, StateConnecting = 1, StateConnected = 2 };
  static const uint16_t kHeaderCapacity = CHttpResponseHead::kMaxHeader;
  // One read notice makes one read of up to kBodyRead bytes: all that is
  // queued, as a rule. A read that leaves bytes behind brings the next
  // notice, and a second read in the same notice would bring one that finds
  // nothing; so a single large read keeps the notices at one per arrival,
  // while writing and hashing it out stays far below a frame's time. What
  // was read goes to the sink at once, in pieces of at most kBodyChunk
  // bytes (its lengths are 16-bit).
  static const int kBodyRead = 1024 * 1024;
  static const int kBodyChunk = 60 * 1024;
  static const UINT kIdleTimeout = 20000;  // ms without a byte before a connection is given up
  static const UINT_PTR kWatchTimer = 1;

  CWEBSocket();
  ~CWEBSocket() override;

  void SetSink(IWEBSocketSink* pSink) { m_pSink = pSink; }
  void SetIdleTimeout(UINT ms) { m_nIdleTimeout = ms; }
  // A GetTickCount() value at which the connection is closed as a failure
  // whatever it is doing; 0 for none. Kept across connections.
  void SetDeadline(DWORD tick) { m_dwDeadline = tick; }

  // 0 when the attempt is under way (the sink hears OnSocketConnect later),
  // 2 when it failed at once (the socket is then closed silently).
  int Connect(LPCWSTR host, uint16_t port);
  // length when the bytes went out or were queued, 0 on failure.
  uint16_t Send(const BYTE* data, uint16_t length);
  // Closes and, for a reason other than 0, tells the sink.
  bool CloseSocket(int reason);

  LRESULT OnSocketNotify(WPARAM wParam, LPARAM lParam);

  uint16_t GetSerial() const { return m_nSerial; }
  BYTE GetState() const { return m_eState; }
  bool IsOpen() const { return m_hSocket != INVALID_SOCKET; }
  bool HasPending() const { return m_bSendPending != 0; }
  // Reads of the body made so far, and those of them that found nothing
  // (a notice with nothing left to read).
  uint32_t GetBodyReads() const { return m_nBodyReads; }
  uint32_t GetEmptyBodyReads() const { return m_nEmptyBodyReads; }

  // Proxy settings: plain fields, written by the caller before Connect.
  BYTE m_eProxyType;
  uint16_t m_nProxyPort;
  wchar_t m_szProxyUser[32];
  wchar_t m_szProxyPass[32];
  wchar_t m_szProxyHost[32];

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  // One read for an FD_READ: header mode or body mode. Returns the bytes
  // read, 0 when the peer has finished or nothing was there, -1 after a
  // failure (the socket is then closed).
  int OnReceive();
  int ReceiveHeader();
  int ReceiveBody();
  void OnWritable();
  void OnWatchTimer();
  void StartWatch();
  // Selects the socket's events and starts the connect to addr:port;
  // false when either fails.
  bool ConnectTo(unsigned long addr, uint16_t port);
  // Looks host up on a thread of its own, which posts the address back.
  bool StartLookup(LPCWSTR host, uint16_t port);
  LRESULT OnResolved(WPARAM wParam, LPARAM lParam);
  bool QueuePending(const BYTE* data, size_t length);
  void FreePending();

  int ProxyHandshake();
  bool ProxyTunnel(const sockaddr_in& target);
  bool SendBlocking(const void* data, int length);
  bool ReceiveExact(void* data, int length);

  uint16_t m_nSerial;
  BYTE m_bHeaderComplete;
  BYTE m_eState;
  uint16_t m_nHeaderCount;
  BYTE m_szHeader[kHeaderCapacity];
  BYTE m_bSendPending;
  uint32_t m_nPendingLength;
  uint32_t m_nPendingCapacity;
  std::unique_ptr<BYTE[]> m_pPending;
  std::unique_ptr<BYTE[]> m_pBody;  // kBodyRead bytes, made at the first body read
  uint32_t m_nBodyReads;
  uint32_t m_nEmptyBodyReads;
  SOCKET m_hSocket;
  IWEBSocketSink* m_pSink;
  UINT m_nIdleTimeout;
  DWORD m_dwDeadline;
  DWORD m_dwLastActivity;
  bool m_bLookingUp;        // a name lookup is under way
  uint32_t m_nLookup;       // the number of the latest lookup
  uint16_t m_nLookupPort;   // the port to connect to once it ends
};

// Resolves a host name or dotted address (ANSI code page); INADDR_NONE when
// it cannot be resolved.
unsigned long ResolveHostAddress(LPCWSTR host);
