// The plain parsing pieces of the downloader: where a header ends, its
// status, its fields, and chunked bodies fed in any pieces.
#include <gtest/gtest.h>

#include <string>

#include "CChunkedDecoder.h"
#include "CHttpResponseHead.h"

namespace {

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

CHttpResponseHead Head(const std::string& fields) {
  static std::string text;  // the parsed pointers point into it
  text = "HTTP/1.1 200 OK\r\n" + fields + "\r\n";
  CHttpResponseHead head;
  head.Parse(Bytes(text), text.size());
  return head;
}

TEST(HttpResponseHeadTest, EndOfHeaderAndStatus) {
  const std::string header = "HTTP/1.1 206 Partial Content\r\nA: b\r\n\r\nbody";
  EXPECT_EQ(header.size() - 4, CHttpResponseHead::FindEnd(Bytes(header), header.size()));
  EXPECT_EQ(0u, CHttpResponseHead::FindEnd(Bytes(header), header.size() - 5));
  EXPECT_EQ(206u, CHttpResponseHead::ParseStatus(Bytes(header), header.size()));
  for (const char* line : {"HTTP/1.1 200\r\n\r\n", "HTTP/1.0  404 x\r\n\r\n"}) {
    const std::string s = line;
    EXPECT_NE(0u, CHttpResponseHead::ParseStatus(Bytes(s), s.size())) << line;
  }
  for (const char* line : {"HTTP/1.1\r\n\r\n", "HTTP/1.1 abc\r\n\r\n", "HTTP/1.1 99999999999999\r\n\r\n"}) {
    const std::string s = line;
    EXPECT_EQ(0u, CHttpResponseHead::ParseStatus(Bytes(s), s.size())) << line;
  }
}

TEST(HttpResponseHeadTest, ContentLengthInAnySpellingAndAbsentWhenUnparsable) {
  for (const char* field : {"Content-Length: 7340\r\n", "content-length:7340\r\n", "CONTENT-LENGTH: \t7340 \r\n",
                            "Content-Length: 7340\r\nContent-Length: 7340\r\n"}) {
    const CHttpResponseHead head = Head(field);
    EXPECT_TRUE(head.HasContentLength()) << field;
    EXPECT_EQ(7340u, head.GetContentLength()) << field;
  }
  EXPECT_EQ(5000000000ull, Head("Content-Length: 5000000000\r\n").GetContentLength());
  for (const char* field : {"Content-Length: 12abc\r\n", "Content-Length: -5\r\n", "Content-Length:\r\n",
                            "Content-Length: 1 2\r\n", "Content-Length: 99999999999999999999\r\n",
                            "Content-Length: 10\r\nContent-Length: 11\r\n", "Content-Length : 5\r\n", ""}) {
    const CHttpResponseHead head = Head(field);
    EXPECT_FALSE(head.HasContentLength()) << field;
    EXPECT_EQ(0u, head.GetContentLength()) << field;
  }
}

TEST(HttpResponseHeadTest, ChunkedIsTheLastTransferCoding) {
  EXPECT_TRUE(Head("Transfer-Encoding: chunked\r\n").IsChunked());
  EXPECT_TRUE(Head("transfer-encoding: gzip, Chunked\r\nContent-Length: 3\r\n").IsChunked());
  EXPECT_FALSE(Head("Transfer-Encoding: chunked, gzip\r\n").IsChunked());
  EXPECT_FALSE(Head("X-Transfer-Encoding: chunked\r\n").IsChunked());
}

TEST(HttpResponseHeadTest, ContentRangeFirstAndLastByte) {
  CHttpResponseHead head = Head("Content-Range: bytes 100-199/200\r\n");
  ASSERT_TRUE(head.HasContentRange());
  EXPECT_EQ(100u, head.GetRangeFirst());
  EXPECT_EQ(199u, head.GetRangeLast());
  head = Head("content-range: bytes 5000000000-5000000009/*\r\n");
  ASSERT_TRUE(head.HasContentRange());
  EXPECT_EQ(5000000000ull, head.GetRangeFirst());
  for (const char* field : {"Content-Range: bytes 5-3/10\r\n", "Content-Range: bytes 0-10/10\r\n",
                            "Content-Range: items 0-1/2\r\n", "Content-Range: bytes */100\r\n",
                            "Content-Range: bytes 1-2\r\n", "Content-Range: bytes x-2/3\r\n"})
    EXPECT_FALSE(Head(field).HasContentRange()) << field;
}

TEST(HttpResponseHeadTest, LocationAndETag) {
  const CHttpResponseHead head = Head("location:  /new/path \r\nETag: \"abc-1\"\r\n");
  size_t length = 0;
  const char* location = head.GetLocation(length);
  EXPECT_EQ("/new/path", std::string(location, length));
  const char* etag = head.GetETag(length);
  EXPECT_EQ("abc-1", std::string(etag, length));
  EXPECT_EQ(nullptr, Head("Server: x\r\n").GetLocation(length));
}

// Decodes body fed in pieces of the given size; "!" when found invalid.
std::string Decode(const std::string& body, size_t piece, size_t* leftOver = nullptr) {
  CChunkedDecoder decoder;
  std::string out;
  size_t pos = 0;
  while (pos < body.size() && !decoder.IsDone() && !decoder.IsInvalid()) {
    const size_t end = pos + piece < body.size() ? pos + piece : body.size();
    const uint8_t* in = Bytes(body) + pos;
    size_t rest = end - pos;
    while (rest > 0 && !decoder.IsDone() && !decoder.IsInvalid()) {
      const uint8_t* run = nullptr;
      size_t runLength = 0;
      const size_t used = decoder.Next(in, rest, run, runLength);
      if (used == 0) break;
      out.append(reinterpret_cast<const char*>(run), runLength);
      in += used;
      rest -= used;
      pos += used;
    }
    if (rest > 0) break;
  }
  if (leftOver) *leftOver = body.size() - pos;
  if (decoder.IsInvalid()) return "!";
  return decoder.IsDone() ? out : out + "+";
}

TEST(ChunkedDecoderTest, BodiesInAnyPiecesWithExtensionsAndTrailers) {
  const std::string body =
      "5\r\nhello\r\n1A;name=value\r\nabcdefghijklmnopqrstuvwxyz\r\n0\r\nExpires: never\r\n\r\n";
  for (size_t piece : {body.size(), size_t(1), size_t(2), size_t(7)})
    EXPECT_EQ("helloabcdefghijklmnopqrstuvwxyz", Decode(body, piece)) << piece;
  size_t left = 0;
  EXPECT_EQ("", Decode("0\r\n\r\nHTTP/1.1 200 OK", 4, &left));
  EXPECT_EQ(15u, left);
  EXPECT_EQ("ab", Decode("2 \t\nab\n0\n\n", 3));
  EXPECT_EQ("ab+", Decode("2\r\nab\r\n", 100));
}

TEST(ChunkedDecoderTest, MalformedFramingIsInvalid) {
  for (const char* body : {"\r\n", "g\r\n", "5x\r\n", "2\r\nabX\r\n", "2\r\nab\rX", "2\r\r", "0\r\n\rX",
                           "100000000000000\r\n"})
    EXPECT_EQ("!", Decode(body, 3)) << body;
  EXPECT_EQ("!", Decode("1;" + std::string(5000, 'e') + "\r\n", 64));
  EXPECT_EQ("!", Decode("0\r\nX: " + std::string(20000, 't') + "\r\n\r\n", 512));
}

}  // namespace
