// What the test double of the Prismdraw library records, shared by the double
// and the test that loads it.
#pragma once

#include <windows.h>

enum PrismdrawOp { PRISMDRAW_LOAD = 1, PRISMDRAW_DESTROY, PRISMDRAW_WIDTH, PRISMDRAW_HEIGHT };

struct PrismdrawCall {
  int op;
  int reserved;
  HMODULE module;
  wchar_t name[64];  // the resource name, or "#n" for an integer id
  wchar_t type[16];
  void* handle;
};

// The double writes this into a picture's handle when it loads it, and
// answers width and height from it.
struct PrismdrawHandleStamp {
  DWORD magic;
  int width;
  int height;
};

const DWORD kPrismdrawMagic = 0x57444D50;  // "PMDW"

// Exported by the double: the calls so far (oldest first) and their number.
typedef int (*PFN_PRISMDRAW_CALLS)(const PrismdrawCall** calls);
// Exported by the double: how often the factory ran.
typedef int (*PFN_PRISMDRAW_FACTORY_RUNS)();
