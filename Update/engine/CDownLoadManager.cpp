#include "CDownLoadManager.h"

#include <shlobj.h>

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
  if (m_pFrame) m_pFrame->OnProgress();
  return 0;
}

void CDownLoadManager::LoadFileList() {
  wchar_t list[kUpdatePathSize];
  GetUpdateListReadPath(list);
  const UINT count = GetPrivateProfileIntW(L"UPDATEFILELIST", L"UPDATEFILECOUNT", 0, list);
  GetPrivateProfileStringW(L"UPDATEFILELIST", L"FILENETADDRESS", L"", m_szBaseUrl, 260, list);
  m_List.clear();
  for (UINT i = 0; i < count; ++i) {
    wchar_t key[32];
    AfxFormatBuffer(key, 32, L"FileIndex%d", static_cast<int>(i));
    wchar_t name[kUpdatePathSize];
    GetPrivateProfileStringW(L"UPDATEFILELIST", key, L"", name, kUpdatePathSize, list);
    // Empty names are left out, and so is any name that would reach outside
    // the installation.
    if (IsSafeRelativeName(name)) m_List.emplace_back(name);
  }
  m_nTotal = static_cast<int>(m_List.size());
  DeleteFileW(list);
}

void CDownLoadManager::StartHead(bool resume) {
  if (m_List.empty() || !m_pSink) return;
  if (!m_pSink->BeginFile(m_szBaseUrl, m_List.front(), resume)) {
    // Nothing will report back on a file that could not even be started.
    m_bFailed = true;
    if (m_pFrame) m_pFrame->OnDownLoadFailed(m_List.front());
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
    m_bFailed = true;
    if (m_pFrame) m_pFrame->OnDownLoadFailed(m_List.front());
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
  if (complete && !m_List.empty()) m_List.erase(m_List.begin());
  if (!m_pSink) return;
  m_pSink->Clear();

  record->m_szSource[259] = 0;
  record->m_szDestination[259] = 0;
  if (record->m_szSource[0] && record->m_szDestination[0]) {
    m_Sources.emplace_back(record->m_szSource);
    m_Destinations.emplace_back(record->m_szDestination);
  }

  if (!m_List.empty()) {
    if (complete) {
      m_nRetries = 0;
      m_nBest = 0;
      StartHead(false);
    } else {
      ScheduleRetry(*record);
    }
    MoveFiles();
  } else {
    MoveFiles();
    if (m_pFrame) m_pFrame->RunGame();
  }
}

void CDownLoadManager::MoveFiles() {
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
    DeleteFileW(destination);
    MoveFileWithProgressW(source, destination, nullptr, nullptr, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    DeleteFileW(source);
    m_Sources.erase(m_Sources.begin());
    m_Destinations.erase(m_Destinations.begin());
  }
}
