#include "UIMenuKernel.h"

#include "CBitImage.h"
#include "CDC.h"
#include "SkinStrip.h"
#include "UIMenuItem.h"
#include "UIResourceManager.h"
#include "../res/SkinctlResource.h"

CUIMenuAttr CUIMenuKernel::m_UIAttribute;

namespace {

// A colour of the scheme; the skin's own scheme when no render manager is
// registered (the same colours a manager with the default scheme gives).
COLORREF SchemeColor(CUIRenderManager* render, double saturation, double brightness) {
  if (render) return render->RenderColor(saturation, brightness);
  return CUIRenderManager::HSBToRGB(_UIRenderInfo().hue, saturation, brightness);
}

const CUIMenuItem* RecordOf(ULONG_PTR itemData) { return reinterpret_cast<const CUIMenuItem*>(itemData); }

}  // namespace

CUIMenuAttr::CUIMenuAttr()
    : m_crText(0), m_crSelectedText(0), m_crLeftBack(0), m_crSeparator(0), m_crItemBack(0), m_crSelectedFill(0),
      m_crSelectedFrame(0) {}

bool CUIMenuAttr::Initialization(CUIRenderManager* render) {
  m_crText = SchemeColor(render, 0.99, 0.29);
  m_crSelectedText = SchemeColor(render, 1.95, 0.75);
  m_crLeftBack = SchemeColor(render, 0.35, 0.93);
  m_crSeparator = SchemeColor(render, 0.95, 0.90);
  m_crItemBack = SchemeColor(render, 0.0, 1.0);
  m_crSelectedFill = SchemeColor(render, 0.13, 0.98);
  m_crSelectedFrame = SchemeColor(render, 0.66, 0.87);
  return true;
}

CUIMenuKernel::CUIMenuKernel() {}

CUIMenuKernel::~CUIMenuKernel() {}

// ------------------------------------------------------------------ measuring

void CUIMenuKernel::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct == nullptr || lpMeasureItemStruct->CtlType != ODT_MENU) return;
  const CUIMenuItem* record = RecordOf(lpMeasureItemStruct->itemData);
  if (record == nullptr) return;
  switch (record->m_eType) {
    case MIT_IMAGE: {
      BITMAP bm = {};
      const HBITMAP bitmap = static_cast<const CUIMenuImage*>(record)->m_hBitmap;
      if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof bm, &bm) == 0) bm = BITMAP();
      lpMeasureItemStruct->itemWidth = static_cast<UINT>(bm.bmWidth + EXTRA_WIDTH);
      lpMeasureItemStruct->itemHeight = static_cast<UINT>(bm.bmHeight + IMAGE_EXTRA_HEIGHT);
      break;
    }
    case MIT_STRING: {
      const CString& text = static_cast<const CUIMenuString*>(record)->m_sText;
      SIZE extent = {};
      if (HDC screen = ::GetDC(nullptr)) {
        HGDIOBJ oldFont = nullptr;
        if (HFONT font = SkinDefaultFont()) oldFont = ::SelectObject(screen, font);
        ::GetTextExtentPoint32W(screen, text, text.GetLength(), &extent);
        if (oldFont) ::SelectObject(screen, oldFont);
        ::ReleaseDC(nullptr, screen);
      }
      lpMeasureItemStruct->itemWidth = static_cast<UINT>(extent.cx + EXTRA_WIDTH);
      lpMeasureItemStruct->itemHeight = STRING_HEIGHT;
      break;
    }
    case MIT_SEPARATOR:
      lpMeasureItemStruct->itemWidth = 0;
      lpMeasureItemStruct->itemHeight = SEPARATOR_HEIGHT;
      break;
  }
}

// ------------------------------------------------------------------ drawing

void CUIMenuKernel::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct == nullptr || lpDrawItemStruct->CtlType != ODT_MENU) return;
  const CUIMenuItem* record = RecordOf(lpDrawItemStruct->itemData);
  if (record == nullptr) return;
  CDC* dc = CDC::FromHandle(lpDrawItemStruct->hDC);
  if (dc == nullptr) return;
  const CUIMenuAttr& attr = m_UIAttribute;
  const CRect r(lpDrawItemStruct->rcItem);
  const UINT state = lpDrawItemStruct->itemState;
  const bool selected = (state & ODS_SELECTED) != 0;
  const bool disabled = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
  const int saved = dc->SaveDC();

  dc->FillSolidRect(r.left, r.top, LEFT_COLUMN, r.Height(), attr.m_crLeftBack);
  dc->FillSolidRect(r.left + LEFT_COLUMN, r.top, r.Width() - LEFT_COLUMN, r.Height(), attr.m_crItemBack);
  if (selected && !disabled && record->m_eType != MIT_SEPARATOR) {
    dc->Draw3dRect(r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 2, attr.m_crSelectedFrame,
                   attr.m_crSelectedFrame);
    dc->FillSolidRect(r.left + 2, r.top + 2, r.Width() - 4, r.Height() - 4, attr.m_crSelectedFill);
  }
  if (state & ODS_CHECKED) DrawCheckMark(dc, r, selected && !disabled);
  DrawContent(dc, record, r, selected, disabled);
  dc->RestoreDC(saved);
}

void CUIMenuKernel::DrawCheckMark(CDC* pDC, const RECT& item, bool selected) {
  // Loaded and recoloured for every draw: the scheme may have changed.
  CBitImage strip;
  if (!SkinStrip::Load(strip, nullptr, nullptr, IDB_MENU_CHECK, true)) return;
  strip.BitBlt(pDC->GetSafeHdc(), item.left + 1, item.top + 1, CHECK_SIZE, CHECK_SIZE, selected ? CHECK_SIZE : 0, 0,
               SRCCOPY);
}

void CUIMenuKernel::DrawContent(CDC* pDC, const CUIMenuItem* record, const RECT& item, bool selected,
                                bool disabled) {
  const CUIMenuAttr& attr = m_UIAttribute;
  const CRect r(item);
  switch (record->m_eType) {
    case MIT_IMAGE: {
      const HBITMAP bitmap = static_cast<const CUIMenuImage*>(record)->m_hBitmap;
      BITMAP bm = {};
      if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof bm, &bm) == 0) return;
      CDC source;
      if (!source.CreateCompatibleDC(pDC)) return;
      HGDIOBJ old = source.SelectObject(bitmap);
      pDC->BitBlt(r.left + TEXT_LEFT, r.top + 3, bm.bmWidth, bm.bmHeight, &source, 0, 0, SRCCOPY);
      source.SelectObject(old);
      return;
    }
    case MIT_STRING: {
      pDC->SetBkMode(TRANSPARENT);
      if (HFONT font = SkinDefaultFont()) pDC->SelectObject(font);
      pDC->SetTextColor(disabled ? ::GetSysColor(COLOR_GRAYTEXT) : selected ? attr.m_crSelectedText : attr.m_crText);
      CRect area(r.left + TEXT_LEFT, r.top, r.right - 3, r.bottom);
      pDC->DrawText(static_cast<const CUIMenuString*>(record)->m_sText, &area,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
      return;
    }
    case MIT_SEPARATOR:
      pDC->FillSolidRect(r.left + TEXT_LEFT, r.top + 1, r.Width() - EXTRA_WIDTH, r.Height() - 2, attr.m_crSeparator);
      return;
  }
}
