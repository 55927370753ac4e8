// CUIRichEdit: a rich edit prepared as an append-only message view. Text is
// appended at the end in a given colour, and addresses beginning with
// "http://" inside it become links; bitmaps and animated pictures are
// embedded as OLE objects; the content is saved to and loaded from RTF files;
// a right-click menu offers copy, select all, delete, clear and save.
//
// Appending keeps a selection the user made; without one the view scrolls to
// the end. Link clicks reach the parent as EN_LINK notifications.
#pragma once

#include <windows.h>
#include <richedit.h>
#include <richole.h>

#include "CRichEditCtrl.h"
#include "DataObject.h"
#include "SkinctlApi.h"

class CBitmap;

class SKINCTL_API CUIRichEdit : public CRichEditCtrl {
 public:
  // Context-menu commands.
  enum {
    ID_MESSAGE_CLEAR = 1225,
    ID_MESSAGE_SELECTALL = 1226,
    ID_MESSAGE_COPY = 1227,
    ID_MESSAGE_DELETE = 1228,
    ID_MESSAGE_SAVE = 1229
  };

  CUIRichEdit();
  ~CUIRichEdit() override;

  // Text in a colour (and on a background colour), links found inside it.
  bool InsertString(LPCWSTR lpszText, COLORREF crText);
  bool InsertString(LPCWSTR lpszText, COLORREF crText, COLORREF crBack);
  // The whole text as one link (on a background colour).
  bool InsertHyperLink(LPCWSTR lpszText);
  bool InsertHyperLink(LPCWSTR lpszText, COLORREF crBack);

  // A bitmap as a static picture (the bitmap is copied into the picture).
  bool InsertImage(CBitmap* pBitmap);
  bool InsertDataObject(CDataObject* pDataObject);
  // An image file through the animated-picture component registered on the
  // system; false when the component is missing or refuses the file.
  bool InsertImage(LPCWSTR lpszFileName);

  bool CleanScreen();
  // No path: asks for one (a cancelled dialog saves nothing and is no
  // failure). False only when the file cannot be opened.
  bool SaveMessage(LPCWSTR lpszFileName);
  bool LoadMessage(LPCWSTR lpszFileName);

  static DWORD CALLBACK LoadCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb);
  static DWORD CALLBACK SaveCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb);

 protected:
  // The append with link detection every insertion goes through.
  bool InsertString(LPCWSTR lpszText, CHARFORMAT2W& format);
  bool EfficacyUrlChar(wchar_t ch) const;
  bool EfficacyUrlString(LPCWSTR lpszText) const;

  void PreSubclassWindow() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnDestroy();
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  void OnRButtonDown(UINT nFlags, CPoint point);
  void OnMessageCopy();
  void OnMessageSelectAll();
  void OnMessageDelete();
  void OnMessageClear();
  void OnMessageSave();

  IRichEditOle* m_pRichEditOle;

 private:
  void SetUp();
  void ReleaseOle();
  // Appends one piece at the end in the given format.
  void AppendPiece(const wchar_t* pText, size_t nLength, CHARFORMAT2W& format);
  // After an insertion: a selection the user had comes back, else the view
  // goes to the end (posted or sent).
  void RestoreSelection(const CHARRANGE& before, bool post);
};
