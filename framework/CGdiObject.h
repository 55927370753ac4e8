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
  // Defined here, so that an image library over the framework (a DLL of its
  // own) fills regions without linking a second copy of it.
  BOOL Attach(HGDIOBJ hObject) {
    if (m_hObject || !hObject) return FALSE;
    m_hObject = hObject;
    return TRUE;
  }
  HGDIOBJ Detach() {
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
  }
  BOOL DeleteObject() {
    if (!m_hObject) return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
  }
  int GetObject(int nCount, LPVOID lpObject) const;
  UINT GetObjectType() const;

  static CGdiObject* FromHandle(HGDIOBJ hObject);

protected:
  // The temporary wrapper of a handle, created as T the first time.
  template <class T>
  static T* TempFromHandle(HGDIOBJ hObject);
};
