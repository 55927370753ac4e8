// CHttpResponseHead: what the downloader reads out of an HTTP response
// header — where the header ends, the status, the body's framing
// (Content-Length, chunked transfer coding), Content-Range, Location and the
// ETag. Plain C++ over bytes: the socket and the downloader call it, and it
// builds anywhere.
//
// Header names match without regard to case and with optional blanks around
// the value, as HTTP/1.1 has them. A value that does not parse counts as
// absent.
#pragma once

#include <stddef.h>
#include <stdint.h>

class CHttpResponseHead {
public:
  // The longest header taken; a longer one fails the response.
  static const size_t kMaxHeader = 16384;

  // Length of the header (up to and including the empty line that ends it)
  // within data[0, length), or 0 while that line has not arrived.
  static size_t FindEnd(const uint8_t* data, size_t length);

  // The status: the number after the first space of the header (at most 15
  // characters are looked at, leading blanks skipped); 0 when there is no
  // space or no digit.
  static uint32_t ParseStatus(const uint8_t* header, size_t length);

  // Decimal digits, nothing else; false when empty, not a number or beyond
  // 2^63 - 1.
  static bool ParseDecimal(const char* text, size_t length, uint64_t& value);

  // Reads the fields below from a whole header (status line included).
  void Parse(const uint8_t* header, size_t length);
  void Clear();

  bool HasContentLength() const { return m_bContentLength; }
  uint64_t GetContentLength() const { return m_nContentLength; }
  // The body is sent in chunks (the last transfer coding is "chunked").
  bool IsChunked() const { return m_bChunked; }
  // "Content-Range: bytes first-last/total" ("*" for an unknown total).
  bool HasContentRange() const { return m_bContentRange; }
  uint64_t GetRangeFirst() const { return m_nRangeFirst; }
  uint64_t GetRangeLast() const { return m_nRangeLast; }
  // Pointers into the parsed header: valid while its bytes are.
  const char* GetLocation(size_t& length) const {
    length = m_nLocationLength;
    return m_pLocation;
  }
  // The ETag between its quotes (the closing quote left out).
  const char* GetETag(size_t& length) const {
    length = m_nETagLength;
    return m_pETag;
  }

private:
  void ParseField(const char* name, size_t nameLength, const char* value, size_t valueLength);
  bool ParseContentRange(const char* value, size_t length);

  bool m_bContentLength = false;
  bool m_bContentLengthBad = false;
  uint64_t m_nContentLength = 0;
  bool m_bChunked = false;
  bool m_bContentRange = false;
  uint64_t m_nRangeFirst = 0;
  uint64_t m_nRangeLast = 0;
  const char* m_pLocation = nullptr;
  size_t m_nLocationLength = 0;
  const char* m_pETag = nullptr;
  size_t m_nETagLength = 0;
};
