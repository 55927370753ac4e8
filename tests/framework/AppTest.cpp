// The framework's application object in a real GUI program: the sample
// program is started as its own process and reports through its exit code.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "CWinApp.h"

namespace {

std::wstring SamplePath() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, n);
  return p.substr(0, p.rfind(L'\\') + 1) + L"framework_sample_app.exe";
}

// Runs the sample with the given arguments; its exit code, or -100 when it
// could not be started or did not end in time.
long RunSample(const std::wstring& args) {
  std::wstring cmd = L"\"" + SamplePath() + L"\"" + (args.empty() ? L"" : L" " + args);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -100;
  DWORD wait = WaitForSingleObject(pi.hProcess, 30000);
  DWORD code = static_cast<DWORD>(-100);
  if (wait == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  else TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<long>(code);
}

TEST(SampleProgram, CreatesItsMainWindowRunsTheLoopAndEnds) {
  EXPECT_EQ(RunSample(L"\"two words\" x"), 100 + 13);
  EXPECT_EQ(RunSample(L""), 100);
}

TEST(SampleProgram, ARefusedStartEndsThroughExitInstance) { EXPECT_EQ(RunSample(L"fail"), 3); }

TEST(SampleProgram, AFrameworkExceptionEndsTheProgramWithAFailureCode) { EXPECT_EQ(RunSample(L"throw"), -1); }

TEST(CommandLine, TheProgramNameIsSkippedAsTheRuntimeDoes) {
  EXPECT_STREQ(AfxSkipProgramName(L"\"C:\\Program Files\\u.exe\" a|b"), L"a|b");
  EXPECT_STREQ(AfxSkipProgramName(L"u.exe   C:\\g.exe|http://h/x"), L"C:\\g.exe|http://h/x");
  EXPECT_STREQ(AfxSkipProgramName(L"C:\\a\" b\"\\u.exe x"), L"x");
  EXPECT_STREQ(AfxSkipProgramName(L"u.exe"), L"");
  EXPECT_STREQ(AfxSkipProgramName(L"\"u.exe\""), L"");
  EXPECT_STREQ(AfxSkipProgramName(nullptr), L"");
}

}  // namespace
