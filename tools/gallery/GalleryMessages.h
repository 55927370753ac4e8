// The gallery's message view: a window over the gallery holding a skinned
// rich edit with coloured text, links (found in the text and given whole), a
// bitmap and an animated picture, as a game's chat or table log shows them.
// The window deletes itself when it is destroyed (with its owner at the
// latest).
#pragma once

#include <string>

#include "CWnd.h"
#include "UIRichEdit.h"

class CGalleryMessages : public CWnd {
 public:
  // Opens a view centred over owner and fills it; false when the window
  // cannot be made. picture: an image file for the animated-picture
  // component (a line says so when there is none or the component is not
  // registered).
  static bool Open(CWnd* owner, const std::wstring& picture);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

 private:
  CGalleryMessages() = default;
  bool Create(CWnd* owner);
  void Fill(const std::wstring& picture);

  CUIRichEdit m_View;
};
