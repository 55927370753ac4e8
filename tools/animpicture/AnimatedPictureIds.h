// The animated-picture component's class and its loading interface. A host
// creates the class, asks for IAnimatedPicture, loads an image file with
// LoadFromFile and embeds the object (IOleObject) in a rich edit.
#pragma once

#include <windows.h>
#include <oaidl.h>

// {06ADA938-0FB0-4BC0-B19B-0A38AB17F182}
extern const CLSID CLSID_AnimatedPicture;
// {0C1CF2DF-05A3-4FEF-8CD4-F5CFC4355A16}
extern const IID IID_IAnimatedPicture;

struct IAnimatedPicture : public IDispatch {
  // Decodes the file (every frame of an animated GIF); E_FAIL when it is no
  // picture, E_UNEXPECTED when the object holds one already.
  virtual HRESULT STDMETHODCALLTYPE LoadFromFile(BSTR bstrFileName) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFrameCount(LONG* pnCount) = 0;
  // The frame shown now (0 first).
  virtual HRESULT STDMETHODCALLTYPE GetCurrentFrame(LONG* pnFrame) = 0;
};
