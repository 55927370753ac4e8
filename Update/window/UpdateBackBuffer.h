// The off-screen 32-bit images the updater's windows compose their pictures
// in (the framework's CMemDC).
#pragma once

#include <windows.h>

#include "CMemDC.h"

// `buffer` as a wholly transparent image of width x height: made anew only
// when it has another size, otherwise cleared, so a window can keep one
// between paintings. Raises the framework's out-of-memory exception when the
// image cannot be made.
CMemDC& PrepareBackBuffer(CMemDC& buffer, int width, int height);
