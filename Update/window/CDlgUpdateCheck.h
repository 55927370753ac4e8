// The check dialog: a small modal picture with a status line and an endless
// progress sweep, shown while the server manifest is fetched and compared.
// Its sink ends it: 1 = start the game at once, 2 = open the update frame.
// The system close command ends it with 2 as well. Like the frame it has a
// layered skin for its translucent edge. Its pictures and font are made once
// and kept: the sweep repaints every 20 ms.
#pragma once

// The engine uses Winsock 2, which must come before windows.h.
#include <winsock2.h>
#include <windows.h>

#include <memory>

#include "CDialog.h"
#include "CMemDC.h"
#include "CSkinLayered.h"
#include "CUpdateArt.h"
#include "CString.h"
#include "CUpdateCheckSink.h"
#include "CUpdateTextFont.h"
#include "IUpdateCheckOwner.h"

class CDlgUpdateCheck : public CDialog, public IUpdateCheckOwner {
public:
  static const UINT_PTR kAnimationTimer = 10;
  static const UINT kAnimationPeriod = 20;  // ms

  explicit CDlgUpdateCheck(CWnd* pParent = nullptr);
  ~CDlgUpdateCheck() override;

  void SetStatusText(LPCWSTR text) { m_strStatus = text; }
  const CString& GetStatusText() const { return m_strStatus; }
  const CString& GetManifestUrl() const { return m_strUrl; }
  int GetCounter() const { return m_nCounter; }
  void SetCounter(int counter) { m_nCounter = counter; }
  CSkinLayered& GetSkin() { return m_Skin; }
  CUpdateCheckSink* GetSink() const { return m_pSink.get(); }

  BOOL OnInitDialog() override;
  // Starts fetching the manifest unless a fetch is under way.
  void StartCheck(LPCWSTR url);
  // Paints the whole client area (width x height) into dc.
  void DrawCheck(HDC dc, int width, int height);

  // IUpdateCheckOwner
  void EndCheck(int result) override;

  BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  void OnTimer(UINT_PTR nIDEvent);
  BOOL OnEraseBkgnd(HDC dc);
  void OnLButtonDown(LPARAM lParam);
  void Redraw();

  int m_nCounter;
  CString m_strStatus;
  CString m_strUrl;
  CSkinLayered m_Skin;
  std::unique_ptr<CUpdateCheckSink> m_pSink;

  CUpdateArt m_Art;
  CUpdateTextFont m_Font;
  CMemDC m_Buffer;  // the back buffer, kept between paintings
};
