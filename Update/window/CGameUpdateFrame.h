// The update window: a borderless frame showing a fixed picture, two progress
// bars (all files, the current file) with a knob each, and three lines of
// text, while the download manager fetches the update list. Created with
// Create (class "TolmGame"), it sizes, centres and titles itself and starts
// the downloads; it lives on the heap and deletes itself with its window. Its rounded,
// translucent edge is a layered skin window lying over it. A close button in
// the corner ends the program without starting the game.
#pragma once

// The engine uses Winsock 2, which must come before windows.h.
#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

#include <memory>

#include "CDownLoadManager.h"
#include "CSkinLayered.h"
#include "CString.h"
#include "CVirtualButton.h"
#include "CFrameWnd.h"
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

  CGameUpdateFrame();
  ~CGameUpdateFrame() override;

  // Paints the whole client area into dc.
  virtual void DrawFrame(HDC dc, int width, int height);
  void UpdateShape(int cx, int cy);
  void CreateDownLoadManager();

  // IUpdateFrame
  void SetCurrentFile(LPCWSTR name) override;
  void RunGame() override;
  HWND GetRedrawTarget() override { return m_hWnd; }
  void OnDownLoadFailed(LPCWSTR name) override;

  LPCWSTR GetCurrentFileName() const { return m_szFileName; }
  const CString& GetGamePath() const { return m_strGamePath; }
  CDownLoadManager* GetManager() const { return m_pManager.get(); }
  CSkinLayered& GetSkin() { return m_Skin; }
  CVirtualButton& GetCloseButton() { return m_btClose; }

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
  LRESULT OnCommandMessage(WPARAM wParam, LPARAM lParam);
  void RedrawButton();

  wchar_t m_szFileName[kNameChars];
  CString m_strGamePath;
  CVirtualButton m_btClose;
  CSkinLayered m_Skin;
  std::unique_ptr<CDownLoadManager> m_pManager;
};
