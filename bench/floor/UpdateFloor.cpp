// The same update as Update.exe, written as plainly as Win32 allows: one
// blocking socket per request read 64 KB at a time, CryptoAPI MD5, no window.
//   update_floor "GAME|MANIFEST_URL"
// fetches the manifest (http://host:port/path), hashes every listed file
// beside this program, fetches those that differ into DownLoad\ (hashing as
// the bytes arrive), moves each into place when its digest is right, and
// starts GAME with "UPDATED". Exit code 0 when every file is in place.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <wincrypt.h>
#include <shellapi.h>

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

namespace {

const DWORD kChunk = 64 * 1024;

std::wstring g_strFolder;  // this program's folder

std::wstring Widen(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

std::string Narrow(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  if (n > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
  return out;
}

// The CryptoAPI provider, acquired once for the process as a client that
// hashes many files would (acquiring it costs far more than hashing a small
// file).
HCRYPTPROV Provider() {
  static HCRYPTPROV provider = [] {
    HCRYPTPROV p = 0;
    return CryptAcquireContextW(&p, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT) ? p : 0;
  }();
  return provider;
}

// An MD5 digest in progress (CryptoAPI).
class CDigest {
public:
  CDigest() {
    if (Provider()) CryptCreateHash(Provider(), CALG_MD5, 0, 0, &m_hHash);
  }
  ~CDigest() {
    if (m_hHash) CryptDestroyHash(m_hHash);
  }
  CDigest(const CDigest&) = delete;
  CDigest& operator=(const CDigest&) = delete;
  void Add(const char* data, DWORD length) { CryptHashData(m_hHash, reinterpret_cast<const BYTE*>(data), length, 0); }
  // Lower-case hex; empty on failure.
  std::string Hex() {
    BYTE digest[16];
    DWORD size = sizeof(digest);
    if (!m_hHash || !CryptGetHashParam(m_hHash, HP_HASHVAL, digest, &size, 0)) return std::string();
    char text[33];
    for (int i = 0; i < 16; ++i) snprintf(text + 2 * i, 3, "%02x", digest[i]);
    return text;
  }

private:
  HCRYPTHASH m_hHash = 0;
};

std::string FileMD5(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  CDigest digest;
  static char buffer[kChunk];
  DWORD got = 0;
  while (ReadFile(file, buffer, kChunk, &got, nullptr) && got > 0) digest.Add(buffer, got);
  CloseHandle(file);
  return digest.Hex();
}

// http://host[:port]/path
bool SplitUrl(const std::string& url, std::string& host, int& port, std::string& path) {
  const std::string scheme = "http://";
  if (url.compare(0, scheme.size(), scheme) != 0) return false;
  size_t slash = url.find('/', scheme.size());
  std::string authority = url.substr(scheme.size(), slash == std::string::npos ? std::string::npos : slash - scheme.size());
  path = slash == std::string::npos ? "/" : url.substr(slash);
  size_t colon = authority.find(':');
  host = authority.substr(0, colon);
  port = colon == std::string::npos ? 80 : atoi(authority.c_str() + colon + 1);
  return !host.empty() && port > 0;
}

// GETs url and hands the body to sink(data, length) 64 KB at most at a time.
// False on any failure or a status other than 200.
template <class Sink>
bool Get(const std::string& url, Sink sink) {
  std::string host, path;
  int port = 0;
  if (!SplitUrl(url, host, port, path)) return false;
  addrinfo hints = {};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* address = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &address) != 0) return false;
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  bool ok = s != INVALID_SOCKET && connect(s, address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0;
  freeaddrinfo(address);
  std::string request = "GET " + path + " HTTP/1.1\r\nHost: " + host + "\r\nConnection: close\r\n\r\n";
  ok = ok && send(s, request.data(), static_cast<int>(request.size()), 0) == static_cast<int>(request.size());
  static char buffer[kChunk];
  std::string header;
  bool inBody = false;
  long long left = -1;
  while (ok && left != 0) {
    int n = recv(s, buffer, kChunk, 0);
    if (n <= 0) break;
    const char* data = buffer;
    if (!inBody) {
      header.append(buffer, static_cast<size_t>(n));
      size_t end = header.find("\r\n\r\n");
      if (end == std::string::npos) continue;
      ok = header.compare(0, 12, "HTTP/1.1 200") == 0 || header.compare(0, 12, "HTTP/1.0 200") == 0;
      size_t length = header.find("\r\nContent-Length:");
      if (length != std::string::npos && length < end) left = atoll(header.c_str() + length + 17);
      size_t body = end + 4;
      data = buffer + n - static_cast<int>(header.size() - body);
      n = static_cast<int>(header.size() - body);
      inBody = true;
    }
    if (left >= 0 && n > left) n = static_cast<int>(left);
    if (ok && n > 0) ok = sink(data, static_cast<DWORD>(n));
    if (left > 0) left -= n;
  }
  if (s != INVALID_SOCKET) closesocket(s);
  return ok && inBody && left <= 0;
}

// The key=value lines of one [section] of an INI text.
std::vector<std::pair<std::string, std::string>> Section(const std::string& ini, const std::string& name) {
  std::vector<std::pair<std::string, std::string>> lines;
  bool inside = false;
  size_t at = 0;
  while (at < ini.size()) {
    size_t end = ini.find('\n', at);
    if (end == std::string::npos) end = ini.size();
    std::string line = ini.substr(at, end - at);
    at = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    if (!line.empty() && line[0] == '[') {
      inside = _stricmp(line.c_str(), ("[" + name + "]").c_str()) == 0;
      continue;
    }
    size_t equals = line.find('=');
    if (inside && equals != std::string::npos) lines.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
  return lines;
}

std::string Value(const std::vector<std::pair<std::string, std::string>>& lines, const std::string& key) {
  for (const auto& line : lines)
    if (_stricmp(line.first.c_str(), key.c_str()) == 0) return line.second;
  return std::string();
}

std::wstring Backslashed(std::wstring name) {
  for (auto& c : name)
    if (c == L'/') c = L'\\';
  return name;
}

bool Fetch(const std::string& url, const std::wstring& relative, const std::string& expected) {
  std::wstring holding = g_strFolder + L"\\DownLoad";
  CreateDirectoryW(holding.c_str(), nullptr);
  std::wstring temp = holding + L"\\" + Backslashed(relative).substr(Backslashed(relative).find_last_of(L'\\') + 1);
  HANDLE file = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CDigest digest;
  bool ok = Get(url, [&](const char* data, DWORD length) {
    digest.Add(data, length);
    DWORD written = 0;
    return WriteFile(file, data, length, &written, nullptr) && written == length;
  });
  CloseHandle(file);
  if (!ok || _stricmp(digest.Hex().c_str(), expected.c_str()) != 0) {
    DeleteFileW(temp.c_str());
    return false;
  }
  std::wstring target = g_strFolder + L"\\" + Backslashed(relative);
  for (size_t slash = target.find(L'\\', g_strFolder.size() + 1); slash != std::wstring::npos;
       slash = target.find(L'\\', slash + 1))
    CreateDirectoryW(target.substr(0, slash).c_str(), nullptr);
  return MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || wcschr(argv[1], L'|') == nullptr) {
    fprintf(stderr, "usage: update_floor \"GAME|MANIFEST_URL\"\n");
    return 2;
  }
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  g_strFolder = self;
  g_strFolder = g_strFolder.substr(0, g_strFolder.find_last_of(L'\\'));
  std::wstring line = argv[1];
  std::wstring game = line.substr(0, line.find(L'|'));
  std::string manifestUrl = Narrow(line.substr(line.find(L'|') + 1));

  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return 1;
  std::string manifest;
  bool ok = Get(manifestUrl, [&](const char* bytes, DWORD length) {
    manifest.append(bytes, length);
    return true;
  });
  int failed = ok ? 0 : 1;
  if (ok) {
    auto config = Section(manifest, "UPDATECONFIG");
    auto names = Section(manifest, "FILENAME");
    auto sums = Section(manifest, "FILECHECKSUM");
    std::string base = Value(config, "UPDATENETADDR");
    int count = atoi(Value(config, "FileCount").c_str());
    for (int i = 0; i < count; ++i) {
      std::string key = "FileIndex" + std::to_string(i);
      std::string name = Value(names, key), sum = Value(sums, key);
      if (name.empty()) continue;
      std::wstring relative = Widen(name);
      if (_stricmp(FileMD5(g_strFolder + L"\\" + Backslashed(relative)).c_str(), sum.c_str()) == 0) continue;
      if (!Fetch(base + name, relative, sum)) ++failed;
    }
  }
  WSACleanup();
  ShellExecuteW(nullptr, L"open", game.c_str(), failed == 0 ? L"UPDATED" : L"", nullptr, SW_SHOWNORMAL);
  return failed == 0 ? 0 : 1;
}
