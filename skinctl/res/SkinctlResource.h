// Identifiers of the skinned control library's own resources.
#pragma once

#define IDC_SKIN_HAND 2000

// The default bitmap window frame, piece by piece.
#define IDB_FRAME_TOP_RIGHT 2003
#define IDB_FRAME_BOTTOM_LEFT 2004
#define IDB_FRAME_BOTTOM_MID 2005
#define IDB_FRAME_BOTTOM_RIGHT 2006
#define IDB_FRAME_MID_LEFT 2007
#define IDB_FRAME_MID_RIGHT 2008
#define IDB_FRAME_TOP_LEFT 2009
#define IDB_FRAME_TOP_MID 2010

// Five-frame strips: push button, caption buttons, combo drop button.
#define IDB_BUTTON_STRIP 2011
#define IDB_SYS_MAXIMIZE 2018
#define IDB_SYS_MINIMIZE 2019
#define IDB_SYS_RESTORE 2020
#define IDB_COMBO_DROP 2025
#define IDB_MENU_CHECK 2026
#define IDB_HEADER_RIGHT 2027
#define IDB_HEADER_LEFT 2028
#define IDB_HEADER_BODY 2029
#define IDB_SYS_CLOSE 2031
#define IDB_SCROLLBAR_SHEET 2032
