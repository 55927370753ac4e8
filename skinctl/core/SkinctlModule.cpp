#include "SkinctlModule.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE SkinctlModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }
