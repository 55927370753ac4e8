// CGdiObject: owner of one GDI object handle. The object deletes its handle
// when destroyed unless it was detached; FromHandle wraps a handle it does
// not own in a temporary object (valid until the message loop goes idle).
#pragma once

#include <windows.h>

class CGdiObject {
public:
  CGdiObject() : m_hObject(nullptr) {}
  virtual ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }
  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const;
  UINT GetObjectType() const;

  static CGdiObject* FromHandle(HGDIOBJ hObject);

protected:
  // The temporary wrapper of a handle, created as T the first time.
  template <class T>
  static T* TempFromHandle(HGDIOBJ hObject);
};
