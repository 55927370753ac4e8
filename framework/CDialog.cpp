#include "CDialog.h"

#include "AfxResource.h"
#include "CWinApp.h"

namespace {

// Every message is handled by the framework's procedure in front of the
// dialog manager; the dialog procedure itself has nothing to add.
INT_PTR CALLBACK FrameworkDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct DialogArgs {
  const DLGTEMPLATE* lpTemplate;
  HWND hWndParent;
};

HWND CreateDialogWindow(void* context) {
  auto* args = static_cast<DialogArgs*>(context);
  return CreateDialogIndirectParamW(AfxGetResourceHandle(), args->lpTemplate, args->hWndParent, FrameworkDlgProc, 0);
}

}  // namespace

CDialog::CDialog()
    : m_nIDHelp(0), m_lpszTemplateName(nullptr), m_pParentWnd(nullptr), m_bModal(false), m_bContinueModal(false),
      m_nModalResult(-1) {}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog() {
  m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
  m_nIDHelp = nIDTemplate;
  m_pParentWnd = pParentWnd;
}

CDialog::CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd) : CDialog() {
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
}

BOOL CDialog::InitModalIndirect(const DLGTEMPLATE* lpDialogTemplate, size_t cbTemplate, CWnd* pParentWnd) {
  if (!lpDialogTemplate || cbTemplate < sizeof(DLGTEMPLATE)) return FALSE;
  const BYTE* p = reinterpret_cast<const BYTE*>(lpDialogTemplate);
  m_template.assign(p, p + cbTemplate);
  if (pParentWnd) m_pParentWnd = pParentWnd;
  return TRUE;
}

BOOL CDialog::InitModalIndirect(CDialogTemplate& dialogTemplate, CWnd* pParentWnd) {
  return InitModalIndirect(dialogTemplate.Get(), dialogTemplate.GetSize(), pParentWnd);
}

const DLGTEMPLATE* CDialog::ResolveTemplate() {
  if (!m_template.empty()) return reinterpret_cast<const DLGTEMPLATE*>(m_template.data());
  if (!m_lpszTemplateName) return nullptr;
  HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, MAKEINTRESOURCEW(5) /* RT_DIALOG */);
  if (!hInst) return nullptr;
  HRSRC hRes = FindResourceW(hInst, m_lpszTemplateName, MAKEINTRESOURCEW(5));
  HGLOBAL hData = hRes ? LoadResource(hInst, hRes) : nullptr;
  return hData ? static_cast<const DLGTEMPLATE*>(LockResource(hData)) : nullptr;
}

HWND CDialog::ModalOwner() const {
  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  if (!owner) {
    CWnd* pMain = AfxGetMainWnd();
    owner = pMain ? pMain->m_hWnd : nullptr;
  }
  // A dialog is owned by a top-level window, never by a child.
  return owner ? GetAncestor(owner, GA_ROOT) : nullptr;
}

BOOL CDialog::CreateFromTemplate(const DLGTEMPLATE* lpTemplate, HWND hWndParent) {
  if (!lpTemplate) return FALSE;
  DialogArgs args = {lpTemplate, hWndParent};
  return CreateBound(CreateDialogWindow, &args) != nullptr;
}

INT_PTR CDialog::DoModal() {
  const DLGTEMPLATE* lpTemplate = ResolveTemplate();
  if (!lpTemplate || m_hWnd) return -1;
  HWND owner = ModalOwner();
  bool reenableOwner = owner && ::IsWindowEnabled(owner);
  if (reenableOwner) ::EnableWindow(owner, FALSE);

  m_bModal = true;
  m_bContinueModal = true;
  m_nModalResult = -1;
  BOOL created = CreateFromTemplate(lpTemplate, owner);
  if (created && m_bContinueModal && m_hWnd) {
    if (!(GetStyle() & WS_VISIBLE)) ShowWindow(SW_SHOWNORMAL);
    RunModalLoop();
  }
  if (m_hWnd) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  // The owner gets the activation back before the dialog goes.
  if (reenableOwner) ::EnableWindow(owner, TRUE);
  if (owner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  if (m_hWnd) DestroyWindow();
  m_bModal = false;
  return created ? m_nModalResult : -1;
}

void CDialog::RunModalLoop() {
  while (m_bContinueModal && m_hWnd) {
    MSG msg;
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
      m_nModalResult = -1;
      break;
    }
    if (!AfxPreTranslateTree(m_hWnd, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
  if (pParentWnd) m_pParentWnd = pParentWnd;
  return CreateIndirect(ResolveTemplate(), m_pParentWnd);
}

BOOL CDialog::CreateIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd) {
  m_bModal = false;
  return CreateFromTemplate(lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : nullptr);
}

void CDialog::EndDialog(int nResult) {
  if (m_bModal) {
    m_nModalResult = nResult;
    m_bContinueModal = false;
    // Wakes the modal loop if it is waiting.
    if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
  } else if (m_hWnd) {
    ::EndDialog(m_hWnd, nResult);
  }
}

BOOL CDialog::OnInitDialog() { return TRUE; }

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  // Keyboard navigation (Tab, arrows, Enter, Escape, mnemonics).
  if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) return ::IsDialogMessageW(m_hWnd, pMsg);
  return FALSE;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog();
    default:
      break;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  UINT code = HIWORD(wParam);
  if (code != BN_CLICKED && code != 0) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
  }
}
