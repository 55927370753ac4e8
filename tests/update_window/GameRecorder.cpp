// The "game program" that the updater starts in the end-to-end tests. It
// writes what it was given into game-started.txt beside itself (UTF-8): the
// text after its own name on the command line, then, for every relative path
// listed in game-expects.txt beside it, "<path>=<size in bytes or -1>" — so a
// test can tell which files were in place when the game started.
#include <windows.h>

#include <stdio.h>
#include <string>

namespace {

std::wstring ModuleDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path);
  size_t slash = dir.find_last_of(L'\\');
  return slash == std::wstring::npos ? dir : dir.substr(0, slash);
}

// The arguments: what follows the (possibly quoted) program name and its blanks.
std::wstring Arguments() {
  const wchar_t* p = GetCommandLineW();
  if (*p == L'"') {
    ++p;
    while (*p != 0 && *p != L'"') ++p;
    if (*p == L'"') ++p;
  } else {
    while (*p != 0 && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

std::string Utf8(const std::wstring& s) {
  int n = WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.c_str(), static_cast<int>(s.size()), &out[0], n, nullptr, nullptr);
  return out;
}

long long FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::wstring dir = ModuleDirectory();
  std::string record = Utf8(Arguments()) + "\n";
  FILE* expects = _wfopen((dir + L"\\game-expects.txt").c_str(), L"rb");
  if (expects != nullptr) {
    char line[512];
    while (fgets(line, sizeof(line), expects) != nullptr) {
      std::string name(line);
      while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
      if (name.empty()) continue;
      std::wstring wide(name.begin(), name.end());
      record += name + "=" + std::to_string(FileSize(dir + L"\\" + wide)) + "\n";
    }
    fclose(expects);
  }
  std::wstring target = dir + L"\\game-started.txt";
  std::wstring partial = target + L".part";
  FILE* out = _wfopen(partial.c_str(), L"wb");
  if (out == nullptr) return 1;
  fwrite(record.data(), 1, record.size(), out);
  fclose(out);
  // Appears whole or not at all for a test that polls for it.
  MoveFileExW(partial.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
  return 0;
}
