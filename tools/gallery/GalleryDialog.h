// The gallery: a skinned dialog showing the library's controls in each of
// their states (normal, hovered, pressed, checked, disabled) in the current
// colour scheme.
#pragma once

#include <string>

#include "GalleryListMenu.h"
#include "PinnedControls.h"
#include "UICheckButton.h"
#include "UIDialog.h"
#include "UIEditEx.h"
#include "UISplitter.h"
#include "UITabCtrl.h"

class CGalleryDialog : public CUIDialog, private ISplitterEvent {
 public:
  enum { IDD = 100 };
  enum Timer { POLL_TIMER = 1, QUIT_TIMER = 2 };

  // control: a folder through which a script drives the gallery (empty: none).
  // The gallery writes "ready" once it is on screen, applies the
  // second scheme when "switch" appears (and writes "switched"), and ends
  // when "quit" appears. "menu" shows the list's pop-up menu (and "menu-open"
  // is written once it is on screen) until "menu-close" appears ("menu-closed"
  // follows). quitAfter in milliseconds, 0 = never.
  CGalleryDialog(const _UIRenderInfo& second, const std::wstring& control, UINT quitAfter);

  void OnDrawClientArea(CDC* pDC, int cx, int cy) override;

 protected:
  BOOL OnInitDialog() override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

 private:
  void AttachControls();
  void PlaceControls();
  void Place(CWnd& control, int x, int y, int cx, int cy);
  void OnSplitterMove(UINT nID, int x, int y) override;
  void Poll();
  bool Exists(const wchar_t* name) const;
  void Touch(const wchar_t* name) const;
  void DrawSchemeSwatches(CDC* pDC, int x, int y);

  _UIRenderInfo m_Second;
  std::wstring m_sControl;
  UINT m_nQuitAfter;
  bool m_bReady;
  bool m_bSwitched;
  bool m_bMessagesShown = false;

  CUIButton m_Normal;
  CPinnedHoverButton m_Hover;
  CUIButton m_Pressed;
  CUICheckButton m_Checked;
  CUIButton m_Disabled;
  CUICheckButton m_CheckOff, m_CheckOn, m_CheckOnDisabled;
  CUIEdit m_Edit, m_EditDisabled;
  CUIEditEx m_EditOwn;
  CUIComboBox m_Editable, m_ListOnly, m_EditableDisabled;
  CPinnedHoverComboBox m_Hovered;
  CUIComboBox m_OwnerDrawn;
  CUITabCtrl m_Tabs;
  CUISplitter m_Splitter;
  CUIHyperLink m_Link, m_Visited;
  CPinnedHoverLink m_HoverLink;
  CGalleryListMenu m_ListMenu;
  bool m_bMenuShown;
};
