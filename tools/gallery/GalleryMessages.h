// The gallery's message view: a window over the gallery holding a skinned
// rich edit with coloured text, links (found in the text and given whole), a
// bitmap and an animated picture, as a game's chat or table log shows them.
#pragma once

#include <string>

#include "CWnd.h"
#include "UIRichEdit.h"

class CGalleryMessages : public CWnd {
 public:
  // Opens the window centred over owner and fills the view; false when the
  // window cannot be made. picture: an image file for the animated-picture
  // component (a line says so when there is none or the component is not
  // registered).
  bool Open(CWnd* owner, const std::wstring& picture);
  bool IsOpen() const { return m_hWnd != nullptr; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Fill(const std::wstring& picture);

  CUIRichEdit m_View;
};
