// Whole runs of Update.exe for the end-to-end tests: an installation folder
// with its own copy of the updater and of the stand-in game, files served by
// nginx (the peers fixture), and a watch over the windows the run shows.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <string>

#include "TestFiles.h"

// The folder of this test program (where Update.exe and game.exe are built).
std::wstring TestProgramFolder();

// nginx of the peers fixture: its port and document root (a Windows path).
struct CPeers {
  int nPort = 0;
  std::wstring strRoot;
  std::wstring strAccessLog;
  static CPeers Read();
};

using testwin::FileExists;
using testwin::FolderExists;
using testwin::MakeFolders;
using testwin::PatternBytes;
using testwin::ReadBytes;
using testwin::RemoveTree;
using testwin::WriteBytes;

// What one run of the updater showed and did.
struct CRunResult {
  bool bExited = false;
  bool bSawDialog = false;  // the check dialog was on screen
  bool bSawFrame = false;   // the update frame ("TolmGame") was on screen
  DWORD dwSeconds = 0;
};

class CUpdateRun {
public:
  // A fresh installation folder under the working directory.
  explicit CUpdateRun(const std::wstring& name);

  const std::wstring& Folder() const { return m_strFolder; }
  std::wstring GamePath() const { return m_strFolder + L"\\game.exe"; }
  std::wstring Path(const std::wstring& relative) const { return m_strFolder + L"\\" + relative; }

  // Runs Update.exe with the text after its name; `watch` is called about
  // every 20 ms with the process's top-level windows' state while it runs
  // (it may act on them). Gives up (killing the process) after timeoutMs.
  CRunResult Run(const std::wstring& arguments, DWORD timeoutMs = 60000,
                 std::function<void(DWORD pid, DWORD elapsedMs)> watch = nullptr);

  // What the game recorded, or empty when it did not start within waitMs.
  std::string WaitForGame(DWORD waitMs) const;

private:
  std::wstring m_strFolder;
};

// A visible top-level window of the process with the given class, or null.
HWND FindProcessWindow(DWORD pid, LPCWSTR className);
