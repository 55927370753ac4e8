// CDialogTemplate: a dialog template built in memory, for dialogs that need
// no dialog resource. Coordinates are dialog units, as in a resource script.
#pragma once

#include <windows.h>

#include <vector>

#include "CString.h"

class CDialogTemplate {
public:
  CDialogTemplate(DWORD dwStyle, int x, int y, int cx, int cy, LPCWSTR lpszCaption = nullptr, DWORD dwExStyle = 0);

  // Adds DS_SETFONT with the given point size and face.
  void SetFont(WORD wPointSize, LPCWSTR lpszFaceName);
  // A control of a window class given by name ("BUTTON", "EDIT", "STATIC", ...).
  void AddControl(LPCWSTR lpszClassName, LPCWSTR lpszText, WORD wID, DWORD dwStyle, int x, int y, int cx, int cy,
                  DWORD dwExStyle = 0);

  // The template; valid until the builder changes or goes.
  const DLGTEMPLATE* Get();
  size_t GetSize();

private:
  struct Item {
    DWORD style, exStyle;
    short x, y, cx, cy;
    WORD id;
    CString className, text;
  };

  void Build();

  DWORD m_style, m_exStyle;
  short m_x, m_y, m_cx, m_cy;
  CString m_caption;
  WORD m_pointSize = 0;
  CString m_face;
  std::vector<Item> m_items;
  std::vector<WORD> m_buffer;
};
