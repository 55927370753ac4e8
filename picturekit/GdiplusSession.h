// GDI+ is started on first use and stays up for the life of the process:
// GdiplusShutdown must not run from a DLL's detach, where a library's statics
// would end it.
#pragma once

namespace GdiplusSession {
bool Ensure();
}
