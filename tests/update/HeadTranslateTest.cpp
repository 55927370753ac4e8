// CHeadTranslate: the header as the downloader keeps it, its ETag as wide
// text.
#include "CHeadTranslate.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void Translate(CHeadTranslate& t, const std::string& header) {
  t.Translate(reinterpret_cast<const BYTE*>(header.data()), static_cast<uint16_t>(header.size()));
}

TEST(HeadTranslateTest, ContentLengthAndETagInTheirExactForm) {
  CHeadTranslate t;
  const std::string header = "HTTP/1.1 200 OK\r\nServer: x\r\nETag: \"5f3a-1c\"\r\nContent-Length: 7340\r\n\r\n";
  Translate(t, header);
  EXPECT_TRUE(t.HasContentLength());
  EXPECT_EQ(7340u, t.GetContentLength());
  EXPECT_STREQ(L"5f3a-1c", t.GetETag());
  EXPECT_EQ(header.size(), t.GetHeaderLength());
}

TEST(HeadTranslateTest, AnySpellingOfTheNamesIsRecognised) {
  CHeadTranslate t;
  Translate(t, "HTTP/1.1 200 OK\r\ncontent-length: 12\r\netag: \"a\"\r\n\r\n");
  EXPECT_TRUE(t.HasContentLength());
  EXPECT_EQ(12u, t.GetContentLength());
  EXPECT_STREQ(L"a", t.GetETag());
}

TEST(HeadTranslateTest, ETagIsCutAt31BytesAndClearResets) {
  CHeadTranslate t;
  Translate(t, "HTTP/1.1 200 OK\r\nETag: \"" + std::string(40, 'e') + "\"\r\nContent-Length: 0\r\n\r\n");
  EXPECT_EQ(31u, wcslen(t.GetETag()));
  EXPECT_TRUE(t.HasContentLength());
  t.Clear();
  EXPECT_FALSE(t.HasContentLength());
  EXPECT_STREQ(L"", t.GetETag());
  EXPECT_EQ(nullptr, t.GetHeader());
}

}  // namespace
