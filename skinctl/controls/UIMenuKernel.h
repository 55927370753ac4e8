// CUIMenuKernel: the menu handle of a skinned menu (CUIMenu). It measures
// and draws the owner-drawn entries - text, bitmap and separator records -
// in the skin's colours: a light left column, a framed selection and a drawn
// check mark. Its owner window routes WM_MEASUREITEM and WM_DRAWITEM of the
// menu here, as framework windows do.
#pragma once

#include "CMenu.h"
#include "SkinctlApi.h"
#include "UIRenderManager.h"

class CDC;
class CUIMenuItem;

class SKINCTL_API CUIMenuAttr {
 public:
  // All colours 0 until Initialization.
  CUIMenuAttr();

  // The colours from the scheme of the given render manager; without one,
  // from the skin's own scheme.
  bool Initialization(CUIRenderManager* render);

  COLORREF m_crText;
  COLORREF m_crSelectedText;
  COLORREF m_crLeftBack;
  COLORREF m_crSeparator;
  COLORREF m_crItemBack;
  COLORREF m_crSelectedFill;
  COLORREF m_crSelectedFrame;
};

class SKINCTL_API CUIMenuKernel : public CMenu {
 public:
  enum {
    LEFT_COLUMN = 22,   // width of the light column on the left
    TEXT_LEFT = 30,     // where texts, bitmaps and separator lines start
    EXTRA_WIDTH = 33,   // added to an entry's content width
    STRING_HEIGHT = 22,
    IMAGE_EXTRA_HEIGHT = 6,
    SEPARATOR_HEIGHT = 3,
    CHECK_SIZE = 20     // one frame of the check-mark strip
  };

  CUIMenuKernel();
  ~CUIMenuKernel() override;

  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  static CUIMenuAttr m_UIAttribute;

 private:
  static void DrawCheckMark(CDC* pDC, const RECT& item, bool selected);
  static void DrawContent(CDC* pDC, const CUIMenuItem* record, const RECT& item, bool selected, bool disabled);
};
