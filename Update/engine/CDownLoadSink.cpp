#include "CDownLoadSink.h"

#include <shlobj.h>

#include "CString.h"
#include "UpdateMessages.h"
#include "UpdatePaths.h"

CDownLoadSink::CDownLoadSink() : m_eState(StateIdle), m_nStored(0), m_nTotal(0), m_pManager(nullptr) {
  m_szName[0] = 0;
}

CDownLoadSink::~CDownLoadSink() {
  m_DownLoad.Reset();
  m_File.Abort();
}

void* CDownLoadSink::QueryInterface(const GUID& iid, uint32_t version) {
  return QueryUnknownBase(static_cast<IDownLoadSink*>(this), IID_IDownLoadSink, iid, version);
}

void CDownLoadSink::Clear() {
  m_nStored = m_nTotal = 0;
  m_eState = StateIdle;
  m_szName[0] = 0;
}

void CDownLoadSink::SendProgress(bool post) {
  if (!m_pManager || !m_pManager->GetSafeHwnd()) return;
  if (post)
    m_pManager->PostMessage(WM_PROGRESS, 0, 0);
  else
    m_pManager->SendMessage(WM_PROGRESS, 0, 0);
}

void CDownLoadSink::Notify(FileDoneRecord* record) {
  if (m_pManager && m_pManager->GetSafeHwnd() &&
      m_pManager->PostMessage(WM_FILE_DONE, reinterpret_cast<WPARAM>(record), 0))
    return;
  delete record;
}

bool CDownLoadSink::BeginFile(LPCWSTR base, LPCWSTR name, bool resume) {
  if (m_eState != StateIdle && m_eState != StateFailed) return false;
  // The manager never hands out a name that leaves the installation; a sink
  // used on its own refuses one too.
  if (!IsSafeRelativeName(name)) return false;
  m_nStored = m_nTotal = 0;
  m_eState = StateStarted;
  AfxFormatBuffer(m_szName, 260, L"%s", name);

  wchar_t url[260];
  AfxFormatBuffer(url, 260, L"%s%s", base ? base : L"", name);
  uint32_t offset = 0;
  if (resume && OpenResumeFile(url)) {
    try {
      offset = static_cast<uint32_t>(m_File.GetLength());
      m_File.SeekToEnd();
    } catch (CException* e) {
      e->Delete();
      m_File.Abort();
      offset = 0;
    }
  }
  m_DownLoad.Start(url, static_cast<IDownLoadSink*>(this), offset);
  SendProgress(true);
  return true;
}

bool CDownLoadSink::OpenResumeFile(LPCWSTR url) {
  if (m_File.IsOpen()) return false;
  wchar_t name[kUpdatePathSize];
  GetSafeLastSegment(url, false, name);
  if (!name[0]) return false;
  wchar_t folder[kUpdatePathSize];
  GetDownLoadFolder(folder);
  wchar_t path[kUpdatePathSize];
  AfxFormatBuffer(path, kUpdatePathSize, L"%s\\%s", folder, name);
  if (!m_File.Open(path, CFile::modeWrite | CFile::shareDenyNone)) return false;
  try {
    m_File.SeekToEnd();
  } catch (CException* e) {
    e->Delete();
    m_File.Abort();
    return false;
  }
  return true;
}

bool CDownLoadSink::OpenTempFile(LPCWSTR path) {
  if (m_File.IsOpen()) return false;
  wchar_t name[kUpdatePathSize];
  GetSafeLastSegment(path, true, name);
  if (!name[0]) return false;
  wchar_t folder[kUpdatePathSize];
  GetDownLoadFolder(folder);
  wchar_t file[kUpdatePathSize];
  AfxFormatBuffer(file, kUpdatePathSize, L"%s\\%s", folder, name);
  DeleteFileW(file);
  SHCreateDirectoryExW(nullptr, folder, nullptr);
  return m_File.Open(file, CFile::modeCreate | CFile::modeWrite) != FALSE;
}

bool CDownLoadSink::OnDownLoadBegin(bool resumed, uint32_t length, LPCWSTR /*etag*/, LPCWSTR path) {
  m_nTotal = length;
  if (resumed && m_File.IsOpen()) {
    uint32_t have = 0;
    try {
      have = static_cast<uint32_t>(m_File.GetLength());
    } catch (CException* e) {
      e->Delete();
    }
    m_nTotal += have;
    m_nStored += have;
  } else {
    m_File.Abort();
    if (!OpenTempFile(path)) {
      m_DownLoad.Reset();
      m_eState = StateFailed;
      m_File.Abort();
      // Nothing was stored; the manager decides when to try again.
      FileDoneRecord* record = new FileDoneRecord;
      record->m_bFlag = FileDoneRecord::Failed;
      Notify(record);
      return false;
    }
  }
  SendProgress(false);
  return true;
}

bool CDownLoadSink::OnDownLoadData(const BYTE* data, uint16_t length) {
  try {
    m_File.Write(data, length);
  } catch (CException* e) {
    e->Delete();
    m_DownLoad.Reset();
    return OnDownLoadError(0);
  }
  m_nStored += length;
  SendProgress(false);
  return true;
}

bool CDownLoadSink::OnDownLoadStatus(uint32_t kind) {
  if (kind == 1) {
    m_eState = StateReceiving;
  } else if (kind == 2) {
    m_eState = StateComplete;
    CompleteFile();
  }
  return true;
}

void CDownLoadSink::CompleteFile() {
  FileDoneRecord* record = new FileDoneRecord;
  record->m_bFlag = FileDoneRecord::Complete;
  AfxFormatBuffer(record->m_szSource, 260, L"%s", static_cast<LPCWSTR>(m_File.GetFilePath()));
  AfxFormatBuffer(record->m_szDestination, 260, L"%s\\%s", GetModuleDirectory(), m_szName);
  for (wchar_t* p = record->m_szDestination; *p; ++p)
    if (*p == L'/') *p = L'\\';
  record->m_nStored = m_nStored;
  m_File.Abort();
  Notify(record);
}

bool CDownLoadSink::OnDownLoadError(uint32_t /*code*/) {
  m_eState = StateFailed;
  if (!m_pManager) return true;
  ULONGLONG have = 0;
  if (m_File.IsOpen()) {
    try {
      have = m_File.GetLength();
    } catch (CException* e) {
      e->Delete();
    }
  }
  FileDoneRecord* record = new FileDoneRecord;
  record->m_bFlag = have ? FileDoneRecord::Broken : FileDoneRecord::Failed;
  record->m_nStored = static_cast<uint32_t>(have);
  m_File.Abort();
  Notify(record);
  return true;
}
