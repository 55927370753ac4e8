// A scratch folder under the system temporary folder, removed with
// everything in it when the object goes.
#pragma once

#include <windows.h>

#include <string>

namespace testwin {

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& Path() const { return m_path; }
  // Path of a file inside the folder.
  std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }
  // Writes bytes into a file of the folder; returns its path.
  std::wstring Write(const std::wstring& name, const std::string& bytes) const;
  // The whole content of a file (empty when it cannot be read).
  static std::string Read(const std::wstring& path);

private:
  std::wstring m_path;
};

}  // namespace testwin
