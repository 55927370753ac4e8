// CFile: open modes and sharing against a second opener, positioning for
// resumed writes, and failures raised as CFileException.
#include <gtest/gtest.h>

#include <string>

#include "CFile.h"
#include "TempFolder.h"

namespace {

using testwin::TempFolder;

// Runs f and returns the cause of the CFileException it throws (-1 if none).
template <class F>
int CauseOf(F f) {
  try {
    f();
  } catch (CFileException* e) {
    int cause = e->m_cause;
    e->Delete();
    return cause;
  }
  return -1;
}

TEST(CFileOpen, CreateTruncatesAndNoTruncateKeeps) {
  TempFolder tmp;
  std::wstring path = tmp.Write(L"a.bin", "0123456789");
  {
    CFile f;
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeWrite | CFile::modeCreate | CFile::modeNoTruncate));
    EXPECT_EQ(f.GetLength(), 10u);
    EXPECT_EQ(f.GetPosition(), 0u);
  }
  {
    CFile f;
    ASSERT_TRUE(f.Open(path.c_str(), CFile::modeWrite | CFile::modeCreate | CFile::typeBinary));
    EXPECT_EQ(f.GetLength(), 0u);
    f.Write("abc", 3);
  }
  EXPECT_EQ(TempFolder::Read(path), "abc");
  // modeCreate | modeNoTruncate makes a file that is missing.
  std::wstring fresh = tmp.File(L"fresh.bin");
  CFile f;
  ASSERT_TRUE(f.Open(fresh.c_str(), CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate));
  EXPECT_EQ(f.GetLength(), 0u);
}

TEST(CFileOpen, MissingFileFailsWithItsCause) {
  TempFolder tmp;
  std::wstring missing = tmp.File(L"none.bin");
  CFile f;
  CFileException e;
  EXPECT_FALSE(f.Open(missing.c_str(), CFile::modeRead, &e));
  EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(e.m_lOsError, static_cast<LONG>(ERROR_FILE_NOT_FOUND));
  EXPECT_STREQ(e.m_strFileName, missing.c_str());
  EXPECT_FALSE(f.IsOpen());
  EXPECT_FALSE(f.Open(L"", CFile::modeRead));
  // modeWrite without modeCreate does not make the file either.
  EXPECT_FALSE(f.Open(missing.c_str(), CFile::modeWrite | CFile::shareDenyNone, &e));
  EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);
  wchar_t text[128];
  EXPECT_TRUE(e.GetErrorMessage(text, 128));
  EXPECT_NE(wcsstr(text, L"none.bin"), nullptr);
}

TEST(CFileOpen, TheOpeningConstructorThrows) {
  TempFolder tmp;
  std::wstring missing = tmp.File(L"none.bin");
  EXPECT_EQ(CauseOf([&] { CFile f(missing.c_str(), CFile::modeRead); }), CFileException::fileNotFound);
  EXPECT_EQ(CauseOf([&] { CFile f(tmp.File(L"no\\such\\dir.bin").c_str(), CFile::modeWrite | CFile::modeCreate); }),
            CFileException::badPath);
  std::wstring present = tmp.Write(L"p.bin", "x");
  EXPECT_EQ(CauseOf([&] { CFile f(present.c_str(), CFile::modeRead); }), -1);
}

TEST(CFileOpen, OpeningAnOpenFileAgainFails) {
  TempFolder tmp;
  std::wstring a = tmp.Write(L"a.bin", "a");
  std::wstring b = tmp.Write(L"b.bin", "bb");
  CFile f;
  ASSERT_TRUE(f.Open(a.c_str(), CFile::modeRead));
  EXPECT_FALSE(f.Open(b.c_str(), CFile::modeRead));
  EXPECT_EQ(f.GetLength(), 1u);  // still the first file
  f.Close();
  EXPECT_TRUE(f.Open(b.c_str(), CFile::modeRead));
  EXPECT_EQ(f.GetLength(), 2u);
}

TEST(CFileShare, DenyModesAgainstASecondOpener) {
  TempFolder tmp;
  std::wstring path = tmp.Write(L"s.bin", "shared");
  {
    CFile reader(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
    CFile other;
    CFileException e;
    EXPECT_TRUE(other.Open(path.c_str(), CFile::modeRead | CFile::shareDenyWrite));
    other.Close();
    EXPECT_FALSE(other.Open(path.c_str(), CFile::modeWrite | CFile::shareDenyNone, &e));
    EXPECT_EQ(e.m_cause, CFileException::sharingViolation);
  }
  {
    // The checksum reader denies reading to others.
    CFile reader(path.c_str(), CFile::modeRead | CFile::shareDenyRead);
    CFile other;
    EXPECT_FALSE(other.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
  }
  {
    CFile writer(path.c_str(), CFile::modeWrite | CFile::shareDenyNone);
    CFile other;
    EXPECT_TRUE(other.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
  }
  {
    CFile exclusive(path.c_str(), CFile::modeRead | CFile::shareExclusive);
    CFile other;
    EXPECT_FALSE(other.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
  }
}

TEST(CFileData, ResumedWriteAppendsAtTheEnd) {
  TempFolder tmp;
  std::wstring path = tmp.Write(L"part.bin", std::string(1000, 'a'));
  CFile f;
  ASSERT_TRUE(f.Open(path.c_str(), CFile::modeWrite | CFile::shareDenyNone));
  ULONGLONG offset = f.SeekToEnd();
  EXPECT_EQ(offset, 1000u);
  f.Write("bbb", 3);
  EXPECT_EQ(f.GetLength(), 1003u);
  EXPECT_EQ(f.GetFilePath(), CString(path.c_str()));
  EXPECT_STREQ(f.GetFileName(), L"part.bin");
  f.Close();
  EXPECT_EQ(TempFolder::Read(path), std::string(1000, 'a') + "bbb");
}

TEST(CFileData, ReadsInChunksUntilZero) {
  TempFolder tmp;
  std::string content(2500, '\0');
  for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i * 7);
  std::wstring path = tmp.Write(L"r.bin", content);
  CFile f(path.c_str(), CFile::modeRead | CFile::shareDenyRead);
  std::string got;
  char buf[1024];
  UINT n;
  int chunks = 0;
  while ((n = f.Read(buf, sizeof(buf))) > 0) {
    got.append(buf, n);
    ++chunks;
  }
  EXPECT_EQ(chunks, 3);
  EXPECT_EQ(got, content);
  f.Seek(-10, CFile::end);
  EXPECT_EQ(f.Read(buf, 100), 10u);
  f.SeekToBegin();
  EXPECT_EQ(f.GetPosition(), 0u);
}

TEST(CFileData, FailuresOfReadWriteAndSeekThrow) {
  TempFolder tmp;
  std::wstring path = tmp.Write(L"w.bin", "content");
  char buf[8];
  EXPECT_EQ(CauseOf([&] {
              CFile f(path.c_str(), CFile::modeWrite);
              f.Read(buf, sizeof(buf));
            }),
            CFileException::accessDenied);
  EXPECT_EQ(CauseOf([&] {
              CFile f(path.c_str(), CFile::modeRead);
              f.Write("x", 1);
            }),
            CFileException::accessDenied);
  EXPECT_NE(CauseOf([&] {
              CFile f(path.c_str(), CFile::modeRead);
              f.Seek(-100, CFile::begin);
            }),
            -1);
  EXPECT_NE(CauseOf([] {
              CFile closed;
              char b[1];
              closed.Read(b, 1);
            }),
            -1);
}

TEST(CFileNames, RemoveAndRenameReportFailures) {
  TempFolder tmp;
  std::wstring a = tmp.Write(L"a.txt", "1");
  std::wstring b = tmp.File(L"b.txt");
  CFile::Rename(a.c_str(), b.c_str());
  EXPECT_EQ(TempFolder::Read(b), "1");
  CFile::Remove(b.c_str());
  EXPECT_EQ(CauseOf([&] { CFile::Remove(b.c_str()); }), CFileException::fileNotFound);
  EXPECT_EQ(CauseOf([&] { CFile::Rename(a.c_str(), b.c_str()); }), CFileException::fileNotFound);
}

TEST(CFileData, SetLengthCutsAndGrows) {
  TempFolder tmp;
  std::wstring path = tmp.Write(L"l.bin", "0123456789");
  CFile f(path.c_str(), CFile::modeReadWrite);
  f.SetLength(4);
  EXPECT_EQ(f.GetLength(), 4u);
  f.SetLength(6);
  EXPECT_EQ(f.GetLength(), 6u);
  f.Close();
  EXPECT_EQ(TempFolder::Read(path).substr(0, 4), "0123");
}

}  // namespace
