// The engine from the command line. Measurements, one line per run
// ("<what> seconds=<s> ..." for scripts/bench.sh):
//   update_bench download URL     fetch URL with CDownLoad (body discarded)
//   update_bench md5 PATH         GetFileMD5 of PATH
//   update_bench compare MANIFEST CompareManifest of MANIFEST against the
//                                 installation beside this program
// and a whole update run that tells what it does (used by the demo):
//   update_bench run MANIFEST_URL check the manifest, fetch what differs into
//                                 place beside this program
#include <winsock2.h>
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

#include "CDownLoad.h"
#include "CDownLoadManager.h"
#include "CMD5Checksum.h"
#include "CUpdateCheckSink.h"
#include "UpdatePaths.h"

namespace {

double Now() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

// Runs this thread's messages until done() holds.
template <class Done>
void Pump(Done done) {
  MSG msg;
  while (!done() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

class CountingSink : public IDownLoadSink {
public:
  void Release() override {}
  void* QueryInterface(const GUID& iid, uint32_t version) override {
    return QueryUnknownBase(static_cast<IDownLoadSink*>(this), IID_IDownLoadSink, iid, version);
  }
  bool OnDownLoadError(uint32_t) override {
    done = failed = true;
    return true;
  }
  bool OnDownLoadStatus(uint32_t kind) override {
    if (kind == 2) done = true;
    return true;
  }
  bool OnDownLoadData(const BYTE*, uint16_t length) override {
    bytes += length;
    return true;
  }
  bool OnDownLoadBegin(bool, uint64_t, LPCWSTR, LPCWSTR) override { return true; }
  bool done = false, failed = false;
  unsigned long long bytes = 0;
};

int Download(LPCWSTR url) {
  CountingSink sink;
  CDownLoad download;
  const double start = Now();
  if (!download.Start(url, &sink, 0)) return 1;
  Pump([&] { return sink.done; });
  const double seconds = Now() - start;
  printf("download seconds=%.3f bytes=%llu failed=%d\n", seconds, sink.bytes, sink.failed ? 1 : 0);
  return sink.failed ? 1 : 0;
}

int Md5(LPCWSTR path) {
  CMD5Checksum md5;
  const double start = Now();
  const CString digest = md5.GetFileMD5(path);
  const double seconds = Now() - start;
  char text[64] = {0};
  WideCharToMultiByte(CP_ACP, 0, digest, -1, text, sizeof(text) - 1, nullptr, nullptr);
  printf("md5 seconds=%.3f digest=%s\n", seconds, text);
  return digest.IsEmpty() ? 1 : 0;
}

int Compare(LPCWSTR manifest) {
  HANDLE h = CreateFileW(manifest, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  CUpdateCheckSink sink;
  if (!sink.OpenManifestFile(L"/bench/Bench.ini")) {
    CloseHandle(h);
    return 1;
  }
  BYTE chunk[4096];
  DWORD got = 0;
  while (ReadFile(h, chunk, sizeof(chunk), &got, nullptr) && got > 0) sink.OnDownLoadData(chunk, static_cast<uint16_t>(got));
  CloseHandle(h);
  const UINT files = GetPrivateProfileIntW(L"UPDATECONFIG", L"FileCount", 0, manifest);
  const double start = Now();
  const bool differs = sink.CompareManifest();
  const double seconds = Now() - start;
  printf("compare seconds=%.3f files=%u differs=%d\n", seconds, files, differs ? 1 : 0);
  return 0;
}

// The check's owner and the manager's frame of a run, printing each step.
class VerboseRun : public IUpdateCheckOwner, public IUpdateFrame {
public:
  void EndCheck(int result) override {
    checked = result;
    printf("check: ended with %d (%s)\n", result, result == 2 ? "files to fetch" : "nothing to fetch");
  }
  void SetCurrentFile(LPCWSTR name) override { printf("manager: fetching %ls\n", name); }
  void RunGame() override {
    done = true;
    printf("manager: every file in place, the game would start now\n");
  }
  HWND GetRedrawTarget() override { return nullptr; }
  void OnDownLoadFailed(LPCWSTR name) override {
    done = true;
    printf("manager: gave up on %ls\n", name);
  }
  int checked = 0;
  bool done = false;
};

int Run(LPCWSTR url) {
  printf("module directory: %ls\n", GetModuleDirectory());
  printf("check: fetching the manifest %ls\n", url);
  VerboseRun run;
  CUpdateCheckSink check;
  check.SetOwner(&run);
  check.Start(url);
  Pump([&] { return run.checked != 0; });
  printf("check: %llu manifest bytes received\n", static_cast<unsigned long long>(check.GetReceived()));
  if (run.checked != 2) return 0;

  CWnd frame;
  frame.CreateEx(0, AfxRegisterWndClass(0), L"frame", WS_POPUP, CRect(0, 0, 1, 1), nullptr, 0);
  CDownLoadManager manager;
  manager.CreateManager(&frame);
  manager.SetFrame(&run);
  manager.LoadFileList();
  printf("manager: %d files listed, from %ls\n", manager.GetTotal(), manager.GetBaseUrl());
  for (const CString& name : manager.GetList()) printf("  %ls\n", static_cast<LPCWSTR>(name));
  manager.StartDownLoad();
  const DWORD start = GetTickCount();
  Pump([&] { return run.done; });
  printf("manager: %d notices in %lu ms\n", manager.GetDone(), GetTickCount() - start);
  return manager.IsFailed() ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: update_bench download URL | md5 PATH | compare MANIFEST | run MANIFEST_URL\n");
    return 2;
  }
  WSADATA data;
  if (WSAStartup(0x0101, &data) != 0) return 1;
  int rc = 2;
  if (wcscmp(argv[1], L"download") == 0) rc = Download(argv[2]);
  if (wcscmp(argv[1], L"md5") == 0) rc = Md5(argv[2]);
  if (wcscmp(argv[1], L"compare") == 0) rc = Compare(argv[2]);
  if (wcscmp(argv[1], L"run") == 0) rc = Run(argv[2]);
  WSACleanup();
  return rc;
}
