#include "CDownLoad.h"

#include <wininet.h>
#include <stdio.h>
#include <string.h>

#include <charconv>

#include "CConvert.h"
#include "UpdatePaths.h"

namespace {

const char kRequest[] =
    "GET %s HTTP/1.1\r\nHost:%s\r\nAccept:*/*\r\nUser-Agent:Mozilla/4.0 (compatible; MSIE 6.00; Windows NT "
    "5.1)\r\nPragma: no-cache\r\nCache-Control: no-cache\r\nConnection:Keep-Alive\r\n\r\n";
const char kRangeRequest[] =
    "GET %s HTTP/1.1\r\nHost:%s\r\nAccept:*/*\r\nUser-Agent:Mozilla/4.0 (compatible; MSIE 6.00; Windows NT "
    "5.1)\r\nRange: bytes=%s-\r\nPragma: no-cache\r\nCache-Control: no-cache\r\nConnection:Keep-Alive\r\n\r\n";
const DWORD kCanonicalizeFlags = ICU_NO_ENCODE | ICU_NO_META | ICU_ENCODE_SPACES_ONLY | ICU_BROWSER_MODE;
const size_t kMaxLocation = 259;

}  // namespace

CDownLoad::CDownLoad()
    : m_nExpectedLength(0),
      m_nReceived(0),
      m_nResumeOffset(0),
      m_nPort(0),
      m_eState(StateIdle),
      m_pSink(nullptr),
      m_nRedirects(0),
      m_nRedirectSkip(0),
      m_eFraming(FramingLength),
      m_nTimeLimit(0) {
  m_szUrlPath[0] = m_szHostName[0] = 0;
  m_Socket.SetSink(static_cast<IWEBSocketSink*>(QueryInterface(IID_IWEBSocketSink, UNKNOWN_BASE_VERSION)));
}

CDownLoad::~CDownLoad() { m_Socket.SetSink(nullptr); }

void* CDownLoad::QueryInterface(const GUID& iid, uint32_t version) {
  return QueryUnknownBase(static_cast<IWEBSocketSink*>(this), IID_IWEBSocketSink, iid, version);
}

bool CDownLoad::Start(LPCWSTR url, IUnknownBase* pSink, uint64_t resumeOffset) {
  if (m_eState != StateIdle) return false;
  m_pSink = pSink ? static_cast<IDownLoadSink*>(pSink->QueryInterface(IID_IDownLoadSink, UNKNOWN_BASE_VERSION))
                  : nullptr;
  m_nResumeOffset = resumeOffset;
  m_nRedirects = 0;
  DWORD deadline = 0;
  if (m_nTimeLimit) {
    deadline = GetTickCount() + m_nTimeLimit;
    if (deadline == 0) deadline = 1;  // 0 means none
  }
  m_Socket.SetDeadline(deadline);
  wchar_t request[kUrlSize];
  if (!FormatWhole(request, kUrlSize, L"%s?x=%d", url ? url : L"", static_cast<int>(GetTickCount())))
    return Fail(IDownLoadSink::ErrorRequest);
  return OpenUrl(request);
}

void CDownLoad::Reset() {
  m_nExpectedLength = 0;
  m_nReceived = 0;
  m_nRedirectSkip = 0;
  m_eState = StateIdle;
  m_eFraming = FramingLength;
  m_Chunks.Reset();
  m_HeadTranslate.Clear();
  m_Socket.CloseSocket(CWEBSocket::CloseSilent);
}

bool CDownLoad::Fail(uint32_t code) {
  Reset();
  if (m_pSink) m_pSink->OnDownLoadError(code);
  return false;
}

void CDownLoad::Complete() {
  Reset();
  if (m_pSink) m_pSink->OnDownLoadStatus(2);
}

int CDownLoad::CrackUrl(LPCWSTR url) {
  wchar_t canonical[260];
  DWORD length = 260;
  if (!url || !InternetCanonicalizeUrlW(url, canonical, &length, kCanonicalizeFlags)) return -1;
  URL_COMPONENTSW parts = {};
  parts.dwStructSize = sizeof(parts);
  wchar_t host[260] = {0};
  wchar_t path[260] = {0};
  parts.lpszHostName = host;
  parts.dwHostNameLength = 260;
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = 260;
  if (!InternetCrackUrlW(canonical, 0, 0, &parts)) return -1;
  m_nPort = parts.nPort;
  memcpy(m_szHostName, host, sizeof(host));
  m_szHostName[259] = 0;
  memcpy(m_szUrlPath, path, sizeof(path));
  m_szUrlPath[259] = 0;
  return parts.nScheme;
}

bool CDownLoad::OpenUrl(LPCWSTR url) {
  const int scheme = CrackUrl(url);
  if ((scheme == INTERNET_SCHEME_FTP || scheme == INTERNET_SCHEME_HTTP) &&
      m_Socket.Connect(m_szHostName, m_nPort) == 0) {
    m_eState = StateRequest;
    if (m_pSink) m_pSink->OnDownLoadStatus(0);
    return true;
  }
  return Fail(IDownLoadSink::ErrorRequest);
}

bool CDownLoad::SendRequest() {
  const CW2A path(m_szUrlPath);
  const CW2A host(m_szHostName);
  char offset[24] = {0};
  std::to_chars(offset, offset + sizeof(offset) - 1, m_nResumeOffset);
  char request[1024];
  const int n = m_nResumeOffset == 0
                    ? snprintf(request, sizeof(request), kRequest, static_cast<LPCSTR>(path), static_cast<LPCSTR>(host))
                    : snprintf(request, sizeof(request), kRangeRequest, static_cast<LPCSTR>(path),
                               static_cast<LPCSTR>(host), offset);
  // A request that does not fit is not sent cut.
  if (n <= 0 || n >= static_cast<int>(sizeof(request))) return Fail(IDownLoadSink::ErrorRequest);
  if (m_Socket.Send(reinterpret_cast<const BYTE*>(request), static_cast<uint16_t>(n)) != 0) return true;
  // A failed send has closed the socket and told us already.
  return false;
}

bool CDownLoad::OnSocketConnect(int error) {
  if (error != 0) return Fail(IDownLoadSink::ErrorConnect);
  return SendRequest();
}

bool CDownLoad::OnSocketClose(int reason) {
  if (reason == 1) return true;
  // A body without a length ends with the connection; any other close is
  // a failure.
  if (reason == CWEBSocket::ClosePeer && m_eState == StateReceiving && m_eFraming == FramingClose) {
    Complete();
    return true;
  }
  return Fail(IDownLoadSink::ErrorRequest);
}

bool CDownLoad::OnSocketHeader(const BYTE* header, uint16_t length, uint32_t status) {
  m_HeadTranslate.Translate(header, length);
  switch (status) {
    case 200:
    case 206:
      return Accept(status);
    case 301:
    case 302:
    case 303:
    case 307:
    case 308:
      return Redirect();
    default:
      return Fail(IDownLoadSink::ErrorRequest);
  }
}

bool CDownLoad::Accept(uint32_t status) {
  const CHttpResponseHead& fields = m_HeadTranslate.GetFields();
  // A part is of use only when it starts where the file stands.
  if (status == 206 && (!fields.HasContentRange() || fields.GetRangeFirst() != m_nResumeOffset))
    return Fail(IDownLoadSink::ErrorRange);
  m_eState = StateReceiving;
  m_nReceived = 0;
  m_nExpectedLength = 0;
  if (fields.IsChunked()) {
    m_eFraming = FramingChunked;
    m_Chunks.Reset();
  } else if (fields.HasContentLength()) {
    m_eFraming = FramingLength;
    m_nExpectedLength = fields.GetContentLength();
  } else if (status == 206) {
    m_eFraming = FramingLength;
    m_nExpectedLength = fields.GetRangeLast() - fields.GetRangeFirst() + 1;
  } else {
    m_eFraming = FramingClose;
  }
  if (m_pSink) m_pSink->OnDownLoadStatus(1);
  const bool result = m_pSink ? m_pSink->OnDownLoadBegin(status == 206, m_nExpectedLength, m_HeadTranslate.GetETag(),
                                                         m_szUrlPath)
                              : true;
  // An announced empty body is complete with its header; there is no read
  // of it to wait for on a connection that stays open.
  if (m_eFraming == FramingLength && m_nExpectedLength == 0 && m_eState == StateReceiving) Complete();
  return result;
}

bool CDownLoad::Redirect() {
  if (++m_nRedirects > kMaxRedirects) return Fail(IDownLoadSink::ErrorRequest);
  const CHttpResponseHead& fields = m_HeadTranslate.GetFields();
  size_t locLength = 0;
  const char* found = fields.GetLocation(locLength);
  if (!found || locLength == 0 || locLength > kMaxLocation) return Fail(IDownLoadSink::ErrorRequest);
  const CA2W location(found, CP_ACP, static_cast<int>(locLength));

  if (found[0] == '/') {
    // Same host: the new path, with a new cache buster.
    wchar_t path[260];
    if (!FormatWhole(path, 260, L"%s?x=%I64d", static_cast<LPCWSTR>(location),
                     static_cast<long long>(GetTickCount())))
      return Fail(IDownLoadSink::ErrorRequest);
    memcpy(m_szUrlPath, path, sizeof(path));
    // Asked on this connection once the redirect's own body has gone by,
    // when its length says where it ends; otherwise on a new connection.
    if (fields.HasContentLength() && !fields.IsChunked()) {
      m_nRedirectSkip = fields.GetContentLength();
      m_HeadTranslate.Clear();
      return m_nRedirectSkip == 0 ? SendRequest() : true;
    }
    m_HeadTranslate.Clear();
    if (m_Socket.Connect(m_szHostName, m_nPort) != 0) return Fail(IDownLoadSink::ErrorRequest);
    return true;
  }

  m_Socket.CloseSocket(CWEBSocket::CloseSilent);
  wchar_t url[kUrlSize];
  if (!FormatWhole(url, kUrlSize, L"%s?x=%d", static_cast<LPCWSTR>(location), static_cast<int>(GetTickCount())))
    return Fail(IDownLoadSink::ErrorRequest);
  return OpenUrl(url);
}

void CDownLoad::Deliver(const BYTE* data, size_t length) {
  m_nReceived += length;
  if (m_pSink) m_pSink->OnDownLoadData(data, static_cast<uint16_t>(length));
}

bool CDownLoad::OnSocketData(const BYTE* data, uint16_t length) {
  if (m_eState == StateRequest && m_nRedirectSkip > 0) {
    m_nRedirectSkip = length >= m_nRedirectSkip ? 0 : m_nRedirectSkip - length;
    if (m_nRedirectSkip == 0) return SendRequest();
    return true;
  }
  if (m_eState != StateReceiving) return true;
  switch (m_eFraming) {
    case FramingLength: {
      // Bytes past the announced length are not part of the file.
      const uint64_t left = m_nExpectedLength - m_nReceived;
      Deliver(data, length < left ? length : static_cast<size_t>(left));
      if (m_eState == StateReceiving && m_nReceived == m_nExpectedLength) Complete();
      return true;
    }
    case FramingChunked: {
      const BYTE* in = data;
      size_t rest = length;
      while (rest > 0 && m_eState == StateReceiving && !m_Chunks.IsDone() && !m_Chunks.IsInvalid()) {
        const uint8_t* run = nullptr;
        size_t runLength = 0;
        const size_t used = m_Chunks.Next(in, rest, run, runLength);
        in += used;
        rest -= used;
        if (runLength) Deliver(run, runLength);
      }
      if (m_eState != StateReceiving) return true;
      if (m_Chunks.IsInvalid()) return Fail(IDownLoadSink::ErrorRequest);
      if (m_Chunks.IsDone()) Complete();
      return true;
    }
    case FramingClose:
      Deliver(data, length);
      return true;
  }
  return true;
}
