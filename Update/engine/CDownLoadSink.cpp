#include "CDownLoadSink.h"

#include <shlobj.h>

#include "CMD5Checksum.h"
#include "CString.h"
#include "UpdateMessages.h"
#include "UpdatePaths.h"

CDownLoadSink::CDownLoadSink()
    : m_eState(StateIdle),
      m_nStored(0),
      m_nTotal(0),
      m_bDigesting(false),
      m_pManager(nullptr),
      m_bProgressQueued(false),
      m_nDataNotices(0) {
  m_szName[0] = 0;
  m_szChecksum[0] = 0;
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
  m_szChecksum[0] = 0;
}

void CDownLoadSink::SendProgress(bool post) {
  if (!m_pManager || !m_pManager->GetSafeHwnd()) return;
  if (post)
    m_pManager->PostMessage(WM_PROGRESS, 0, 0);
  else
    m_pManager->SendMessage(WM_PROGRESS, 0, 0);
}

void CDownLoadSink::QueueProgress() {
  if (m_bProgressQueued || !m_pManager || !m_pManager->GetSafeHwnd()) return;
  m_bProgressQueued = m_pManager->PostMessage(WM_PROGRESS, 0, 0) != FALSE;
  if (m_bProgressQueued) ++m_nDataNotices;
}

void CDownLoadSink::Notify(FileDoneRecord* record) {
  if (m_pManager && m_pManager->GetSafeHwnd() &&
      m_pManager->PostMessage(WM_FILE_DONE, reinterpret_cast<WPARAM>(record), 0))
    return;
  delete record;
}

void CDownLoadSink::NotifyFailed() {
  FileDoneRecord* record = new FileDoneRecord;
  record->m_bFlag = FileDoneRecord::Failed;
  Notify(record);
}

bool CDownLoadSink::GetHoldingPath(LPCWSTR name, wchar_t (&path)[260]) {
  path[0] = 0;
  wchar_t segment[kUpdatePathSize];
  GetSafeLastSegment(name, false, segment);
  if (!segment[0]) return false;
  wchar_t folder[kUpdatePathSize];
  return GetDownLoadFolder(folder) && FormatWhole(path, 260, L"%s\\%s", folder, segment);
}

bool CDownLoadSink::GetDestinationPath(LPCWSTR name, wchar_t (&path)[260]) {
  if (!FormatWhole(path, 260, L"%s\\%s", GetModuleDirectory(), name ? name : L"")) return false;
  for (wchar_t* p = path; *p; ++p)
    if (*p == L'/') *p = L'\\';
  return true;
}

bool CDownLoadSink::BeginFile(LPCWSTR base, LPCWSTR name, LPCWSTR checksum, bool resume) {
  if (m_eState != StateIdle && m_eState != StateFailed) return false;
  // The manager never hands out a name that leaves the installation; a sink
  // used on its own refuses one too.
  if (!IsSafeRelativeName(name)) return false;
  wchar_t url[CDownLoad::kUrlSize];
  wchar_t holding[260], destination[260];
  if (!FormatWhole(url, CDownLoad::kUrlSize, L"%s%s", base ? base : L"", name) || !GetHoldingPath(name, holding) ||
      !GetDestinationPath(name, destination))
    return false;
  m_nStored = m_nTotal = 0;
  m_eState = StateStarted;
  m_bDigesting = false;
  AfxFormatBuffer(m_szName, 260, L"%s", name);
  AfxFormatBuffer(m_szChecksum, 33, L"%s", IsChecksumText(checksum) ? checksum : L"");

  uint64_t offset = 0;
  if (resume && OpenResumeFile()) {
    try {
      offset = m_File.GetLength();
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

bool CDownLoadSink::OpenResumeFile() {
  if (m_File.IsOpen()) return false;
  wchar_t path[260];
  if (!GetHoldingPath(m_szName, path)) return false;
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

bool CDownLoadSink::OpenTempFile() {
  if (m_File.IsOpen()) return false;
  // Named after the listed name, not the URL the server finally gave, so a
  // later attempt finds it whatever redirects and escapes came between.
  wchar_t file[260];
  if (!GetHoldingPath(m_szName, file)) return false;
  wchar_t folder[kUpdatePathSize];
  GetDownLoadFolder(folder);
  DeleteFileW(file);
  SHCreateDirectoryExW(nullptr, folder, nullptr);
  return m_File.Open(file, CFile::modeCreate | CFile::modeWrite) != FALSE;
}

void CDownLoadSink::DiscardTempFile() {
  m_File.Abort();
  wchar_t file[260];
  if (GetHoldingPath(m_szName, file)) DeleteFileW(file);
}

bool CDownLoadSink::OnDownLoadBegin(bool resumed, uint64_t length, LPCWSTR /*etag*/, LPCWSTR /*path*/) {
  m_nTotal = length;
  if (resumed && m_File.IsOpen()) {
    uint64_t have = 0;
    try {
      have = m_File.GetLength();
    } catch (CException* e) {
      e->Delete();
    }
    if (m_nTotal) m_nTotal += have;
    m_nStored += have;
    // What is on disk already counts into the digest: read once, now that
    // the server goes on from its end.
    m_Digest.Init();
    m_bDigesting = m_szChecksum[0] && m_Digest.AddFile(m_File.GetFilePath());
  } else {
    m_File.Abort();
    if (!OpenTempFile()) {
      m_DownLoad.Reset();
      m_eState = StateFailed;
      m_File.Abort();
      // Nothing was stored; the manager decides when to try again.
      NotifyFailed();
      return false;
    }
    m_Digest.Init();
    m_bDigesting = m_szChecksum[0] != 0;
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
    return OnDownLoadError(IDownLoadSink::ErrorRequest);
  }
  if (m_bDigesting) m_Digest.Update(data, length);
  m_nStored += length;
  QueueProgress();
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
  GetDestinationPath(m_szName, record->m_szDestination);
  record->m_nStored = m_nStored;
  m_File.Abort();
  // Only the bytes the list names are ever moved into place.
  if (m_szChecksum[0]) {
    const CString digest = m_bDigesting ? m_Digest.Finish() : CMD5Checksum().GetFileMD5(record->m_szSource);
    m_bDigesting = false;
    if (!IsSameChecksum(digest, m_szChecksum)) {
      delete record;
      m_eState = StateFailed;
      DiscardTempFile();
      NotifyFailed();
      return;
    }
  }
  Notify(record);
}

bool CDownLoadSink::OnDownLoadError(uint32_t code) {
  m_eState = StateFailed;
  if (code == IDownLoadSink::ErrorRange) DiscardTempFile();
  if (!m_pManager) return true;
  uint64_t have = 0;
  if (m_File.IsOpen()) {
    try {
      have = m_File.GetLength();
    } catch (CException* e) {
      e->Delete();
    }
  }
  FileDoneRecord* record = new FileDoneRecord;
  record->m_bFlag = have ? FileDoneRecord::Broken : FileDoneRecord::Failed;
  record->m_nStored = have;
  m_File.Abort();
  Notify(record);
  return true;
}
