// Reads the import tables of loaded modules: where a module's calls of a
// user32 function go, and how many of the eight scroll-bar functions it
// imports from elsewhere than user32 (redirected).
#pragma once

#include <windows.h>

// The address a module's import slot for the user32 function holds; null
// when the module does not import it.
void* ImportSlot(HMODULE module, const char* name);

namespace ImportSlots {
// The scroll-bar functions the module imports that are not user32's own.
int Redirected(HMODULE module);
// The same for the module that holds a window's class procedure.
int Redirected(HWND window);
// Those that the module imports at all.
int Imported(HMODULE module);
}  // namespace ImportSlots
