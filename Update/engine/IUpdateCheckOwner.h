// IUpdateCheckOwner: the check dialog as its manifest sink sees it.
#pragma once

class IUpdateCheckOwner {
public:
  // 1 = nothing to update (or the manifest could not be had), 2 = the local
  // update list was written.
  virtual void EndCheck(int result) = 0;

protected:
  ~IUpdateCheckOwner() = default;
};
