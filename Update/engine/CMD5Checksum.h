// CMD5Checksum: the MD5 digest (RFC 1321) of a file, as 32 lower-case
// hexadecimal digits.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include "CString.h"

class CMD5Checksum {
public:
  CMD5Checksum();
  virtual ~CMD5Checksum() = default;

  // Empty text when the file cannot be opened or read.
  CString GetFileMD5(LPCWSTR path);

  // The digest of a byte run, same rendering (used for data already in memory).
  CString GetDataMD5(const BYTE* data, size_t length);

  // A digest built as the bytes come: Init, then Update and AddFile in
  // order, then Finish (its text, same rendering).
  void Init();
  void Update(const BYTE* data, size_t length);
  // Feeds the whole file in; false (the digest then of no use) when it
  // cannot be opened or read.
  bool AddFile(LPCWSTR path);
  CString Finish();

protected:
  void Final(BYTE digest[16]);
  static CString Render(const BYTE digest[16]);

private:
  void Transform(const BYTE block[64]);

  uint32_t m_nCount[2];   // message length in bits, low half first
  BYTE m_lpszBuffer[64];  // the block being filled
  uint32_t m_lMD5[4];     // chaining words
};
