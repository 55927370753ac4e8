// Files and folders for the Windows tests: whole-file reads and writes,
// existence, removal of a tree, and deterministic filler bytes.
#pragma once

#include <windows.h>

#include <string>

namespace testwin {

// Writes bytes into path, creating its folders; false when it cannot.
bool WriteBytes(const std::wstring& path, const std::string& bytes);
// The whole file; empty when it cannot be read (found tells the two apart).
std::string ReadBytes(const std::wstring& path, bool* found = nullptr);
bool FileExists(const std::wstring& path);    // a file, not a folder
bool FolderExists(const std::wstring& path);
// Every level of path that is not there yet.
void MakeFolders(const std::wstring& path);
// Deletes a folder with everything in it (read-only files included).
void RemoveTree(const std::wstring& path);
// Deterministic filler bytes of the given length (seeded).
std::string PatternBytes(size_t length, unsigned seed = 1);

}  // namespace testwin
