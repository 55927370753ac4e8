#include "CUpdateCheckSink.h"

#include <string>

#include "CMD5Checksum.h"
#include "CProfileSection.h"
#include "CString.h"
#include "UpdatePaths.h"

CUpdateCheckSink::CUpdateCheckSink()
    : m_eState(StateIdle), m_nReceived(0), m_nExpected(0), m_pOwner(nullptr) {
  m_DownLoad.SetTimeLimit(kTimeLimit);
}

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
  // A manifest named like the update list gets a copy of another name: the
  // comparison reads the one while it writes the other.
  const bool clash = _wcsicmp(name, L"Update") == 0;
  wchar_t file[kUpdatePathSize];
  if (!FormatWhole(file, kUpdatePathSize, clash ? L"%s\\%s.manifest.VQD" : L"%s\\%s.VQD", folder, name))
    return false;
  CreateDirectoryW(folder, nullptr);
  return m_File.Open(file, CFile::modeCreate | CFile::modeWrite) != FALSE;
}

bool CUpdateCheckSink::OnDownLoadBegin(bool /*resumed*/, uint64_t length, LPCWSTR /*etag*/, LPCWSTR path) {
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
  // A list left from an earlier run is never read as this run's.
  DeleteFileW(list);

  const UINT count = GetPrivateProfileIntW(L"UPDATECONFIG", L"FileCount", 0, manifest);
  // Both sections are read once; looking each key up with its own profile
  // call would read the whole manifest again for every entry.
  CProfileSection names, checksums;
  if (count > 0) {
    names.Load(manifest, L"FILENAME");
    checksums.Load(manifest, L"FILECHECKSUM");
  }
  // The list is written in one go: "FileIndex<k>" and "FileCheckSum<k>"
  // for each file to fetch, then the count and the base URL.
  std::wstring entries;
  CMD5Checksum checksum;
  int listed = 0;
  // FileCount bounds nothing by itself: the names present do.
  size_t present = 0;
  for (UINT j = 0; j < count && present < names.GetCount(); ++j) {
    wchar_t key[32];
    AfxFormatBuffer(key, 32, L"FileIndex%d", static_cast<int>(j));
    if (names.Has(key)) ++present;
    const LPCWSTR name = names.Get(key);
    const LPCWSTR expected = checksums.Get(key);
    // A name that would reach outside the installation, or is too long for
    // its paths, is never fetched; nor is a file whose checksum is not MD5
    // text (it could never be verified).
    wchar_t local[kUpdatePathSize];
    if (!IsSafeRelativeName(name) || !IsChecksumText(expected) ||
        !FormatWhole(local, kUpdatePathSize, L"%s/%s", GetModuleDirectory(), name))
      continue;
    if (IsSameChecksum(checksum.GetFileMD5(local), expected)) continue;
    wchar_t line[kUpdatePathSize + 64];
    AfxFormatBuffer(line, kUpdatePathSize + 64, L"FileIndex%d=%s", listed, name);
    entries.append(line).push_back(0);
    AfxFormatBuffer(line, kUpdatePathSize + 64, L"FileCheckSum%d=%s", listed, expected);
    entries.append(line).push_back(0);
    ++listed;
  }
  if (listed >= 1) {
    wchar_t line[64];
    AfxFormatBuffer(line, 64, L"UPDATEFILECOUNT=%d", listed);
    entries.append(line).push_back(0);
    CProfileSection config;
    config.Load(manifest, L"UPDATECONFIG");
    entries.append(L"FILENETADDRESS=").append(config.Get(L"UPDATENETADDR")).push_back(0);
    entries.push_back(0);
    WritePrivateProfileSectionW(L"UPDATEFILELIST", entries.c_str(), list);
  }
  if (manifest[0]) DeleteFileW(manifest);
  return listed >= 1;
}
