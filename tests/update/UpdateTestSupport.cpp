#include "UpdateTestSupport.h"

#include <gtest/gtest.h>

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

std::wstring ModuleFile(const std::wstring& relative) {
  return std::wstring(GetModuleDirectory()) + L"\\" + relative;
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
