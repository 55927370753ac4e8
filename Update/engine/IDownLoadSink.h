// IDownLoadSink: what a CDownLoad reports about one URL.
#pragma once

#include "IUnknownBase.h"

extern const GUID IID_IDownLoadSink;

struct IDownLoadSink : public IUnknownBase {
  enum ErrorCode : uint32_t {
    ErrorRequest = 0,  // the request failed
    ErrorConnect = 1,  // the asynchronous connect failed
    ErrorRange = 2     // a 206 did not start at the offset asked: what is on disk is of no use
  };
  virtual bool OnDownLoadError(uint32_t code) = 0;
  // kind 0 = connecting, 1 = response accepted, 2 = complete.
  virtual bool OnDownLoadStatus(uint32_t kind) = 0;
  virtual bool OnDownLoadData(const BYTE* data, uint16_t length) = 0;
  // A 200 (resumed false) or 206 (resumed true) response arrived. length is
  // the body's length, 0 when it is not announced (chunked, or ended by the
  // close of the connection). path is the URL path of the request, its
  // query included.
  virtual bool OnDownLoadBegin(bool resumed, uint64_t length, LPCWSTR etag, LPCWSTR path) = 0;

protected:
  ~IDownLoadSink() = default;
};
