#include "CDownLoadManager.h"

#include <shlobj.h>

#include "CProfileSection.h"
#include "UpdatePaths.h"

CDownLoadManager::CDownLoadManager()
    : m_nTotal(0),
      m_nDone(0),
      m_pFrame(nullptr),
      m_nMaxRetries(kDefaultRetries),
      m_nRetryDelay(kDefaultRetryDelay),
      m_nRetries(0),
      m_nBest(0),
      m_bRetryResume(false),
      m_bFailed(false) {
  m_szBaseUrl[0] = 0;
}

CDownLoadManager::~CDownLoadManager() {
  if (m_pSink) m_pSink->GetDownLoad().Reset();
  FreeQueuedRecords();
}

void CDownLoadManager::FreeQueuedRecords() {
  if (!m_hWnd) return;
  MSG msg;
  while (PeekMessageW(&msg, m_hWnd, WM_FILE_DONE, WM_FILE_DONE, PM_REMOVE))
    delete reinterpret_cast<FileDoneRecord*>(msg.wParam);
}

BOOL CDownLoadManager::CreateManager(CWnd* pParent) {
  return CreateEx(0, AfxRegisterWndClass(0), L"", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                  CRect(0, 0, 0, 0), pParent, kWindowId);
}

void CDownLoadManager::SetRetryPolicy(int maxRetries, UINT firstDelayMs) {
  m_nMaxRetries = maxRetries < 0 ? 0 : maxRetries;
  m_nRetryDelay = firstDelayMs;
}

LRESULT CDownLoadManager::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_FILE_DONE:
      OnFileDone(reinterpret_cast<FileDoneRecord*>(wParam));
      return 0;
    case WM_PROGRESS:
      return OnProgress();
    case WM_TIMER:
      if (wParam == kRetryTimer) {
        OnRetryTimer();
        return 0;
      }
      return CWnd::WindowProc(message, wParam, lParam);
    case WM_DESTROY:
      KillTimer(kRetryTimer);
      FreeQueuedRecords();
      return CWnd::WindowProc(message, wParam, lParam);
    default:
      return CWnd::WindowProc(message, wParam, lParam);
  }
}

LRESULT CDownLoadManager::OnProgress() {
  if (m_pSink) m_pSink->TakeProgress();
  if (m_pFrame) m_pFrame->OnProgress();
  return 0;
}

void CDownLoadManager::LoadFileList() {
  wchar_t list[kUpdatePathSize];
  m_List.clear();
  m_Checksums.clear();
  m_nTotal = 0;
  if (!GetUpdateListReadPath(list)) return;
  const UINT count = GetPrivateProfileIntW(L"UPDATEFILELIST", L"UPDATEFILECOUNT", 0, list);
  CProfileSection section;
  section.Load(list, L"UPDATEFILELIST");
  const bool baseFits = FormatWhole(m_szBaseUrl, 260, L"%s", section.Get(L"FILENETADDRESS"));
  // The count read bounds nothing by itself: the keys present do.
  for (UINT i : section.GetFileIndices(count)) {
    wchar_t key[32];
    AfxFormatBuffer(key, 32, L"FileIndex%d", static_cast<int>(i));
    const LPCWSTR name = section.Get(key);
    AfxFormatBuffer(key, 32, L"FileCheckSum%d", static_cast<int>(i));
    const LPCWSTR checksum = section.Get(key);
    // Empty names are left out, and so is any name that would reach outside
    // the installation, one whose paths or URL do not fit, and one whose
    // checksum is not MD5 text (a list without checksums is still read).
    wchar_t url[CDownLoad::kUrlSize], path[260];
    if (!baseFits || !IsSafeRelativeName(name) || (checksum[0] && !IsChecksumText(checksum)) ||
        !FormatWhole(url, CDownLoad::kUrlSize - 14, L"%s%s", m_szBaseUrl, name) ||
        !CDownLoadSink::GetHoldingPath(name, path) || !CDownLoadSink::GetDestinationPath(name, path))
      continue;
    m_List.emplace_back(name);
    m_Checksums.emplace_back(checksum);
  }
  m_nTotal = static_cast<int>(m_List.size());
  DeleteFileW(list);
}

void CDownLoadManager::StartHead(bool resume) {
  if (m_List.empty() || !m_pSink) return;
  if (!m_pSink->BeginFile(m_szBaseUrl, m_List.front(), m_Checksums.front(), resume)) {
    // Nothing will report back on a file that could not even be started.
    StopFailed(m_List.front());
    return;
  }
  if (m_pFrame) m_pFrame->SetCurrentFile(m_List.front());
}

bool CDownLoadManager::StartDownLoad() {
  if (!m_pSink) m_pSink.reset(new (std::nothrow) CDownLoadSink);
  if (!m_pSink) return false;
  m_pSink->SetManager(this);
  if (m_List.empty()) return true;
  m_bFailed = false;
  m_nRetries = 0;
  m_nBest = 0;
  StartHead(false);
  return true;
}

void CDownLoadManager::ScheduleRetry(const FileDoneRecord& record) {
  m_bRetryResume = record.m_bFlag == FileDoneRecord::Broken;
  if (record.m_nStored > m_nBest) {
    // Further than ever before: go on at once and start counting again.
    m_nBest = record.m_nStored;
    m_nRetries = 0;
    StartHead(m_bRetryResume);
    return;
  }
  if (m_nRetries >= m_nMaxRetries) {
    StopFailed(m_List.front());
    return;
  }
  UINT delay = m_nRetryDelay;
  for (int i = 0; i < m_nRetries && delay < 60000; ++i) delay *= 2;
  ++m_nRetries;
  if (delay == 0 || !m_hWnd)
    StartHead(m_bRetryResume);
  else
    SetTimer(kRetryTimer, delay);
}

void CDownLoadManager::StopFailed(LPCWSTR name) {
  m_bFailed = true;
  if (m_pFrame) m_pFrame->OnDownLoadFailed(name);
}

void CDownLoadManager::OnRetryTimer() {
  KillTimer(kRetryTimer);
  StartHead(m_bRetryResume);
}

void CDownLoadManager::OnFileDone(FileDoneRecord* record) {
  std::unique_ptr<FileDoneRecord> owned(record);
  // Attempts that stored nothing are not counted as notices.
  if (!record || record->m_bFlag != FileDoneRecord::Failed) ++m_nDone;
  if (!record) return;
  const bool complete = record->m_bFlag == FileDoneRecord::Complete;
  CString name;
  if (complete && !m_List.empty()) {
    name = m_List.front();
    m_List.erase(m_List.begin());
    m_Checksums.erase(m_Checksums.begin());
  }
  if (!m_pSink) return;
  m_pSink->Clear();

  record->m_szSource[259] = 0;
  record->m_szDestination[259] = 0;
  if (record->m_szSource[0] && record->m_szDestination[0]) {
    m_Sources.emplace_back(record->m_szSource);
    m_Destinations.emplace_back(record->m_szDestination);
  }

  // A file that cannot be put in place ends the run: nothing more is
  // fetched and the game is not started over what is still the old copy.
  if (!MoveFiles()) {
    StopFailed(name);
    return;
  }
  if (!m_List.empty()) {
    if (complete) {
      m_nRetries = 0;
      m_nBest = 0;
      StartHead(false);
    } else {
      ScheduleRetry(*record);
    }
  } else if (m_pFrame) {
    m_pFrame->RunGame();
  }
}

bool CDownLoadManager::MoveFiles() {
  while (!m_Sources.empty()) {
    const CString source = m_Sources.front();
    const CString destination = m_Destinations.front();
    wchar_t folder[kUpdatePathSize];
    AfxFormatBuffer(folder, kUpdatePathSize, L"%s", static_cast<LPCWSTR>(destination));
    wchar_t* slash = wcsrchr(folder, L'\\');
    if (slash) {
      *slash = 0;
      SHCreateDirectoryExW(nullptr, folder, nullptr);
    }
    // The old copy is replaced in one step, never deleted first; when the
    // move fails the download stays where it is.
    if (!MoveFileWithProgressW(source, destination, nullptr, nullptr,
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return false;
    m_Sources.erase(m_Sources.begin());
    m_Destinations.erase(m_Destinations.begin());
  }
  return true;
}
