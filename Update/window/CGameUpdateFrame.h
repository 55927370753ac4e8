// The update window: a borderless frame showing a fixed picture, two progress
// bars (all files, the current file) with a knob each, and three lines of
// text, while the download manager fetches the update list. Created with
// Create (class "TolmGame"), it sizes, centres and titles itself and starts
// the downloads; it lives on the heap and deletes itself with its window. Its rounded,
// translucent edge is a layered skin window lying over it. A close button in
// the corner ends the program without starting the game.
//
// Its pictures and font are made once and kept. Progress notices come once
// per socket read; the frame paints for them at most once per paint
// interval, paints the last one within an interval of it, and paints the
// finished run before it hands over to the game.
#pragma once

// The engine uses Winsock 2, which must come before windows.h.
#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include <memory>

#include "CDownLoadManager.h"
#include "CSkinLayered.h"
#include "CUpdateArt.h"
#include "CString.h"
#include "CUpdateTextFont.h"
#include "CVirtualButton.h"
#include "CFrameWnd.h"
#include "CMemDC.h"
#include "IUpdateFrame.h"

// What the frame shows of the run, read from the manager when it paints.
struct CUpdateProgress {
  int nTotal;         // files in the list
  int nDone;          // completion notices handled
  uint64_t nStored;   // bytes of the current file on disk
  uint64_t nSize;     // size of the current file
  bool bFailed;       // the manager gave up on the current file
};

class CGameUpdateFrame : public CFrameWnd, public IUpdateFrame {
public:
  static const UINT kCloseCommand = 400;
  static const int kNameChars = 32;
  static const UINT_PTR kPaintTimer = 2;
  static const DWORD kPaintInterval = 40;  // ms: faster than this nobody sees a bar move

  CGameUpdateFrame();
  ~CGameUpdateFrame() override;

  // Paints the whole client area into dc.
  virtual void DrawFrame(HDC dc, int width, int height);
  void UpdateShape(int cx, int cy);
  void CreateDownLoadManager();

  // IUpdateFrame
  void SetCurrentFile(LPCWSTR name) override;
  void RunGame() override;
  void OnProgress() override;
  void OnDownLoadFailed(LPCWSTR name) override;

  LPCWSTR GetCurrentFileName() const { return m_szFileName; }
  const CString& GetGamePath() const { return m_strGamePath; }
  CDownLoadManager* GetManager() const { return m_pManager.get(); }
  CSkinLayered& GetSkin() { return m_Skin; }
  CVirtualButton& GetCloseButton() { return m_btClose; }
  // Paintings so far (DrawFrame calls) and the progress the last one showed
  // (all zero when it had none to show).
  long GetPaintCount() const { return m_nPaints; }
  const CUpdateProgress& GetPaintedProgress() const { return m_Painted; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // False when there is no manager or sink to read.
  virtual bool ReadProgress(CUpdateProgress& progress) const;

private:
  int OnCreate(LPCREATESTRUCTW lpcs);
  void OnSize(UINT nType, int cx, int cy);
  BOOL OnEraseBkgnd(HDC dc);
  void OnLButtonDown(POINT pt);
  void OnLButtonUp(POINT pt);
  void OnMouseMove(POINT pt);
  void OnMouseLeave();
  void OnTimer(UINT_PTR nIDEvent);
  LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam);
  void RedrawButton();
  void RepaintNow();

  wchar_t m_szFileName[kNameChars];
  CString m_strGamePath;
  CVirtualButton m_btClose;
  CSkinLayered m_Skin;
  std::unique_ptr<CDownLoadManager> m_pManager;

  CUpdateArt m_Art;
  CUpdateTextFont m_Font;
  CMemDC m_Buffer;  // the back buffer, kept between paintings

  bool m_bProgressDirty;  // a notice came after the last painting
  bool m_bPaintTimer;     // the timer that paints the last notice is set
  DWORD m_dwLastPaint;    // tick count of the last painting
  long m_nPaints;
  CUpdateProgress m_Painted;
};
