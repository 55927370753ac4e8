// IDownLoadSink: what a CDownLoad reports about one URL.
#pragma once

#include "IUnknownBase.h"

extern const GUID IID_IDownLoadSink;

struct IDownLoadSink : public IUnknownBase {
  // code 0 = the request failed, 1 = the asynchronous connect failed.
  virtual bool OnDownLoadError(uint32_t code) = 0;
  // kind 0 = connecting, 1 = response accepted, 2 = complete.
  virtual bool OnDownLoadStatus(uint32_t kind) = 0;
  virtual bool OnDownLoadData(const BYTE* data, uint16_t length) = 0;
  // A 200 (resumed false) or 206 (resumed true) response arrived. path is the
  // URL path of the request, its query included.
  virtual bool OnDownLoadBegin(bool resumed, uint32_t length, LPCWSTR etag, LPCWSTR path) = 0;

protected:
  ~IDownLoadSink() = default;
};
