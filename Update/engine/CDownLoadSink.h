// CDownLoadSink: receives one update file into the holding folder
// "<dir>\DownLoad" and tells the download manager's window about progress
// (WM_PROGRESS) and the end of each attempt (WM_FILE_DONE). Progress of the
// data is posted, and only while no notice is waiting: data arrives in
// thousands of chunks per file, and each notice is a message for the window
// to take; the window calls TakeProgress when it takes one and reads the
// progress as it is then. A finished file
// is reported complete only when its MD5 is the checksum it was listed with;
// otherwise it is deleted and the attempt counts as failed. The digest grows
// with the bytes as they are written (a resumed file's part on disk is read
// once when the server takes the range), so no finished file is read again.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include "CDownLoad.h"
#include "CFile.h"
#include "CMD5Checksum.h"
#include "CWnd.h"
#include "FileDoneRecord.h"
#include "IDownLoadSink.h"

class CDownLoadSink : public CWnd, public IDownLoadSink {
public:
  enum State : BYTE { StateIdle = 0, StateStarted = 1, StateReceiving = 2, StateComplete = 3, StateFailed = 4 };

  CDownLoadSink();
  ~CDownLoadSink() override;

  void SetManager(CWnd* pManager) {
    m_pManager = pManager;
    m_bProgressQueued = false;
  }
  // The manager's window has taken a WM_PROGRESS notice: the next data
  // posts another.
  void TakeProgress() { m_bProgressQueued = false; }
  // WM_PROGRESS notices the data has posted so far.
  uint32_t GetDataNotices() const { return m_nDataNotices; }

  // Fetches base + name; with resume, continues a partial file in the holding
  // folder with a range request. checksum is the MD5 text the file must have
  // (empty: not checked). Only in state 0 or 4; false when the name is not
  // safe or a path or the URL does not fit.
  bool BeginFile(LPCWSTR base, LPCWSTR name, LPCWSTR checksum, bool resume);
  void Clear();

  // The holding file of a listed name: "<dir>\DownLoad\<last segment>";
  // false when there is no usable segment or the path does not fit.
  static bool GetHoldingPath(LPCWSTR name, wchar_t (&path)[260]);
  // The final place of a listed name: "<dir>\<name>" with "\" separators.
  static bool GetDestinationPath(LPCWSTR name, wchar_t (&path)[260]);

  BYTE GetState() const { return m_eState; }
  uint64_t GetStored() const { return m_nStored; }
  uint64_t GetTotal() const { return m_nTotal; }
  LPCWSTR GetName() const { return m_szName; }
  CDownLoad& GetDownLoad() { return m_DownLoad; }

  // IUnknownBase
  void Release() override {}
  void* QueryInterface(const GUID& iid, uint32_t version) override;
  // IDownLoadSink
  bool OnDownLoadError(uint32_t code) override;
  bool OnDownLoadStatus(uint32_t kind) override;
  bool OnDownLoadData(const BYTE* data, uint16_t length) override;
  bool OnDownLoadBegin(bool resumed, uint64_t length, LPCWSTR etag, LPCWSTR path) override;

private:
  bool OpenResumeFile();
  bool OpenTempFile();
  void DiscardTempFile();
  void CompleteFile();
  void Notify(FileDoneRecord* record);
  void NotifyFailed();
  void SendProgress(bool post);
  // Posts a notice for the data unless one is still waiting.
  void QueueProgress();

  BYTE m_eState;
  uint64_t m_nStored;
  uint64_t m_nTotal;
  wchar_t m_szName[260];
  wchar_t m_szChecksum[33];
  CFile m_File;
  CMD5Checksum m_Digest;
  bool m_bDigesting;  // m_Digest holds every byte of m_File
  CDownLoad m_DownLoad;
  CWnd* m_pManager;
  bool m_bProgressQueued;  // a data notice is waiting to be taken
  uint32_t m_nDataNotices;
};
