// CDownLoad: fetches one URL with a minimal HTTP/1.1 client over CWEBSocket.
// Every request carries a cache-busting "?x=" query; a resume offset adds a
// "Range: bytes=N-" line and a 206 is taken only when it starts there;
// 301/302/303/307/308 are followed (at most kMaxRedirects hops). The body is
// framed by Content-Length (extra bytes are cut), by the chunked transfer
// coding, or by the close of the connection. Sizes and offsets are 64-bit.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include "CChunkedDecoder.h"
#include "CHeadTranslate.h"
#include "CWEBSocket.h"
#include "IDownLoadSink.h"
#include "IWEBSocketSink.h"

class CDownLoad : public IWEBSocketSink {
public:
  enum State : uint32_t { StateRequest = 0, StateReceiving = 1, StateIdle = 2 };
  enum Framing : uint8_t { FramingLength, FramingChunked, FramingClose };
  static const int kMaxRedirects = 8;
  static const int kUrlSize = 256;

  CDownLoad();
  virtual ~CDownLoad();
  CDownLoad(const CDownLoad&) = delete;
  CDownLoad& operator=(const CDownLoad&) = delete;

  // Only when idle. pSink is asked for its IDownLoadSink. A URL that does
  // not fit the request buffer is refused (the sink hears an error).
  bool Start(LPCWSTR url, IUnknownBase* pSink, uint64_t resumeOffset);
  void Reset();
  // Each Start must end within ms (0: no limit); otherwise it fails.
  void SetTimeLimit(UINT ms) { m_nTimeLimit = ms; }

  uint32_t GetState() const { return m_eState; }
  uint64_t GetExpectedLength() const { return m_nExpectedLength; }
  uint64_t GetReceived() const { return m_nReceived; }
  uint64_t GetResumeOffset() const { return m_nResumeOffset; }
  uint16_t GetPort() const { return m_nPort; }
  LPCWSTR GetUrlPath() const { return m_szUrlPath; }
  LPCWSTR GetHostName() const { return m_szHostName; }
  CWEBSocket& GetSocket() { return m_Socket; }

  // IUnknownBase
  void Release() override {}
  void* QueryInterface(const GUID& iid, uint32_t version) override;

  // IWEBSocketSink
  bool OnSocketConnect(int error) override;
  bool OnSocketClose(int reason) override;
  bool OnSocketData(const BYTE* data, uint16_t length) override;
  bool OnSocketHeader(const BYTE* header, uint16_t length, uint32_t status) override;

  // Canonicalises and cracks url into port, path (query included) and host;
  // the scheme number, or -1 when the URL cannot be taken apart.
  int CrackUrl(LPCWSTR url);

private:
  bool OpenUrl(LPCWSTR url);
  bool SendRequest();
  bool Accept(uint32_t status);
  bool Redirect();
  bool Fail(uint32_t code);
  void Complete();
  void Deliver(const BYTE* data, size_t length);

  uint64_t m_nExpectedLength;
  uint64_t m_nReceived;
  uint64_t m_nResumeOffset;
  uint16_t m_nPort;
  wchar_t m_szUrlPath[260];
  wchar_t m_szHostName[260];
  uint32_t m_eState;
  CWEBSocket m_Socket;
  CHeadTranslate m_HeadTranslate;
  IDownLoadSink* m_pSink;
  int m_nRedirects;            // hops followed for the current Start
  uint64_t m_nRedirectSkip;    // body bytes of a same-host redirect still to pass
  Framing m_eFraming;
  CChunkedDecoder m_Chunks;
  UINT m_nTimeLimit;
};
