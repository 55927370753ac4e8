#include "GalleryDialog.h"

#include "CBitImage.h"
#include "CDC.h"
#include "EncircleBMP.h"
#include "UIResourceManager.h"

namespace {

HINSTANCE SkinctlModuleHandle() { return GetModuleHandleW(L"Skinctl.dll"); }

}  // namespace

CGalleryDialog::CGalleryDialog(const _UIRenderInfo& second, const std::wstring& control, UINT quitAfter)
    : CUIDialog(IDD, nullptr), m_Second(second), m_sControl(control), m_nQuitAfter(quitAfter), m_bReady(false),
      m_bSwitched(false) {}

BOOL CGalleryDialog::OnInitDialog() {
  CUIDialog::OnInitDialog();
  if (!m_sControl.empty()) SetTimer(POLL_TIMER, 100);
  if (m_nQuitAfter) SetTimer(QUIT_TIMER, m_nQuitAfter);
  return FALSE;
}

LRESULT CGalleryDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == POLL_TIMER) {
    Poll();
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
  // Painted by the time the first poll comes round.
  if (!m_bReady && IsWindowVisible()) {
    UpdateWindow();
    m_bReady = true;
    Touch(L"ready");
  }
  if (m_bReady && !m_bSwitched && Exists(L"switch")) {
    m_bSwitched = true;
    if (CUIResourceManager* resources = CUIResourceManager::GetInstance()) resources->SetUIResource(m_Second);
    Touch(L"switched");
  }
  if (Exists(L"quit")) {
    KillTimer(POLL_TIMER);
    EndDialog(IDOK);
  }
}

void CGalleryDialog::OnDrawClientArea(CDC* pDC, int cx, int cy) {
  const _EncircleInfo& frame = m_UIAttribute.m_EncircleInfo;
  const int left = frame.nLeft + 14;
  int top = frame.nTop + 12;

  // A panel in the library's recoloured bitmap frame.
  CEncircleBMP panel;
  panel.InitDefaultResource();
  CRect box(left, top, cx - frame.nRight - 14, cy - frame.nBottom - 10);
  // The panel's body in the colour of its frame's inner pieces.
  CUIRenderManager* render = CUIRenderManager::GetInstance();
  const COLORREF body = render ? render->RenderColor(0.04, 0.99) : COLORREF(CUIRenderManager::HSBToRGB(203, 0.04, 0.99));
  pDC->FillSolidRect(box.left, box.top, box.Width(), box.Height(), body);
  panel.DrawEncircleFrame(pDC, box);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(RGB(255, 255, 255));
  CRect caption(box.left + 10, box.top, box.right - 10, box.top + 25);
  pDC->DrawText(L"Skin pictures in the current scheme", -1, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);

  int y = box.top + 36;
  const int x = box.left + 14;
  DrawStrip(pDC, 2011, 5, x, y);
  y += 30;
  DrawStrip(pDC, 2025, 5, x, y);
  DrawStrip(pDC, 2026, 2, x + 120, y - 2);
  y += 28;
  DrawStrip(pDC, 2029, 1, x, y);
  DrawSchemeSwatches(pDC, x, y + 34);
}

void CGalleryDialog::DrawStrip(CDC* pDC, UINT id, int frames, int x, int y) {
  CBitImage strip;
  if (!strip.LoadFromResource(SkinctlModuleHandle(), id)) return;
  if (CUIRenderManager* render = CUIRenderManager::GetInstance()) render->RenderImage(strip);
  const int w = strip.GetWidth() / frames;
  for (int i = 0; i < frames; ++i)
    strip.TransDrawImage(pDC, x + i * (w + 6), y, w, strip.GetHeight(), i * w, 0, RGB(255, 0, 255));
}

void CGalleryDialog::DrawSchemeSwatches(CDC* pDC, int x, int y) {
  CUIRenderManager* render = CUIRenderManager::GetInstance();
  if (render == nullptr) return;
  // The colour pairs the controls derive from the scheme.
  static const double pairs[][2] = {{0.99, 0.29}, {0.35, 0.93}, {0.95, 0.90}, {0.13, 0.98},
                                    {0.66, 0.87}, {0.60, 0.62}, {0.40, 0.80}, {0.20, 0.95}};
  for (size_t i = 0; i < sizeof pairs / sizeof pairs[0]; ++i) {
    const COLORREF c = render->RenderColor(pairs[i][0], pairs[i][1]);
    pDC->FillSolidRect(x + static_cast<int>(i) * 30, y, 26, 26, c);
  }
  wchar_t text[96];
  const _UIRenderInfo info = render->GetUIRenderInfo();
  swprintf(text, sizeof text / sizeof text[0], L"hue %u  saturation %+.2f  brightness %+.2f",
           static_cast<unsigned>(info.hue), info.saturation, info.brightness);
  pDC->SetTextColor(RGB(40, 40, 40));
  CRect line(x, y + 32, x + 400, y + 50);
  // Figures and signs in the system's interface font.
  HGDIOBJ old = pDC->SelectObject(::GetStockObject(DEFAULT_GUI_FONT));
  pDC->DrawText(text, -1, line, DT_LEFT | DT_SINGLELINE);
  pDC->SelectObject(old);
}
