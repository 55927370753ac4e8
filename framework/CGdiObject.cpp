#include "CGdiObject.h"

#include "AfxThreadState.h"
#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"
#include "CRgn.h"

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
  return m_hObject ? ::GetObjectW(m_hObject, nCount, lpObject) : 0;
}

UINT CGdiObject::GetObjectType() const { return m_hObject ? static_cast<UINT>(::GetObjectType(m_hObject)) : 0; }

template <class T>
T* CGdiObject::TempFromHandle(HGDIOBJ hObject) {
  if (!hObject) return nullptr;
  auto& slot = AfxGetThreadState()->tempGdi[hObject];
  if (T* existing = dynamic_cast<T*>(slot.get())) return existing;
  if (slot) slot->Detach();
  T* temp = new T();
  temp->m_hObject = hObject;
  slot.reset(temp);
  return temp;
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  switch (hObject ? ::GetObjectType(hObject) : 0) {
    case OBJ_FONT: return TempFromHandle<CFont>(hObject);
    case OBJ_BRUSH: return TempFromHandle<CBrush>(hObject);
    case OBJ_PEN:
    case OBJ_EXTPEN: return TempFromHandle<CPen>(hObject);
    case OBJ_BITMAP: return TempFromHandle<CBitmap>(hObject);
    case OBJ_REGION: return TempFromHandle<CRgn>(hObject);
    default: return TempFromHandle<CGdiObject>(hObject);
  }
}

CFont* CFont::FromHandle(HFONT hFont) { return TempFromHandle<CFont>(hFont); }
CBrush* CBrush::FromHandle(HBRUSH hBrush) { return TempFromHandle<CBrush>(hBrush); }
CPen* CPen::FromHandle(HPEN hPen) { return TempFromHandle<CPen>(hPen); }
CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) { return TempFromHandle<CBitmap>(hBitmap); }
CRgn* CRgn::FromHandle(HRGN hRgn) { return TempFromHandle<CRgn>(hRgn); }
