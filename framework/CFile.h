// CFile: a binary file over a Win32 file handle.
//
// Open() reports failure by returning FALSE (and filling the optional
// CFileException); the opening constructor, Read, Write, Seek, SetLength,
// Flush, Close, Remove and Rename throw CFileException* (the catcher deletes
// it). The destructor closes the handle without throwing.
#pragma once

#include <windows.h>

#include "CFileException.h"
#include "CString.h"

class CFile {
public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  static const HANDLE hFileNull;

  CFile();
  explicit CFile(HANDLE hFile);
  CFile(LPCWSTR lpszFileName, UINT nOpenFlags);
  virtual ~CFile();

  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  virtual BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
  virtual void Close();
  // Closes without throwing.
  virtual void Abort();

  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  void SeekToBegin() { Seek(0, begin); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual void Flush();

  CString GetFilePath() const { return m_strFileName; }
  // The name after the last "\" or "/".
  CString GetFileName() const;
  BOOL IsOpen() const { return m_hFile != hFileNull; }
  operator HANDLE() const { return m_hFile; }

  static void Remove(LPCWSTR lpszFileName);
  static void Rename(LPCWSTR lpszOldName, LPCWSTR lpszNewName);

  HANDLE m_hFile;

protected:
  [[noreturn]] void ThrowLastError() const;

  CString m_strFileName;
};
