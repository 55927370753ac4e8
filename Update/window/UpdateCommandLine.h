// The updater's command line, "<game program path>|<manifest URL>", and the
// start of the game program. Each window takes the part it needs itself.
#pragma once

#include <windows.h>

#include "CString.h"

// Split at the first "|": the text before it and everything after it. Both
// are empty when there is no "|".
void SplitUpdateCommandLine(LPCWSTR commandLine, CString& gamePath, CString& manifestUrl);

// The command line as the framework handed it to the application (empty
// without an application object).
LPCWSTR GetUpdateCommandLine();

// Starts the game program with "open" and the single parameter "UPDATED".
// Whether it started is not looked at; an empty path starts nothing.
void LaunchGameProgram(LPCWSTR gamePath);
