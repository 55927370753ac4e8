// The window class of the update frame, "TolmGame": double-click
// notification, the program's icon 212, the arrow cursor, no background
// brush and no menu. Its procedure is DefWindowProcW; the framework
// subclasses the frame while it is created.
#pragma once

#include <windows.h>

extern const wchar_t kUpdateWindowClass[];

// False when the class could not be registered (an existing registration
// of this module counts as success).
bool RegisterUpdateWindowClass(HINSTANCE hInstance);
