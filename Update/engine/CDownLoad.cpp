#include "CDownLoad.h"

#include <wininet.h>
#include <stdio.h>
#include <string.h>

#include "CString.h"

namespace {

const char kRequest[] =
    "GET %s HTTP/1.1\r\nHost:%s\r\nAccept:*/*\r\nUser-Agent:Mozilla/4.0 (compatible; MSIE 6.00; Windows NT "
    "5.1)\r\nPragma: no-cache\r\nCache-Control: no-cache\r\nConnection:Keep-Alive\r\n\r\n";
const char kRangeRequest[] =
    "GET %s HTTP/1.1\r\nHost:%s\r\nAccept:*/*\r\nUser-Agent:Mozilla/4.0 (compatible; MSIE 6.00; Windows NT "
    "5.1)\r\nRange: bytes=%d-\r\nPragma: no-cache\r\nCache-Control: no-cache\r\nConnection:Keep-Alive\r\n\r\n";
const char kLocation[] = "Location: ";
const DWORD kCanonicalizeFlags = ICU_NO_ENCODE | ICU_NO_META | ICU_ENCODE_SPACES_ONLY | ICU_BROWSER_MODE;

void ToAnsi(LPCWSTR text, char* out, int size) {
  out[0] = 0;
  int n = WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(wcslen(text)), out, size - 1, nullptr, nullptr);
  if (n < 0) n = 0;
  out[n] = 0;
}

void FromAnsi(const char* text, size_t length, wchar_t* out, int size) {
  int n = length ? MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), out, size - 1) : 0;
  if (n <= 0 && length) {
    // Too long: convert the part that fits, one byte less at a time.
    for (size_t cut = length; cut > 0 && n <= 0; --cut)
      n = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(cut), out, size - 1);
  }
  if (n < 0) n = 0;
  out[n] = 0;
}

}  // namespace

CDownLoad::CDownLoad()
    : m_nExpectedLength(0),
      m_nReceived(0),
      m_nResumeOffset(0),
      m_nPort(0),
      m_eState(StateIdle),
      m_pSink(nullptr),
      m_nRedirects(0),
      m_nRedirectSkip(0) {
  m_szUrlPath[0] = m_szHostName[0] = 0;
  m_Socket.SetSink(static_cast<IWEBSocketSink*>(QueryInterface(IID_IWEBSocketSink, UNKNOWN_BASE_VERSION)));
}

CDownLoad::~CDownLoad() { m_Socket.SetSink(nullptr); }

void* CDownLoad::QueryInterface(const GUID& iid, uint32_t version) {
  return QueryUnknownBase(static_cast<IWEBSocketSink*>(this), IID_IWEBSocketSink, iid, version);
}

bool CDownLoad::Start(LPCWSTR url, IUnknownBase* pSink, uint32_t resumeOffset) {
  if (m_eState != StateIdle) return false;
  m_pSink = pSink ? static_cast<IDownLoadSink*>(pSink->QueryInterface(IID_IDownLoadSink, UNKNOWN_BASE_VERSION))
                  : nullptr;
  m_nResumeOffset = resumeOffset;
  m_nRedirects = 0;
  wchar_t request[256];
  AfxFormatBuffer(request, 256, L"%s?x=%d", url ? url : L"", static_cast<int>(GetTickCount()));
  return OpenUrl(request);
}

void CDownLoad::Reset() {
  m_nExpectedLength = 0;
  m_nReceived = 0;
  m_nRedirectSkip = 0;
  m_eState = StateIdle;
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
  return Fail(0);
}

bool CDownLoad::SendRequest() {
  char path[520];
  char host[520];
  ToAnsi(m_szUrlPath, path, sizeof(path));
  ToAnsi(m_szHostName, host, sizeof(host));
  char request[1024];
  int n = m_nResumeOffset == 0
              ? snprintf(request, sizeof(request), kRequest, path, host)
              : snprintf(request, sizeof(request), kRangeRequest, path, host, static_cast<int>(m_nResumeOffset));
  if (n < 0) return false;
  if (n >= static_cast<int>(sizeof(request))) n = sizeof(request) - 1;
  return m_Socket.Send(reinterpret_cast<const BYTE*>(request), static_cast<uint16_t>(n)) != 0;
}

bool CDownLoad::OnSocketConnect(int error) {
  if (error != 0) return Fail(1);
  return SendRequest();
}

bool CDownLoad::OnSocketClose(int reason) {
  if (reason == 1) return true;
  return Fail(0);
}

bool CDownLoad::OnSocketHeader(const BYTE* header, uint16_t length, uint32_t status) {
  switch (status) {
    case 200:
    case 206: {
      m_eState = StateReceiving;
      m_HeadTranslate.Translate(header, length);
      m_nReceived = 0;
      m_nExpectedLength = m_HeadTranslate.GetContentLength();
      const bool announcedEmpty = m_HeadTranslate.HasContentLength() && m_nExpectedLength == 0;
      if (m_pSink) m_pSink->OnDownLoadStatus(1);
      const bool result =
          m_pSink ? m_pSink->OnDownLoadBegin(status == 206, m_nExpectedLength, m_HeadTranslate.GetETag(),
                                             m_szUrlPath)
                  : true;
      // An announced empty body is complete with its header; there is no
      // read of it to wait for on a connection that stays open.
      if (announcedEmpty && m_eState == StateReceiving) Complete();
      return result;
    }
    case 301:
    case 302:
    case 303:
      return Redirect(header, length);
    default:
      return Fail(0);
  }
}

bool CDownLoad::Redirect(const BYTE* header, uint16_t length) {
  if (++m_nRedirects > kMaxRedirects) return Fail(0);

  const char* text = reinterpret_cast<const char*>(header);
  const size_t keyLen = sizeof(kLocation) - 1;
  const char* found = nullptr;
  for (size_t i = 0; i + keyLen <= length; ++i) {
    if (memcmp(text + i, kLocation, keyLen) == 0) {
      found = text + i + keyLen;
      break;
    }
  }
  if (!found) return Fail(0);
  const char* end = found;
  const char* stop = text + length;
  while (end < stop && *end != '\r') ++end;
  const size_t locLen = static_cast<size_t>(end - found);
  if (locLen == 0 || locLen > 259) return Fail(0);

  wchar_t location[260];
  if (found[0] == '/') {
    // Same host: asked again on this connection once the redirect's own body
    // (if it announced one) has gone by.
    FromAnsi(found, locLen, location, 260);
    AfxFormatBuffer(m_szUrlPath, 260, L"%s?x=%I64d", location, static_cast<long long>(GetTickCount()));
    m_HeadTranslate.Translate(header, length);
    m_nRedirectSkip = m_HeadTranslate.GetContentLength();
    m_HeadTranslate.Clear();
    if (m_nRedirectSkip == 0) return SendRequest();
    return true;
  }

  m_Socket.CloseSocket(CWEBSocket::CloseSilent);
  FromAnsi(found, locLen, location, 256);
  wchar_t url[256];
  AfxFormatBuffer(url, 256, L"%s?x=%d", location, static_cast<int>(GetTickCount()));
  return OpenUrl(url);
}

bool CDownLoad::OnSocketData(const BYTE* data, uint16_t length) {
  if (m_eState == StateRequest && m_nRedirectSkip > 0) {
    m_nRedirectSkip = length >= m_nRedirectSkip ? 0 : m_nRedirectSkip - length;
    if (m_nRedirectSkip == 0) return SendRequest();
    return true;
  }
  if (m_eState != StateReceiving) return true;
  m_nReceived += length;
  if (m_pSink) m_pSink->OnDownLoadData(data, length);
  if (m_eState == StateReceiving && m_nReceived == m_nExpectedLength) Complete();
  return true;
}
