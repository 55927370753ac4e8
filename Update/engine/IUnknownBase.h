// IUnknownBase: root of the updater's callback interfaces. Objects are owned
// by embedding, so Release does nothing; QueryInterface hands out the
// interface asked for when the caller's interface version is one we speak.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

// The version every caller passes.
const uint32_t UNKNOWN_BASE_VERSION = 0x01010101;

extern const GUID IID_IUnknownBase;

struct IUnknownBase {
  virtual void Release() = 0;
  virtual void* QueryInterface(const GUID& iid, uint32_t version) = 0;

protected:
  ~IUnknownBase() = default;
};

// Bytes 0, 2 and 3 must be 1 and byte 1 at most 1 (byte 0 is the lowest).
bool IsUnknownBaseVersion(uint32_t version);

// The common answer of an implementation of interface ownIid: the pointer
// when iid is ownIid or IID_IUnknownBase and the version passes, else null.
void* QueryUnknownBase(void* self, const GUID& ownIid, const GUID& iid, uint32_t version);
