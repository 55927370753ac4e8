// CString and the geometry values: formatting limits, searching and editing at
// the edges, buffer hand-over, ANSI conversion.
#include <gtest/gtest.h>

#include <cstring>

#include "CConvert.h"
#include "CRect.h"
#include "CString.h"

namespace {

TEST(CStringFormat, WideStringsAndNumbersUseTheRuntimeConventions) {
  CString s;
  s.Format(L"%s\\Update\\%s.VQD", L"C:\\game", L"list");
  EXPECT_STREQ(s, L"C:\\game\\Update\\list.VQD");
  s.Format(L"FileIndex%d", 12);
  EXPECT_STREQ(s, L"FileIndex12");
  s.AppendFormat(L"|%02x|%c", 10, L'z');
  EXPECT_STREQ(s, L"FileIndex12|0a|z");
}

TEST(CStringFormat, LongResultsAreNotCut) {
  CString big(L'x', 5000);
  CString s;
  s.Format(L"<%s>", big.GetString());
  EXPECT_EQ(s.GetLength(), 5002);
  EXPECT_EQ(s[0], L'<');
  EXPECT_EQ(s[5001], L'>');
}

TEST(CStringFormat, FixedBuffersAreCutAndTerminated) {
  wchar_t buf[8];
  for (wchar_t& c : buf) c = L'#';
  int n = AfxFormatBuffer(buf, 8, L"%s\\%s", L"abcdef", L"ghij");
  EXPECT_EQ(n, 7);
  EXPECT_STREQ(buf, L"abcdef\\");

  n = AfxFormatBuffer(buf, 8, L"%d", 1234567);
  EXPECT_EQ(n, 7);
  EXPECT_STREQ(buf, L"1234567");

  n = AfxFormatBuffer(buf, 1, L"%s", L"abc");
  EXPECT_EQ(n, 0);
  EXPECT_EQ(buf[0], L'\0');
  EXPECT_EQ(AfxFormatBuffer(nullptr, 8, L"x"), 0);
}

TEST(CStringFormat, A260CharacterPathBufferKeeps259Characters) {
  wchar_t path[260];
  CString dir(L'd', 300);
  AfxFormatBuffer(path, 260, L"%s\\DownLoad", dir.GetString());
  EXPECT_EQ(wcslen(path), 259u);
}

TEST(CStringSearch, FindsAndCutsWithinBounds) {
  CString url(L"/dir/sub/Update.ini?x=123");
  EXPECT_EQ(url.ReverseFind(L'?'), 19);
  EXPECT_EQ(url.ReverseFind(L'#'), -1);
  CString path = url.Left(url.ReverseFind(L'?'));
  EXPECT_STREQ(path.Mid(path.ReverseFind(L'/') + 1), L"Update.ini");
  EXPECT_EQ(url.Find(L"sub"), 5);
  EXPECT_EQ(url.Find(L'/', 1), 4);
  EXPECT_EQ(url.Find(L'/', 100), -1);
  EXPECT_EQ(url.Find(L'/', -3), -1);
  EXPECT_STREQ(url.Mid(100), L"");
  EXPECT_STREQ(url.Mid(-2, 4), L"/dir");
  EXPECT_STREQ(url.Left(-1), L"");
  EXPECT_STREQ(url.Right(3), L"123");
  EXPECT_STREQ(url.Right(99), url);
  EXPECT_EQ(url.FindOneOf(L"?="), 19);
}

TEST(CStringSearch, SplitsAtTheFirstSeparatorOnly) {
  CString cmd(L"C:\\g\\game.exe|http://h/a|b");
  int bar = cmd.Find(L'|');
  EXPECT_STREQ(cmd.Left(bar), L"C:\\g\\game.exe");
  EXPECT_STREQ(cmd.Mid(bar + 1), L"http://h/a|b");
}

TEST(CStringSearch, TokenizeSkipsEmptyFieldsAndEnds) {
  CString s(L",a,,bc,");
  int pos = 0;
  EXPECT_STREQ(s.Tokenize(L",", pos), L"a");
  EXPECT_STREQ(s.Tokenize(L",", pos), L"bc");
  EXPECT_STREQ(s.Tokenize(L",", pos), L"");
  EXPECT_EQ(pos, -1);
}

TEST(CStringEdit, ReplaceRemoveInsertDeleteTrim) {
  CString s(L"data/img/a.png");
  EXPECT_EQ(s.Replace(L'/', L'\\'), 2);
  EXPECT_STREQ(s, L"data\\img\\a.png");
  EXPECT_EQ(s.Replace(L"\\", L"\\\\"), 2);
  EXPECT_STREQ(s, L"data\\\\img\\\\a.png");
  EXPECT_EQ(s.Replace(L"", L"x"), 0);

  CString t(L"aXbXc");
  EXPECT_EQ(t.Remove(L'X'), 2);
  t.Insert(1, L"--");
  t.Insert(99, L'!');
  EXPECT_STREQ(t, L"a--bc!");
  t.Delete(1, 2);
  t.Delete(50, 3);
  EXPECT_STREQ(t, L"abc!");

  CString w(L" \t text \r\n");
  EXPECT_STREQ(w.Trim(), L"text");
  CString z(L"xxhixx");
  EXPECT_STREQ(z.Trim(L"x"), L"hi");
  CString u(L"MiXeD");
  EXPECT_STREQ(u.MakeUpper(), L"MIXED");
  EXPECT_EQ(u.CompareNoCase(L"mixed"), 0);
  EXPECT_NE(u.Compare(L"mixed"), 0);
}

TEST(CStringBuffer, ReleaseBufferTakesTheWrittenLength) {
  CString s(L"abc");
  wchar_t* p = s.GetBuffer(10);
  wcscpy(p, L"0123456");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 7);
  p = s.GetBuffer();
  p[2] = L'\0';
  s.ReleaseBuffer();
  EXPECT_STREQ(s, L"01");
  s.GetBufferSetLength(5);
  s.ReleaseBuffer(3);
  EXPECT_EQ(s.GetLength(), 3);
}

TEST(CStringConvert, AnsiRoundTripThroughTheCodePage) {
  const wchar_t* text = L"Update \x6B63\x5728";  // two CJK characters
  CW2A ansi(text);
  CString back(static_cast<const char*>(ansi));
  if (GetACP() == 936) {
    EXPECT_EQ(strlen(ansi), 11u);
    EXPECT_STREQ(back, text);
  }
  CW2A utf8(text, CP_UTF8);
  EXPECT_STREQ(CA2W(utf8, CP_UTF8), text);
  EXPECT_STREQ(CA2W(nullptr), L"");
  EXPECT_STREQ(CString(static_cast<const char*>(nullptr)), L"");
}

TEST(CStringConvert, LengthsAndBoundedCopies) {
  // Part of a text: the given units or bytes only, no terminator needed.
  EXPECT_STREQ(CW2A(L"abcdef", CP_ACP, 3), "abc");
  EXPECT_STREQ(CA2W("abcdef", CP_ACP, 4), L"abcd");
  EXPECT_STREQ(CA2W("abc", CP_ACP, 0), L"");

  // Whole texts with their terminators, or nothing.
  char narrow[8];
  memset(narrow, 'Z', sizeof(narrow));
  CW2A seven(L"1234567");
  EXPECT_TRUE(seven.CopyTo(narrow, 8));
  EXPECT_STREQ(narrow, "1234567");
  memset(narrow, 'Z', sizeof(narrow));
  EXPECT_FALSE(seven.CopyTo(narrow, 7));
  EXPECT_STREQ(narrow, "");
  EXPECT_EQ(narrow[1], 'Z');
  EXPECT_FALSE(seven.CopyTo(nullptr, 8));
  EXPECT_FALSE(seven.CopyTo(narrow, 0));

  wchar_t wide[4];
  EXPECT_TRUE(CA2W("abc").CopyTo(wide, 4));
  EXPECT_STREQ(wide, L"abc");
  EXPECT_FALSE(CA2W("abcd").CopyTo(wide, 4));
  EXPECT_STREQ(wide, L"");
  // A code-page-936 character is two bytes: it fits whole or not at all.
  if (GetACP() == 936) {
    CW2A two(L"a\x6B63");
    EXPECT_EQ(two.GetLength(), 3);
    EXPECT_FALSE(two.CopyTo(narrow, 3));
    EXPECT_TRUE(two.CopyTo(narrow, 4));
  }
}

TEST(CStringOps, ConcatenationAndComparison) {
  CString a(L"ab");
  CString b = a + L"cd" + L'e';
  EXPECT_STREQ(b, L"abcde");
  EXPECT_TRUE(b == L"abcde");
  EXPECT_TRUE(L"abcde" == b);
  EXPECT_TRUE(a < b);
  CString n(static_cast<LPCWSTR>(nullptr));
  EXPECT_TRUE(n.IsEmpty());
  n += static_cast<LPCWSTR>(nullptr);
  EXPECT_TRUE(n.IsEmpty());
}

TEST(CRectValues, GeometryAtTheEdges) {
  CRect r(10, 20, 110, 70);
  EXPECT_EQ(r.Width(), 100);
  EXPECT_EQ(r.Height(), 50);
  EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
  EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));  // right edge excluded
  r.DeflateRect(5, 5, 10, 10);
  EXPECT_EQ(r, CRect(15, 25, 100, 60));
  r.MoveToXY(0, 0);
  EXPECT_EQ(r, CRect(0, 0, 85, 35));
  CRect inter = r & CRect(80, 30, 200, 200);
  EXPECT_EQ(inter, CRect(80, 30, 85, 35));
  CRect none = r & CRect(200, 200, 300, 300);
  EXPECT_TRUE(none.IsRectEmpty());
  CRect flipped(50, 40, 10, 5);
  flipped.NormalizeRect();
  EXPECT_EQ(flipped, CRect(10, 5, 50, 40));
  r.TopLeft() += CPoint(1, 1);
  EXPECT_EQ(r.left, 1);
  CPoint packed(MAKELPARAM(static_cast<WORD>(-5), 7));
  EXPECT_EQ(packed.x, -5);
  EXPECT_EQ(packed.y, 7);
}

}  // namespace
