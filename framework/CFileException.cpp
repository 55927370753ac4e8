#include "CFileException.h"

int CFileException::OsErrorToException(LONG lOsError) {
  switch (lOsError) {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
    case ERROR_DIRECTORY: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE: return hardIO;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
  }
}

void CFileException::ThrowOsError(LONG lOsError, LPCWSTR lpszFileName) {
  AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  static const wchar_t* const kText[] = {
      L"no error",         L"an unspecified error", L"the file was not found", L"the path is invalid",
      L"too many open files", L"access was denied", L"the file handle is invalid",
      L"the current directory cannot be removed", L"the directory is full", L"the seek failed",
      L"a hardware I/O error", L"a sharing violation", L"a locking violation", L"the disk is full",
      L"the end of the file was reached"};
  if (pnHelpContext) *pnHelpContext = 0;
  int cause = (m_cause >= none && m_cause <= endOfFile) ? m_cause : genericException;
  AfxFormatBuffer(lpszError, nMaxError, L"%s: %s (error %ld)", m_strFileName.IsEmpty() ? L"file" : m_strFileName.GetString(),
                  kText[cause], m_lOsError);
  return TRUE;
}

void AfxThrowFileException(int cause, LONG lOsError, LPCWSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}
