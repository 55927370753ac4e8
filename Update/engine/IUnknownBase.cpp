#include "IUnknownBase.h"

#include "IDownLoadSink.h"
#include "IWEBSocketSink.h"

// {1F5215BC-695E-48FC-987E-DFFDB39FBF62}
const GUID IID_IUnknownBase = {0x1F5215BC, 0x695E, 0x48FC, {0x98, 0x7E, 0xDF, 0xFD, 0xB3, 0x9F, 0xBF, 0x62}};
// {09843E16-0F5F-4997-B923-DBF10005BB46}
const GUID IID_IWEBSocketSink = {0x09843E16, 0x0F5F, 0x4997, {0xB9, 0x23, 0xDB, 0xF1, 0x00, 0x05, 0xBB, 0x46}};
// {B98886A0-3B99-401D-9BF9-5604A8597B76}
const GUID IID_IDownLoadSink = {0xB98886A0, 0x3B99, 0x401D, {0x9B, 0xF9, 0x56, 0x04, 0xA8, 0x59, 0x7B, 0x76}};

bool IsUnknownBaseVersion(uint32_t version) {
  const uint32_t b0 = version & 0xFF;
  const uint32_t b1 = (version >> 8) & 0xFF;
  const uint32_t b2 = (version >> 16) & 0xFF;
  const uint32_t b3 = (version >> 24) & 0xFF;
  return b0 == 1 && b1 <= 1 && b2 == 1 && b3 == 1;
}

void* QueryUnknownBase(void* self, const GUID& ownIid, const GUID& iid, uint32_t version) {
  if (!IsUnknownBaseVersion(version)) return nullptr;
  if (IsEqualGUID(iid, ownIid) || IsEqualGUID(iid, IID_IUnknownBase)) return self;
  return nullptr;
}
