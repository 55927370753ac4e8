// Where the framework looks for resources (dialog templates, strings, images).
// By default that is the module the framework is linked into: the program
// itself, or the DLL for a library that links the framework.
#pragma once

#include <windows.h>

HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);
// The module holding the named resource: the resource module first, then the
// program; null when neither has it.
HINSTANCE AfxFindResourceHandle(LPCWSTR lpszName, LPCWSTR lpszType);
