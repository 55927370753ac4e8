#include "CHttpResponseHead.h"

#include <string.h>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const char* text, size_t length, const char* name) {
  const size_t n = strlen(name);
  if (length != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (Lower(text[i]) != name[i]) return false;
  return true;
}

void Trim(const char*& text, size_t& length) {
  while (length > 0 && IsBlank(text[0])) {
    ++text;
    --length;
  }
  while (length > 0 && IsBlank(text[length - 1])) --length;
}

// The last comma-separated item of a list value, blanks trimmed.
void LastItem(const char*& text, size_t& length) {
  for (size_t i = length; i > 0; --i) {
    if (text[i - 1] == ',') {
      text += i;
      length -= i;
      break;
    }
  }
  Trim(text, length);
}

}  // namespace

size_t CHttpResponseHead::FindEnd(const uint8_t* data, size_t length) {
  if (!data) return 0;
  for (size_t i = 0; i + 4 <= length; ++i)
    if (data[i] == '\r' && data[i + 1] == '\n' && data[i + 2] == '\r' && data[i + 3] == '\n') return i + 4;
  return 0;
}

uint32_t CHttpResponseHead::ParseStatus(const uint8_t* header, size_t length) {
  if (!header) return 0;
  const uint8_t* space = static_cast<const uint8_t*>(memchr(header, ' ', length));
  if (!space) return 0;
  const uint8_t* p = space;
  const uint8_t* stop = header + length;
  if (stop - p > 15) stop = p + 15;
  while (p < stop && (*p == ' ' || *p == '\t')) ++p;
  uint32_t status = 0;
  for (; p < stop && *p >= '0' && *p <= '9'; ++p) {
    if (status > 100000000u) return 0;
    status = status * 10 + static_cast<uint32_t>(*p - '0');
  }
  return status;
}

bool CHttpResponseHead::ParseDecimal(const char* text, size_t length, uint64_t& value) {
  if (!text || length == 0 || length > 19) return false;
  uint64_t n = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    n = n * 10 + static_cast<uint64_t>(text[i] - '0');
  }
  // 19 digits fit 64 bits unsigned; keep to the signed range as well.
  if (n > 0x7FFFFFFFFFFFFFFFull) return false;
  value = n;
  return true;
}

void CHttpResponseHead::Clear() { *this = CHttpResponseHead(); }

void CHttpResponseHead::Parse(const uint8_t* header, size_t length) {
  Clear();
  if (!header) return;
  const char* text = reinterpret_cast<const char*>(header);
  size_t pos = 0;
  bool statusLine = true;
  while (pos < length) {
    size_t end = pos;
    while (end < length && text[end] != '\n') ++end;
    size_t lineLength = end - pos;
    if (lineLength > 0 && text[pos + lineLength - 1] == '\r') --lineLength;
    const char* line = text + pos;
    pos = end + 1;
    if (statusLine) {
      statusLine = false;
      continue;
    }
    const char* colon = static_cast<const char*>(memchr(line, ':', lineLength));
    // A field name has no blanks before its colon.
    if (!colon || colon == line || IsBlank(colon[-1])) continue;
    const size_t nameLength = static_cast<size_t>(colon - line);
    const char* value = colon + 1;
    size_t valueLength = lineLength - nameLength - 1;
    Trim(value, valueLength);
    ParseField(line, nameLength, value, valueLength);
  }
  if (m_bContentLengthBad) {
    m_bContentLength = false;
    m_nContentLength = 0;
  }
}

void CHttpResponseHead::ParseField(const char* name, size_t nameLength, const char* value, size_t valueLength) {
  if (SameName(name, nameLength, "content-length")) {
    uint64_t n = 0;
    // Unparsable, or repeated with another value: the length is not known.
    if (!ParseDecimal(value, valueLength, n) || (m_bContentLength && n != m_nContentLength)) {
      m_bContentLengthBad = true;
      return;
    }
    m_bContentLength = true;
    m_nContentLength = n;
  } else if (SameName(name, nameLength, "transfer-encoding")) {
    LastItem(value, valueLength);
    m_bChunked = SameName(value, valueLength, "chunked");
  } else if (SameName(name, nameLength, "content-range")) {
    m_bContentRange = ParseContentRange(value, valueLength);
  } else if (SameName(name, nameLength, "location")) {
    if (!m_pLocation) {
      m_pLocation = value;
      m_nLocationLength = valueLength;
    }
  } else if (SameName(name, nameLength, "etag")) {
    if (valueLength > 1 && value[0] == '"') {
      m_pETag = value + 1;
      m_nETagLength = valueLength - 2;
    }
  }
}

bool CHttpResponseHead::ParseContentRange(const char* value, size_t length) {
  // bytes first-last/total
  if (length < 6 || !SameName(value, 5, "bytes") || !IsBlank(value[5])) return false;
  const char* p = value + 6;
  const char* stop = value + length;
  while (p < stop && IsBlank(*p)) ++p;
  const char* dash = static_cast<const char*>(memchr(p, '-', static_cast<size_t>(stop - p)));
  if (!dash) return false;
  const char* slash = static_cast<const char*>(memchr(dash, '/', static_cast<size_t>(stop - dash)));
  if (!slash) return false;
  uint64_t first = 0, last = 0, total = 0;
  if (!ParseDecimal(p, static_cast<size_t>(dash - p), first) ||
      !ParseDecimal(dash + 1, static_cast<size_t>(slash - dash - 1), last) || last < first)
    return false;
  const size_t totalLength = static_cast<size_t>(stop - slash - 1);
  if (!(totalLength == 1 && slash[1] == '*') &&
      (!ParseDecimal(slash + 1, totalLength, total) || last >= total))
    return false;
  m_nRangeFirst = first;
  m_nRangeLast = last;
  return true;
}
