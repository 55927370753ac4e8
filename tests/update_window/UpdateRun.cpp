#include "UpdateRun.h"

#include <vector>

#ifndef UPDATE_PEERS_DIR
#error "UPDATE_PEERS_DIR names the peers fixture's folder"
#endif

namespace {

std::wstring Widen(const char* s) {
  std::wstring out;
  for (; *s != 0; ++s) out += static_cast<wchar_t>(*s);
  return out;
}

// A Unix path as Wine's Z: drive sees it.
std::wstring WindowsPath(const char* unixPath) {
  std::wstring path = L"Z:" + Widen(unixPath);
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

}  // namespace

std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

CPeers CPeers::Read() {
  CPeers peers;
  std::wstring dir = WindowsPath(UPDATE_PEERS_DIR);
  std::wstring ini = dir + L"\\peers.ini";
  peers.nPort = GetPrivateProfileIntW(L"peers", L"nginx", 0, ini.c_str());
  wchar_t root[MAX_PATH] = {};
  GetPrivateProfileStringW(L"peers", L"root", L"", root, MAX_PATH, ini.c_str());
  peers.strRoot = root;
  peers.strAccessLog = dir + L"\\logs\\nginx-access.log";
  return peers;
}

CUpdateRun::CUpdateRun(const std::wstring& name) {
  wchar_t cwd[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, cwd);
  m_strFolder = std::wstring(cwd) + L"\\runs\\" + name;
  RemoveTree(m_strFolder);
  MakeFolders(m_strFolder);
  std::wstring bin = TestProgramFolder();
  CopyFileW((bin + L"\\Update.exe").c_str(), (m_strFolder + L"\\Update.exe").c_str(), FALSE);
  CopyFileW((bin + L"\\game.exe").c_str(), (m_strFolder + L"\\game.exe").c_str(), FALSE);
}

namespace {

struct CFindWindow {
  DWORD pid;
  LPCWSTR className;
  HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hWnd, LPARAM lParam) {
  CFindWindow* find = reinterpret_cast<CFindWindow*>(lParam);
  DWORD pid = 0;
  GetWindowThreadProcessId(hWnd, &pid);
  wchar_t name[64] = {};
  GetClassNameW(hWnd, name, 64);
  if (pid == find->pid && IsWindowVisible(hWnd) && lstrcmpiW(name, find->className) == 0) {
    find->found = hWnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD pid, LPCWSTR className) {
  CFindWindow find = {pid, className, nullptr};
  EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

CRunResult CUpdateRun::Run(const std::wstring& arguments, DWORD timeoutMs,
                           std::function<void(DWORD pid, DWORD elapsedMs)> watch) {
  CRunResult result;
  std::wstring exe = m_strFolder + L"\\Update.exe";
  std::wstring line = L"\"" + exe + L"\"";
  if (!arguments.empty()) line += L" " + arguments;
  std::vector<wchar_t> commandLine(line.begin(), line.end());
  commandLine.push_back(0);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, m_strFolder.c_str(), &si,
                      &pi)) {
    return result;
  }
  DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (FindProcessWindow(pi.dwProcessId, L"#32770") != nullptr) result.bSawDialog = true;
    if (FindProcessWindow(pi.dwProcessId, L"TolmGame") != nullptr) result.bSawFrame = true;
    if (watch) watch(pi.dwProcessId, elapsed);
    if (WaitForSingleObject(pi.hProcess, 20) == WAIT_OBJECT_0) {
      result.bExited = true;
      break;
    }
    if (elapsed > timeoutMs) {
      TerminateProcess(pi.hProcess, 1);
      WaitForSingleObject(pi.hProcess, 5000);
      break;
    }
  }
  result.dwSeconds = (GetTickCount() - start) / 1000;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return result;
}

std::string CUpdateRun::WaitForGame(DWORD waitMs) const {
  std::wstring record = m_strFolder + L"\\game-started.txt";
  DWORD start = GetTickCount();
  while (!FileExists(record) && GetTickCount() - start < waitMs) Sleep(50);
  return ReadBytes(record);
}
