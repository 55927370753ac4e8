#include "CUpdateCheckSink.h"

#include "CMD5Checksum.h"
#include "CProfileSection.h"
#include "CString.h"
#include "UpdatePaths.h"

CUpdateCheckSink::CUpdateCheckSink()
    : m_eState(StateIdle), m_nReceived(0), m_nExpected(0), m_pOwner(nullptr) {}

CUpdateCheckSink::~CUpdateCheckSink() {
  m_DownLoad.Reset();
  m_File.Abort();
}

void* CUpdateCheckSink::QueryInterface(const GUID& iid, uint32_t version) {
  return QueryUnknownBase(static_cast<IDownLoadSink*>(this), IID_IDownLoadSink, iid, version);
}

bool CUpdateCheckSink::Start(LPCWSTR url) {
  if (m_eState != StateIdle && m_eState != StateFailed) return false;
  m_eState = StateStarted;
  m_nReceived = m_nExpected = 0;
  return m_DownLoad.Start(url, static_cast<IDownLoadSink*>(this), 0);
}

void CUpdateCheckSink::End(int result) {
  if (m_pOwner) m_pOwner->EndCheck(result);
}

bool CUpdateCheckSink::OpenManifestFile(LPCWSTR path) {
  if (m_File.IsOpen()) return false;
  wchar_t folder[kUpdatePathSize];
  AfxFormatBuffer(folder, kUpdatePathSize, L"%s\\Update", GetModuleDirectory());
  wchar_t name[kUpdatePathSize];
  GetSafeLastSegment(path, true, name);
  if (!name[0]) return false;
  wchar_t file[kUpdatePathSize];
  AfxFormatBuffer(file, kUpdatePathSize, L"%s\\%s.VQD", folder, name);
  CreateDirectoryW(folder, nullptr);
  return m_File.Open(file, CFile::modeCreate | CFile::modeWrite) != FALSE;
}

bool CUpdateCheckSink::OnDownLoadBegin(bool /*resumed*/, uint32_t length, LPCWSTR /*etag*/, LPCWSTR path) {
  m_nExpected = length;
  if (OpenManifestFile(path)) return true;
  m_DownLoad.Reset();
  m_eState = StateFailed;
  m_File.Abort();
  // Nothing can be compared: the game starts as when the manifest cannot be had.
  End(1);
  return false;
}

bool CUpdateCheckSink::OnDownLoadData(const BYTE* data, uint16_t length) {
  m_nReceived += length;
  try {
    if (m_File.IsOpen()) m_File.Write(data, length);
  } catch (CException* e) {
    e->Delete();
    m_DownLoad.Reset();
    m_File.Abort();
    return OnDownLoadError(0);
  }
  return true;
}

bool CUpdateCheckSink::OnDownLoadStatus(uint32_t kind) {
  if (kind == 1) {
    m_eState = StateReceiving;
  } else if (kind == 2) {
    m_eState = StateComplete;
    if (m_pOwner) End(CompareManifest() ? 2 : 1);
  }
  return true;
}

bool CUpdateCheckSink::OnDownLoadError(uint32_t /*code*/) {
  m_eState = StateFailed;
  m_File.Abort();
  End(1);
  return true;
}

bool CUpdateCheckSink::CompareManifest() {
  wchar_t manifest[kUpdatePathSize];
  AfxFormatBuffer(manifest, kUpdatePathSize, L"%s", static_cast<LPCWSTR>(m_File.GetFilePath()));
  m_File.Abort();
  wchar_t list[kUpdatePathSize];
  GetUpdateListPath(list);
  m_eState = StateCompared;

  const UINT count = GetPrivateProfileIntW(L"UPDATECONFIG", L"FileCount", 0, manifest);
  // Both sections are read once; looking each key up with its own profile
  // call would read the whole manifest again for every entry.
  CProfileSection names, checksums;
  if (count > 0) {
    names.Load(manifest, L"FILENAME");
    checksums.Load(manifest, L"FILECHECKSUM");
  }
  CMD5Checksum checksum;
  int listed = 0;
  for (UINT j = 0; j < count; ++j) {
    wchar_t key[32];
    AfxFormatBuffer(key, 32, L"FileIndex%d", static_cast<int>(j));
    wchar_t name[kUpdatePathSize];
    wchar_t expected[64];
    AfxFormatBuffer(name, kUpdatePathSize, L"%s", names.Get(key));
    AfxFormatBuffer(expected, 64, L"%s", checksums.Get(key));
    // A name that would reach outside the installation is never fetched.
    if (!IsSafeRelativeName(name)) continue;
    wchar_t local[kUpdatePathSize];
    AfxFormatBuffer(local, kUpdatePathSize, L"%s/%s", GetModuleDirectory(), name);
    if (checksum.GetFileMD5(local) == expected) continue;
    wchar_t listKey[32];
    AfxFormatBuffer(listKey, 32, L"FileIndex%d", listed);
    WritePrivateProfileStringW(L"UPDATEFILELIST", listKey, name, list);
    ++listed;
  }
  if (listed >= 1) {
    wchar_t number[16];
    AfxFormatBuffer(number, 16, L"%d", listed);
    WritePrivateProfileStringW(L"UPDATEFILELIST", L"UPDATEFILECOUNT", number, list);
    wchar_t base[kUpdatePathSize];
    GetPrivateProfileStringW(L"UPDATECONFIG", L"UPDATENETADDR", L"", base, kUpdatePathSize, manifest);
    WritePrivateProfileStringW(L"UPDATEFILELIST", L"FILENETADDRESS", base, list);
  }
  if (manifest[0]) DeleteFileW(manifest);
  return listed >= 1;
}
