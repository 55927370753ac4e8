// IWEBSocketSink: what a CWEBSocket reports. Results are ignored by the socket.
#pragma once

#include "IUnknownBase.h"

extern const GUID IID_IWEBSocketSink;

struct IWEBSocketSink : public IUnknownBase {
  // error 0 = connected, otherwise the Winsock error of the attempt.
  virtual bool OnSocketConnect(int error) = 0;
  // reason 2 = the peer closed, 4 = local send or receive failure.
  virtual bool OnSocketClose(int reason) = 0;
  // Body bytes of the current response (length may be 0).
  virtual bool OnSocketData(const BYTE* data, uint16_t length) = 0;
  // The whole response header, its closing empty line included.
  virtual bool OnSocketHeader(const BYTE* header, uint16_t length, uint32_t status) = 0;

protected:
  ~IWEBSocketSink() = default;
};
