// IUpdateFrame: what the download manager needs of the update window.
#pragma once

#include <winsock2.h>
#include <windows.h>

class IUpdateFrame {
public:
  // The file now being fetched (its relative name).
  virtual void SetCurrentFile(LPCWSTR name) = 0;
  // Every file is in place: close the window and start the game.
  virtual void RunGame() = 0;
  // The current file grew (one notice per socket read). The window shows it
  // at its own pace and must not repaint for each notice.
  virtual void OnProgress() = 0;
  // The manager gave up on name after its last retry; the window shows it
  // and lets the user close.
  virtual void OnDownLoadFailed(LPCWSTR name) = 0;

protected:
  ~IUpdateFrame() = default;
};
