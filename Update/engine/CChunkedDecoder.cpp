#include "CChunkedDecoder.h"

namespace {

int HexValue(uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Chunks beyond this size are not believed (the sizes of files we fetch are
// far below it, and it keeps the arithmetic clear of overflow).
const uint64_t kMaxChunk = 1ull << 56;

}  // namespace

size_t CChunkedDecoder::Next(const uint8_t* in, size_t length, const uint8_t*& data, size_t& dataLength) {
  data = nullptr;
  dataLength = 0;
  if (!in) return 0;
  size_t used = 0;
  while (used < length && m_eState != StateDone && m_eState != StateInvalid) {
    if (m_eState == StateData) {
      const size_t left = length - used;
      const size_t take = m_nRemaining < left ? static_cast<size_t>(m_nRemaining) : left;
      data = in + used;
      dataLength = take;
      m_nRemaining -= take;
      if (m_nRemaining == 0) m_eState = StateDataCR;
      return used + take;
    }
    if (!TakeFramingByte(in[used])) m_eState = StateInvalid;
    ++used;
  }
  return used;
}

bool CChunkedDecoder::TakeSizeByte(uint8_t c) {
  if (++m_nLineBytes > kMaxSizeLine) return false;
  const int digit = HexValue(c);
  switch (m_eState) {
    case StateSize:
      if (digit >= 0) {
        if (m_nRemaining >= kMaxChunk / 16) return false;
        m_nRemaining = m_nRemaining * 16 + static_cast<uint64_t>(digit);
        ++m_nDigits;
        return true;
      }
      if (m_nDigits == 0) return false;
      break;
    case StateSizeBlank:
      break;
    default:  // StateExtension
      if (c == '\r') {
        m_eState = StateSizeLF;
      } else if (c == '\n') {
        m_eState = m_nRemaining ? StateData : StateTrailer;
        m_nLineBytes = 0;
      }
      return true;
  }
  // After the digits: blanks, an extension or the end of the line.
  if (c == ' ' || c == '\t') {
    m_eState = StateSizeBlank;
  } else if (c == ';') {
    m_eState = StateExtension;
  } else if (c == '\r') {
    m_eState = StateSizeLF;
  } else if (c == '\n') {
    m_eState = m_nRemaining ? StateData : StateTrailer;
    m_nLineBytes = 0;
  } else {
    return false;
  }
  return true;
}

bool CChunkedDecoder::TakeFramingByte(uint8_t c) {
  switch (m_eState) {
    case StateSize:
    case StateSizeBlank:
    case StateExtension:
      return TakeSizeByte(c);
    case StateSizeLF:
      if (c != '\n') return false;
      m_eState = m_nRemaining ? StateData : StateTrailer;
      m_nLineBytes = 0;
      return true;
    case StateDataCR:
      // CRLF after the chunk's bytes (a bare LF is taken too).
      if (c == '\n') {
        m_eState = StateSize;
        m_nDigits = 0;
        m_nLineBytes = 0;
        return true;
      }
      if (c != '\r') return false;
      m_eState = StateDataLF;
      return true;
    case StateDataLF:
      if (c != '\n') return false;
      m_eState = StateSize;
      m_nDigits = 0;
      m_nLineBytes = 0;
      return true;
    case StateTrailer:
    case StateTrailerLine:
    case StateTrailerLF:
      if (++m_nLineBytes > kMaxTrailer) return false;
      if (c == '\n') {
        // An empty line ends the body; any other line is a trailer field.
        m_eState = m_eState == StateTrailerLine ? StateTrailer : StateDone;
        return true;
      }
      if (c == '\r') {
        if (m_eState == StateTrailer) m_eState = StateTrailerLF;
        return true;
      }
      if (m_eState == StateTrailerLF) return false;
      m_eState = StateTrailerLine;
      return true;
    default:
      return false;
  }
}
