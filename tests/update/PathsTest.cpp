// The fixed paths and the rule for names that must stay inside the
// installation.
#include <gtest/gtest.h>

#include "UpdatePaths.h"

namespace {

TEST(PathsTest, ModuleDirectoryIsTheExecutablesFolder) {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring dir = exe;
  dir = dir.substr(0, dir.rfind(L'\\'));
  EXPECT_EQ(dir, GetModuleDirectory());
  wchar_t path[kUpdatePathSize];
  GetDownLoadFolder(path);
  EXPECT_EQ(dir + L"\\DownLoad", path);
  GetUpdateListPath(path);
  EXPECT_EQ(dir + L"\\Update\\Update.VQD", path);
  GetUpdateListReadPath(path);
  EXPECT_EQ(dir + L"/Update/Update.VQD", path);
}

TEST(PathsTest, SafeRelativeNames) {
  for (const wchar_t* ok : {L"a.dll", L"data/img/a.png", L"data\\b.bin", L"./a", L"x..y", L"CONFIG.ini", L"COM0"})
    EXPECT_TRUE(IsSafeRelativeName(ok)) << ok;
  for (const wchar_t* bad : {L"", L"..", L"../a", L"a/../../b", L"a/..", L"/abs", L"\\abs", L"C:a", L"C:\\x",
                             L"\\\\srv\\share\\x", L"//srv/x", L"nul", L"data/CON.txt", L"lpt1", L"a/com9.log",
                             L"a./b", L"a /b", L"a//b", L"a*b", L"a?b", L"a:stream"})
    EXPECT_FALSE(IsSafeRelativeName(bad)) << bad;
}

TEST(PathsTest, LastSegmentCutsTheQueryAndRefusesUnsafeNames) {
  wchar_t name[kUpdatePathSize];
  GetSafeLastSegment(L"/cfg/Server.ini?x=12", true, name);
  EXPECT_STREQ(L"Server.ini", name);
  GetSafeLastSegment(L"http://h/a/b.png", false, name);
  EXPECT_STREQ(L"b.png", name);
  GetSafeLastSegment(L"/a/..?x=1", true, name);
  EXPECT_STREQ(L"", name);
  GetSafeLastSegment(L"/a/", true, name);
  EXPECT_STREQ(L"", name);
  GetSafeLastSegment(L"/a/..\\..\\evil.dll", false, name);
  EXPECT_STREQ(L"evil.dll", name);
}

}  // namespace
