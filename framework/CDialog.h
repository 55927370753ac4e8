// CDialog: a dialog box from a dialog resource or an in-memory template,
// run modally (DoModal) or modeless (Create).
//
// DoModal runs the framework's own modal loop: every message is first
// offered to PreTranslateMessage of the windows from its target up to the
// dialog (CDialog's own does the dialog keyboard handling), so a dialog can
// swallow keys such as Escape and Enter. The loop ends with EndDialog(result);
// IDOK and IDCANCEL commands call OnOK/OnCancel, which end with IDOK/IDCANCEL,
// and the system close command arrives as IDCANCEL. DoModal returns -1 when
// the dialog cannot be created or the loop sees WM_QUIT (posted again).
#pragma once

#include <vector>

#include "CDialogTemplate.h"
#include "CWnd.h"

class CDialog : public CWnd {
public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd = nullptr);

  // Uses a template in memory instead of the resource; the template is copied.
  BOOL InitModalIndirect(const DLGTEMPLATE* lpDialogTemplate, size_t cbTemplate, CWnd* pParentWnd = nullptr);
  BOOL InitModalIndirect(CDialogTemplate& dialogTemplate, CWnd* pParentWnd = nullptr);

  virtual INT_PTR DoModal();
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(const DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // Converts dialog units of this dialog to pixels.
  void MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }

  UINT m_nIDHelp;

protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

  LPCWSTR m_lpszTemplateName;
  CWnd* m_pParentWnd;

private:
  const DLGTEMPLATE* ResolveTemplate();
  HWND ModalOwner() const;
  BOOL CreateFromTemplate(const DLGTEMPLATE* lpTemplate, HWND hWndParent);
  void RunModalLoop();

  std::vector<BYTE> m_template;
  bool m_bModal;
  bool m_bContinueModal;
  int m_nModalResult;
};
