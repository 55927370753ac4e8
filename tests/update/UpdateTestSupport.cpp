#include "UpdateTestSupport.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <vector>

#include "UpdatePaths.h"

namespace {

// The application starts the socket library; for the tests it is started
// once for the whole process.
class WinsockEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    WSADATA data;
    ASSERT_EQ(0, WSAStartup(0x0101, &data));
  }
  void TearDown() override { WSACleanup(); }
};

::testing::Environment* const g_winsock = ::testing::AddGlobalTestEnvironment(new WinsockEnvironment);

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

std::wstring ModuleFile(const std::wstring& relative) {
  return std::wstring(GetModuleDirectory()) + L"\\" + relative;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  const size_t slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) {
    // Folders first, one level at a time.
    for (size_t i = path.find_first_of(L"\\/", 3); i != std::wstring::npos && i <= slash;
         i = path.find_first_of(L"\\/", i + 1))
      CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
  }
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  return ok && written == bytes.size();
}

std::string ReadBytes(const std::wstring& path, bool* found) {
  std::string out;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (found) *found = h != INVALID_HANDLE_VALUE;
  if (h == INVALID_HANDLE_VALUE) return out;
  char buf[65536];
  DWORD got = 0;
  while (ReadFile(h, buf, sizeof(buf), &got, nullptr) && got > 0) out.append(buf, got);
  CloseHandle(h);
  return out;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full);
      else
        DeleteFileW(full.c_str());
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(path.c_str());
}

std::string PatternBytes(size_t length, unsigned seed) {
  std::string out(length, '\0');
  unsigned x = seed * 2654435761u + 1;
  for (size_t i = 0; i < length; ++i) {
    x = x * 1103515245u + 12345u;
    out[i] = static_cast<char>(x >> 16);
  }
  return out;
}

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

std::string Narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += static_cast<char>(c);
  return out;
}

std::string HttpHeader(const std::string& statusLine, const std::string& extra, long contentLength) {
  std::string h = statusLine + "\r\n" + extra;
  if (contentLength >= 0) h += "Content-Length: " + std::to_string(contentLength) + "\r\n";
  return h + "\r\n";
}
