// Window messages of the updater's engine. WM_SOCKET_NOTIFY and WM_FILE_DONE
// share a number; they go to different windows (a socket's hidden window and
// the download manager).
#pragma once

#include <winsock2.h>
#include <windows.h>

#define WM_SOCKET_NOTIFY (WM_USER + 100)
#define WM_FILE_DONE (WM_USER + 100)
#define WM_PROGRESS (WM_USER + 101)
// The manifest comparison ended (posted from its thread to the check sink;
// wParam: 1 when files must be fetched).
#define WM_COMPARE_DONE (WM_USER + 102)
// A socket's host name lookup ended (posted from the lookup's thread to the
// socket's hidden window; wParam: the lookup's number, lParam: the IPv4
// address, INADDR_NONE when the name was not found).
#define WM_SOCKET_RESOLVED (WM_USER + 103)
