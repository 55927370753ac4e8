// CDownLoadManager: a hidden child window of the update frame that fetches
// the entries of the local update list one after another, moves finished
// files into place and hands over to the frame when the list is done.
//
// A failed attempt is tried again a bounded number of times, each time after
// a longer pause; an attempt that got further than any before it resets the
// count. After the last try, or when a finished file cannot be moved into
// place, the manager stops in its failure state and tells the frame.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include <memory>
#include <vector>

#include "CDownLoadSink.h"
#include "CString.h"
#include "CWnd.h"
#include "FileDoneRecord.h"
#include "IUpdateFrame.h"
#include "UpdateMessages.h"

class CDownLoadManager : public CWnd {
public:
  static const UINT kWindowId = 300;
  static const UINT_PTR kRetryTimer = 1;
  static const int kDefaultRetries = 5;
  static const UINT kDefaultRetryDelay = 500;  // ms, doubled for each further try

  CDownLoadManager();
  ~CDownLoadManager() override;

  // The hidden child window of the frame (id 300, empty rectangle).
  BOOL CreateManager(CWnd* pParent);
  void SetFrame(IUpdateFrame* pFrame) { m_pFrame = pFrame; }
  void SetRetryPolicy(int maxRetries, UINT firstDelayMs);

  void LoadFileList();
  bool StartDownLoad();
  void OnFileDone(FileDoneRecord* record);
  // Moves the finished files into place; false when one could not be moved
  // (it stays in the holding folder, with the files after it).
  bool MoveFiles();

  int GetTotal() const { return m_nTotal; }
  int GetDone() const { return m_nDone; }
  LPCWSTR GetBaseUrl() const { return m_szBaseUrl; }
  const std::vector<CString>& GetList() const { return m_List; }
  const std::vector<CString>& GetChecksums() const { return m_Checksums; }
  CDownLoadSink* GetSink() const { return m_pSink.get(); }
  bool IsFailed() const { return m_bFailed; }
  int GetRetries() const { return m_nRetries; }

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  LRESULT OnProgress();
  void OnRetryTimer();
  void StartHead(bool resume);
  void ScheduleRetry(const FileDoneRecord& record);
  void FreeQueuedRecords();
  void StopFailed(LPCWSTR name);

  int m_nTotal;
  int m_nDone;
  wchar_t m_szBaseUrl[260];
  std::vector<CString> m_List;
  std::vector<CString> m_Checksums;  // parallel to m_List; empty when the list gave none
  std::vector<CString> m_Sources;
  std::vector<CString> m_Destinations;
  std::unique_ptr<CDownLoadSink> m_pSink;
  IUpdateFrame* m_pFrame;

  int m_nMaxRetries;
  UINT m_nRetryDelay;
  int m_nRetries;         // failed tries of the head file since it last got further
  uint64_t m_nBest;       // most bytes of the head file ever on disk
  bool m_bRetryResume;    // the waiting retry continues a partial file
  bool m_bFailed;
};
