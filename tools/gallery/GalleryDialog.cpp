#include "GalleryDialog.h"

#include <windowsx.h>

#include <algorithm>

#include "CDC.h"
#include "GalleryMessages.h"
#include "UIResourceManager.h"

namespace {

const int kWidth = 1000, kHeight = 520;
const int kLeft = 20;
const int kColumn = 560;  // the width of each column of sections
const CRect kListArea(kColumn, 66, kWidth - kLeft, 446);
const UINT kButtonStrip = 2011;  // the library's own push-button strip

HINSTANCE SkinctlModuleHandle() { return GetModuleHandleW(L"Skinctl.dll"); }

struct Section {
  int x, y;
  const wchar_t* title;
};
const Section kSections[] = {{kLeft, 46, L"Push buttons: normal, hovered, pressed, checked, disabled"},
                             {kLeft, 96, L"Check buttons: unchecked, checked, checked and disabled"},
                             {kLeft, 146, L"Edit controls: enabled, disabled, with colours of its own"},
                             {kLeft, 198, L"Combo boxes: editable, list only, disabled, hovered"},
                             {kLeft, 262, L"Tab control, splitter, hyperlinks; an owner-drawn list dropped down"},
                             {kColumn, 46, L"Report list: 300 players, sortable; right-click for the menu"}};

}  // namespace

CGalleryDialog::CGalleryDialog(const _UIRenderInfo& second, const std::wstring& control, UINT quitAfter)
    : CUIDialog(IDD, nullptr), m_Second(second), m_sControl(control), m_nQuitAfter(quitAfter), m_bReady(false),
      m_bSwitched(false), m_bMenuShown(false) {}

BOOL CGalleryDialog::OnInitDialog() {
  CUIDialog::OnInitDialog();
  SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER);
  CenterWindow();
  AttachControls();
  PlaceControls();
  if (!m_sControl.empty()) SetTimer(POLL_TIMER, 100);
  if (m_nQuitAfter) SetTimer(QUIT_TIMER, m_nQuitAfter);
  return FALSE;
}

void CGalleryDialog::AttachControls() {
  // Push buttons: the library's strip, recoloured, its corners keyed out.
  auto skin = [this](CUIButton& button, UINT id) {
    if (id) button.SubclassDlgItem(id, this);
    button.SetButtonImage(kButtonStrip, SkinctlModuleHandle(), true, true);
  };
  skin(m_Normal, 1001);
  m_Hover.Create(L"Hovered", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 69, 20), this, 1002);
  skin(m_Hover, 0);
  m_Hover.Pin();
  skin(m_Pressed, 1003);
  m_Pressed.SetState(TRUE);
  skin(m_Checked, 1004);
  m_Checked.SetCheck(1);
  skin(m_Disabled, 1005);
  skin(m_CheckOff, 1011);
  skin(m_CheckOn, 1012);
  m_CheckOn.SetCheck(1);
  skin(m_CheckOnDisabled, 1013);
  m_CheckOnDisabled.SetCheck(1);

  m_Edit.SubclassDlgItem(1021, this);
  m_Edit.SetWindowText(L"Player name");
  m_EditDisabled.SubclassDlgItem(1022, this);
  m_EditDisabled.SetWindowText(L"Disabled edit");
  m_EditOwn.SubclassDlgItem(1023, this);
  m_EditOwn.SetEnableColor(RGB(20, 70, 20), RGB(232, 244, 222), RGB(90, 150, 90));
  m_EditOwn.SetWindowText(L"Own colours");

  static const wchar_t* const games[] = {L"Texas Hold'em", L"Mahjong", L"Bridge", L"Go", L"Chess"};
  CUIComboBox* combos[] = {&m_Editable, &m_ListOnly, &m_EditableDisabled, &m_Hovered, &m_OwnerDrawn};
  for (int i = 0; i < 5; ++i) {
    combos[i]->SubclassDlgItem(1031 + i, this);
    for (const wchar_t* game : games) combos[i]->AddString(game);
    combos[i]->SetCurSel(i);
    combos[i]->SetRenderImage(true);
  }
  m_Hovered.Pin();

  m_Tabs.Create(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 10, 10), this, 1041);
  m_Tabs.InsertItem(0, L"Lobby");
  m_Tabs.InsertItem(1, L"Tables");
  m_Tabs.InsertItem(2, L"Friends");
  m_Tabs.SetCurSel(0);
  m_Splitter.SubclassDlgItem(1042, this);
  m_Splitter.SetSplitterType(SPLITTER_VERTICAL);
  m_Splitter.SetSplitterEvent(this);
  m_Link.SubclassDlgItem(1051, this);
  m_Visited.SubclassDlgItem(1052, this);
  m_Visited.SetVisited(true);
  m_HoverLink.SubclassDlgItem(1053, this);
  m_HoverLink.Pin();
  m_ListMenu.Create(this, kListArea, 1061);
}

void CGalleryDialog::Place(CWnd& control, int x, int y, int cx, int cy) {
  // No size given: the control keeps its own (a link sized to its text).
  const UINT keepSize = (cx == 0 && cy == 0) ? SWP_NOSIZE : 0;
  if (control.m_hWnd) control.SetWindowPos(nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | keepSize);
}

void CGalleryDialog::PlaceControls() {
  CUIButton* pushes[] = {&m_Normal, &m_Hover, &m_Pressed, &m_Checked, &m_Disabled};
  for (int i = 0; i < 5; ++i) Place(*pushes[i], kLeft + i * 84, 66, 69, 20);
  CUIButton* checks[] = {&m_CheckOff, &m_CheckOn, &m_CheckOnDisabled};
  for (int i = 0; i < 3; ++i) Place(*checks[i], kLeft + i * 84, 116, 69, 20);
  CUIEdit* edits[] = {&m_Edit, &m_EditDisabled, &m_EditOwn};
  for (int i = 0; i < 3; ++i) Place(*edits[i], kLeft + i * 170, 166, 150, 22);
  CUIComboBox* combos[] = {&m_Editable, &m_ListOnly, &m_EditableDisabled, &m_Hovered};
  for (int i = 0; i < 4; ++i) Place(*combos[i], kLeft + i * 130, 218, 118, 150);

  Place(m_Tabs, kLeft, 282, 290, 132);
  ::SetWindowPos(m_Tabs.m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Place(m_Link, kLeft + 20, 322, 0, 0);
  Place(m_Visited, kLeft + 20, 346, 0, 0);
  Place(m_HoverLink, kLeft + 20, 370, 0, 0);
  Place(m_Splitter, 324, 282, 6, 132);
  m_Splitter.SetSplitterRange(kLeft + 200, kWidth - 180);
  Place(m_OwnerDrawn, 344, 282, 190, 160);
}

void CGalleryDialog::OnSplitterMove(UINT, int x, int) {
  // The tab control ends at the bar, the list begins after it.
  Place(m_Tabs, kLeft, 282, x - 7 - kLeft, 132);
  Place(m_OwnerDrawn, x + 17, 282, kWidth - x - 37, 160);
}

BOOL CGalleryDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CUIDialog::OnCommand(wParam, lParam)) return TRUE;
  // Check buttons are toggled by their host.
  if (HIWORD(wParam) == BN_CLICKED) {
    for (CUICheckButton* check : {&m_Checked, &m_CheckOff, &m_CheckOn}) {
      if (check->m_hWnd && check->GetDlgCtrlID() == LOWORD(wParam)) {
        check->SetCheck(!check->GetCheck());
        return TRUE;
      }
    }
  }
  return FALSE;
}

LRESULT CGalleryDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == POLL_TIMER) {
    Poll();
    return 0;
  }
  if (message == WM_CONTEXTMENU && m_ListMenu.IsList(reinterpret_cast<HWND>(wParam))) {
    // From the keyboard (no point): over the list.
    const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    m_ListMenu.ShowMenu(this, lParam == -1 ? nullptr : &at);
    return 0;
  }
  if (message == WM_TIMER && wParam == QUIT_TIMER) {
    KillTimer(QUIT_TIMER);
    EndDialog(IDOK);
    return 0;
  }
  return CUIDialog::WindowProc(message, wParam, lParam);
}

bool CGalleryDialog::Exists(const wchar_t* name) const {
  return ::GetFileAttributesW((m_sControl + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CGalleryDialog::Touch(const wchar_t* name) const {
  HANDLE file = ::CreateFileW((m_sControl + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
}

void CGalleryDialog::Poll() {
  // Painted by the time the first poll comes round; the owner-drawn list is
  // dropped down for the pictures.
  if (!m_bReady && IsWindowVisible()) {
    m_OwnerDrawn.ShowDropDown(TRUE);
    UpdateWindow();
    m_bReady = true;
    Touch(L"ready");
  }
  // Polled from inside the menu's own loop too while the menu is open.
  if (m_ListMenu.IsMenuShowing()) {
    if (!Exists(L"menu-open") && CGalleryListMenu::MenuOnScreen()) Touch(L"menu-open");
    if (Exists(L"menu-close") || Exists(L"quit")) CGalleryListMenu::CloseMenu();
  } else if (m_bReady && !m_bMenuShown && Exists(L"menu")) {
    m_bMenuShown = true;
    m_ListMenu.ShowMenu(this);
    Touch(L"menu-closed");
  }
  if (m_bReady && !m_bSwitched && Exists(L"switch")) {
    m_bSwitched = true;
    if (CUIResourceManager* resources = CUIResourceManager::GetInstance()) resources->SetUIResource(m_Second);
    Touch(L"switched");
  }
  // "messages": the message view opens over the gallery, showing the control
  // folder's "picture.gif"; "messages-shown" follows.
  if (m_bReady && !m_bMessagesShown && Exists(L"messages")) {
    m_bMessagesShown = true;
    CGalleryMessages::Open(this, m_sControl + L"\\picture.gif");
    Touch(L"messages-shown");
  }
  if (Exists(L"quit")) {
    KillTimer(POLL_TIMER);
    EndDialog(IDOK);
  }
}

void CGalleryDialog::OnDrawClientArea(CDC* pDC, int cx, int cy) {
  CUIRenderManager* render = CUIRenderManager::GetInstance();
  const COLORREF heading =
      render ? render->RenderColor(0.75, 0.45) : COLORREF(CUIRenderManager::HSBToRGB(203, 0.75, 0.45));
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(heading);
  for (const Section& section : kSections) {
    const int right = std::min(section.x + kColumn - 2 * kLeft, cx - kLeft);
    CRect line(section.x, section.y, right, section.y + 16);
    pDC->DrawText(section.title, -1, &line, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->FillSolidRect(section.x, section.y + 17, right - section.x, 1, render ? render->RenderColor(0.2, 0.9) : heading);
  }
  DrawSchemeSwatches(pDC, kLeft, cy - m_UIAttribute.m_EncircleInfo.nBottom - 54);
}

void CGalleryDialog::DrawSchemeSwatches(CDC* pDC, int x, int y) {
  CUIRenderManager* render = CUIRenderManager::GetInstance();
  if (render == nullptr) return;
  // The colour pairs the controls derive from the scheme.
  static const double pairs[][2] = {{0.99, 0.42}, {0.77, 0.65}, {0.95, 0.90}, {0.13, 0.98},
                                    {0.66, 0.87}, {0.60, 0.62}, {0.40, 0.80}, {0.20, 0.95}};
  for (size_t i = 0; i < sizeof pairs / sizeof pairs[0]; ++i) {
    const COLORREF c = render->RenderColor(pairs[i][0], pairs[i][1]);
    pDC->FillSolidRect(x + static_cast<int>(i) * 30, y, 26, 20, c);
  }
  wchar_t text[96];
  const _UIRenderInfo info = render->GetUIRenderInfo();
  swprintf(text, sizeof text / sizeof text[0], L"hue %u  saturation %+.2f  brightness %+.2f",
           static_cast<unsigned>(info.hue), info.saturation, info.brightness);
  pDC->SetTextColor(RGB(40, 40, 40));
  CRect line(x + 250, y, x + 520, y + 20);
  // Figures and signs in the system's interface font.
  HGDIOBJ old = pDC->SelectObject(::GetStockObject(DEFAULT_GUI_FONT));
  pDC->DrawText(text, -1, line, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  pDC->SelectObject(old);
}
