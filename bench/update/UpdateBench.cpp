// Measures the engine where its speed matters and prints one line per run:
//   update_bench download URL     fetch URL with CDownLoad (body discarded)
//   update_bench md5 PATH         GetFileMD5 of PATH
//   update_bench compare MANIFEST CompareManifest of MANIFEST against the
//                                 installation beside this program
// Output: "<what> seconds=<s> bytes=<n> ..." for scripts/bench.sh.
#include <winsock2.h>
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

#include "CDownLoad.h"
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
  bool OnDownLoadBegin(bool, uint32_t, LPCWSTR, LPCWSTR) override { return true; }
  bool done = false, failed = false;
  unsigned long long bytes = 0;
};

int Download(LPCWSTR url) {
  CountingSink sink;
  CDownLoad download;
  const double start = Now();
  if (!download.Start(url, &sink, 0)) return 1;
  MSG msg;
  while (!sink.done && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: update_bench download URL | md5 PATH | compare MANIFEST\n");
    return 2;
  }
  WSADATA data;
  if (WSAStartup(0x0101, &data) != 0) return 1;
  int rc = 2;
  if (wcscmp(argv[1], L"download") == 0) rc = Download(argv[2]);
  if (wcscmp(argv[1], L"md5") == 0) rc = Md5(argv[2]);
  if (wcscmp(argv[1], L"compare") == 0) rc = Compare(argv[2]);
  WSACleanup();
  return rc;
}
