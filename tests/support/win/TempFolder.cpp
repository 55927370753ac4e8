#include "TempFolder.h"

#include "TestFiles.h"

namespace testwin {

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  DWORD n = GetTempPathW(MAX_PATH, base);
  std::wstring root = (n > 0 && n < MAX_PATH) ? std::wstring(base, n) : std::wstring(L".\\");
  static LONG counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::wstring candidate = root + L"fwtest-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                             std::to_wstring(InterlockedIncrement(&counter));
    if (CreateDirectoryW(candidate.c_str(), nullptr)) {
      m_path = candidate;
      return;
    }
  }
}

TempFolder::~TempFolder() {
  if (!m_path.empty()) RemoveTree(m_path);
}

std::wstring TempFolder::Write(const std::wstring& name, const std::string& bytes) const {
  const std::wstring path = File(name);
  WriteBytes(path, bytes);
  return path;
}

std::string TempFolder::Read(const std::wstring& path) { return ReadBytes(path); }

}  // namespace testwin
