// The records behind a skinned menu's entries, one kind per entry kind. A
// record's address is its entry's owner-draw item data. Records are kept in
// free pools and reused (see CUIMenu), never freed while the process runs.
#pragma once

#include <windows.h>

#include "CString.h"

enum enMenuItemType { MIT_IMAGE = 0, MIT_STRING = 1, MIT_SEPARATOR = 2 };

class CUIMenuItem {
 public:
  explicit CUIMenuItem(enMenuItemType type) : m_eType(type) {}
  virtual ~CUIMenuItem() {}
  CUIMenuItem(const CUIMenuItem&) = delete;
  CUIMenuItem& operator=(const CUIMenuItem&) = delete;

  enMenuItemType m_eType;
};

class CUIMenuImage : public CUIMenuItem {
 public:
  CUIMenuImage() : CUIMenuItem(MIT_IMAGE), m_hBitmap(nullptr) {}

  HBITMAP m_hBitmap;  // the caller's; not owned
};

class CUIMenuString : public CUIMenuItem {
 public:
  CUIMenuString() : CUIMenuItem(MIT_STRING) {}

  CString m_sText;
};

class CUIMenuSeparator : public CUIMenuItem {
 public:
  CUIMenuSeparator() : CUIMenuItem(MIT_SEPARATOR) {}
};
