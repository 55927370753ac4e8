// A DLL with its own copy of the framework, standing for a control library
// loaded by a framework program; the cross-module test drives it.
#pragma once

#include <windows.h>

#ifdef FRAMEWORK_PROBE_BUILD
#define PROBE_API extern "C" __declspec(dllexport)
#else
#define PROBE_API extern "C" __declspec(dllimport)
#endif

class CWnd;
class CMenu;

const UINT kProbePing = WM_APP + 40;

// A window object whose class lives in the DLL: it answers kProbePing by
// passing the message on with Default().
PROBE_API CWnd* ProbeMakeWindowObject();
// A DLL object subclassing hWnd that counts the commands reflected to it.
PROBE_API CWnd* ProbeSubclassCounter(HWND hWnd);
PROBE_API int ProbeReflectedCommands(CWnd* pWnd);
// The object bound to hWnd as the DLL's copy of the framework finds it.
PROBE_API CWnd* ProbeFindWindowObject(HWND hWnd);
// A popup menu object of the DLL with one owner-drawn item (id 600) that
// measures 33 pixels high.
PROBE_API CMenu* ProbeMakeMenu();
PROBE_API int ProbeMenuMeasured(CMenu* pMenu);
PROBE_API void ProbeDeleteWindowObject(CWnd* pWnd);
PROBE_API void ProbeDeleteMenu(CMenu* pMenu);
