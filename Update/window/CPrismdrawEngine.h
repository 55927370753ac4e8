// The optional rendering library Prismdraw. When "Prismdraw.dll" is beside
// the program (or on the DLL search path) its factory "CreatePrismdraw" hands
// out one engine object for the whole process; pictures then ask it for their
// sizes. Drawing itself always goes through GDI+.
#pragma once

#include <windows.h>

// The engine's interface, in the order of its slots. Every operation takes a
// reserved first argument (always 0) and the address of a picture's
// engine handle (CPrismdrawEngine::kHandleSize bytes owned by the caller).
class IPrismdraw {
public:
  virtual int Load(int reserved, HMODULE module, LPCWSTR name, LPCWSTR type, void* handle) = 0;
  virtual int Destroy(int reserved, void* handle) = 0;
  virtual int Width(int reserved, void* handle) = 0;
  virtual int Height(int reserved, void* handle) = 0;

protected:
  ~IPrismdraw() = default;
};

typedef IPrismdraw* (*PFN_CREATE_PRISMDRAW)();

class CPrismdrawEngine {
public:
  static const int kHandleSize = 520;

  // The process's engine, loaded on the first call; null when the library,
  // its factory or the engine object is missing. Never unloaded.
  static IPrismdraw* Get();

private:
  CPrismdrawEngine();
  HMODULE m_hModule;
  IPrismdraw* m_pEngine;
};
