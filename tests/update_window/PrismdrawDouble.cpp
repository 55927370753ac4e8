// A stand-in for the Prismdraw rendering library: it keeps a log of every call
// the updater makes and reports picture sizes of its own (the resource name's
// length times ten, by seven), so a test can tell them from the real ones.
#include <wchar.h>

#include <vector>

#include "CPrismdrawEngine.h"
#include "PrismdrawDouble.h"

namespace {

std::vector<PrismdrawCall> g_calls;
int g_factoryRuns = 0;

PrismdrawCall& Record(int op, int reserved, void* handle) {
  PrismdrawCall call = {};
  call.op = op;
  call.reserved = reserved;
  call.handle = handle;
  g_calls.push_back(call);
  return g_calls.back();
}

int StampedSize(void* handle, bool width) {
  const PrismdrawHandleStamp* stamp = static_cast<const PrismdrawHandleStamp*>(handle);
  if (stamp == nullptr || stamp->magic != kPrismdrawMagic) {
    return -1;
  }
  return width ? stamp->width : stamp->height;
}

void DescribeName(LPCWSTR name, wchar_t* out, size_t size) {
  if (IS_INTRESOURCE(name)) {
    swprintf(out, size, L"#%u", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
  } else {
    swprintf(out, size, L"%ls", name);
  }
}

class CPrismdrawDouble : public IPrismdraw {
public:
  int Load(int reserved, HMODULE module, LPCWSTR name, LPCWSTR type, void* handle) override {
    PrismdrawCall& call = Record(PRISMDRAW_LOAD, reserved, handle);
    call.module = module;
    DescribeName(name, call.name, 64);
    DescribeName(type, call.type, 16);
    PrismdrawHandleStamp* stamp = static_cast<PrismdrawHandleStamp*>(handle);
    stamp->magic = kPrismdrawMagic;
    stamp->width = static_cast<int>(wcslen(call.name)) * 10;
    stamp->height = 7;
    return 1;
  }
  int Destroy(int reserved, void* handle) override {
    Record(PRISMDRAW_DESTROY, reserved, handle);
    return 1;
  }
  int Width(int reserved, void* handle) override {
    Record(PRISMDRAW_WIDTH, reserved, handle);
    return StampedSize(handle, true);
  }
  int Height(int reserved, void* handle) override {
    Record(PRISMDRAW_HEIGHT, reserved, handle);
    return StampedSize(handle, false);
  }
};

CPrismdrawDouble g_engine;

}  // namespace

extern "C" __declspec(dllexport) IPrismdraw* CreatePrismdraw() {
  ++g_factoryRuns;
  return &g_engine;
}

extern "C" __declspec(dllexport) int PrismdrawCalls(const PrismdrawCall** calls) {
  *calls = g_calls.empty() ? nullptr : g_calls.data();
  return static_cast<int>(g_calls.size());
}

extern "C" __declspec(dllexport) int PrismdrawFactoryRuns() {
  return g_factoryRuns;
}
