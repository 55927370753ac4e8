#include "CFile.h"

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFile::CFile() : m_hFile(hFileNull) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile ? hFile : hFileNull) {}

CFile::CFile(LPCWSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull) {
  CFileException e;
  if (!Open(lpszFileName, nOpenFlags, &e)) AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile() { Abort(); }

BOOL CFile::Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  if (pError) {
    pError->m_cause = CFileException::none;
    pError->m_lOsError = 0;
    pError->m_strFileName = lpszFileName;
  }
  auto fail = [&](LONG err) {
    if (pError) {
      pError->m_cause = CFileException::OsErrorToException(err);
      pError->m_lOsError = err;
    }
    return FALSE;
  };
  // Opening twice would leak the first handle.
  if (IsOpen()) return fail(ERROR_TOO_MANY_OPEN_FILES);
  if (!lpszFileName || !*lpszFileName) return fail(ERROR_INVALID_NAME);

  DWORD access = 0;
  switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: return fail(ERROR_INVALID_PARAMETER);
  }
  DWORD share = 0;
  switch (nOpenFlags & 0x70) {
    case shareCompat:
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: return fail(ERROR_INVALID_PARAMETER);
  }
  DWORD disposition = OPEN_EXISTING;
  if (nOpenFlags & modeCreate) disposition = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

  SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
  HANDLE h = CreateFileW(lpszFileName, access, share, &sa, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return fail(static_cast<LONG>(GetLastError()));

  m_hFile = h;
  // The full path, so that GetFilePath names the file wherever the caller
  // moves the current directory afterwards.
  wchar_t full[MAX_PATH];
  DWORD n = GetFullPathNameW(lpszFileName, MAX_PATH, full, nullptr);
  m_strFileName = (n > 0 && n < MAX_PATH) ? CString(full) : CString(lpszFileName);
  return TRUE;
}

void CFile::Close() {
  BOOL ok = TRUE;
  LONG err = 0;
  if (IsOpen()) {
    ok = CloseHandle(m_hFile);
    if (!ok) err = static_cast<LONG>(GetLastError());
  }
  m_hFile = hFileNull;
  if (!ok) CFileException::ThrowOsError(err, m_strFileName);
}

void CFile::Abort() {
  if (IsOpen()) CloseHandle(m_hFile);
  m_hFile = hFileNull;
}

void CFile::ThrowLastError() const {
  CFileException::ThrowOsError(IsOpen() ? static_cast<LONG>(GetLastError()) : ERROR_INVALID_HANDLE, m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0) return 0;
  if (!IsOpen() || !lpBuf) ThrowLastError();
  DWORD read = 0;
  if (!ReadFile(m_hFile, lpBuf, nCount, &read, nullptr)) ThrowLastError();
  return read;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  if (!IsOpen() || !lpBuf) ThrowLastError();
  DWORD written = 0;
  if (!WriteFile(m_hFile, lpBuf, nCount, &written, nullptr)) ThrowLastError();
  // A short write means the medium is full.
  if (written != nCount) AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  if (!IsOpen() || nFrom > end) ThrowLastError();
  LARGE_INTEGER dist, pos;
  dist.QuadPart = lOff;
  if (!SetFilePointerEx(m_hFile, dist, &pos, nFrom)) ThrowLastError();
  return static_cast<ULONGLONG>(pos.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  LARGE_INTEGER zero, pos;
  zero.QuadPart = 0;
  if (!IsOpen() || !SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT)) ThrowLastError();
  return static_cast<ULONGLONG>(pos.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  LARGE_INTEGER size;
  if (!IsOpen() || !GetFileSizeEx(m_hFile, &size)) ThrowLastError();
  return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  ULONGLONG keep = GetPosition();
  Seek(static_cast<LONGLONG>(dwNewLen), begin);
  if (!SetEndOfFile(m_hFile)) ThrowLastError();
  if (keep < dwNewLen) Seek(static_cast<LONGLONG>(keep), begin);
}

void CFile::Flush() {
  if (!IsOpen()) return;
  if (!FlushFileBuffers(m_hFile)) ThrowLastError();
}

CString CFile::GetFileName() const {
  int cut = -1;
  for (int i = 0; i < m_strFileName.GetLength(); ++i) {
    wchar_t c = m_strFileName[i];
    if (c == L'\\' || c == L'/') cut = i;
  }
  return m_strFileName.Mid(cut + 1);
}

void CFile::Remove(LPCWSTR lpszFileName) {
  if (!DeleteFileW(lpszFileName)) CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszFileName);
}

void CFile::Rename(LPCWSTR lpszOldName, LPCWSTR lpszNewName) {
  if (!MoveFileW(lpszOldName, lpszNewName)) CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), lpszOldName);
}
