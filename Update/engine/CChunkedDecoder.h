// CChunkedDecoder: takes apart a body sent with the chunked transfer coding
// (hexadecimal size line, that many bytes, CRLF; a zero size and the
// trailer end it), fed in whatever pieces the connection delivers. Plain
// C++, no Windows.
#pragma once

#include <stddef.h>
#include <stdint.h>

class CChunkedDecoder {
public:
  enum State {
    StateSize,       // hexadecimal digits of a size line
    StateSizeBlank,  // blanks after the digits
    StateExtension,  // ";..." up to the line end
    StateSizeLF,
    StateData,
    StateDataCR,
    StateDataLF,
    StateTrailer,     // start of a trailer line (or of the final empty line)
    StateTrailerLine,
    StateTrailerLF,
    StateDone,
    StateInvalid
  };
  // Longest size line and longest trailer taken.
  static const size_t kMaxSizeLine = 4096;
  static const size_t kMaxTrailer = 16384;

  void Reset() { *this = CChunkedDecoder(); }

  // Reads from in[0, length) up to and including the next run of body bytes
  // and returns how many bytes it used; data and dataLength give the run
  // (inside in; length 0 when there was none). Call again with the rest.
  // Nothing is used once the body is done or found invalid.
  size_t Next(const uint8_t* in, size_t length, const uint8_t*& data, size_t& dataLength);

  State GetState() const { return m_eState; }
  bool IsDone() const { return m_eState == StateDone; }
  bool IsInvalid() const { return m_eState == StateInvalid; }

private:
  bool TakeSizeByte(uint8_t c);
  bool TakeFramingByte(uint8_t c);

  State m_eState = StateSize;
  uint64_t m_nRemaining = 0;  // body bytes left in the current chunk
  size_t m_nDigits = 0;
  size_t m_nLineBytes = 0;    // bytes of the current size line or of the trailer
};
