// CUpdateCheckSink: receives the server manifest into its local copy
// "<dir>\Update\<name>.VQD" and compares it with the installation, writing
// the names that differ, with their checksums, into the local update list.
// The whole fetch is bounded in time; one that does not end in time fails
// like any other.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include "CDownLoad.h"
#include "CFile.h"
#include "CWnd.h"
#include "IDownLoadSink.h"
#include "IUpdateCheckOwner.h"

class CUpdateCheckSink : public CWnd, public IDownLoadSink {
public:
  enum State : BYTE {
    StateIdle = 0,
    StateStarted = 1,
    StateReceiving = 2,
    StateComplete = 3,
    StateFailed = 4,
    StateCompared = 5
  };

  static const UINT kTimeLimit = 60000;  // ms for the whole manifest fetch

  CUpdateCheckSink();
  ~CUpdateCheckSink() override;

  // Fetches the manifest at url; only in state 0 or 4.
  bool Start(LPCWSTR url);
  void SetOwner(IUpdateCheckOwner* pOwner) { m_pOwner = pOwner; }

  bool OpenManifestFile(LPCWSTR path);
  // True when at least one listed file must be fetched.
  bool CompareManifest();

  BYTE GetState() const { return m_eState; }
  uint64_t GetReceived() const { return m_nReceived; }
  uint64_t GetExpected() const { return m_nExpected; }
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
  void End(int result);

  BYTE m_eState;
  uint64_t m_nReceived;
  uint64_t m_nExpected;
  CFile m_File;
  CDownLoad m_DownLoad;
  IUpdateCheckOwner* m_pOwner;
};
