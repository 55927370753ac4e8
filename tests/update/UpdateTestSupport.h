// Shared pieces of the update engine's tests: Winsock for the whole process,
// a message pump that waits for a condition, and file helpers under the
// test program's own folder (its module directory).
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <string>

// Pumps this thread's messages until done() holds or timeoutMs passed;
// returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// Pumps messages for ms milliseconds.
void PumpFor(DWORD ms);

std::wstring ModuleFile(const std::wstring& relative);
bool WriteBytes(const std::wstring& path, const std::string& bytes);
// Empty when the file cannot be read; found tells them apart.
std::string ReadBytes(const std::wstring& path, bool* found = nullptr);
bool FileExists(const std::wstring& path);
// Deletes a folder below the module directory with everything in it.
void RemoveTree(const std::wstring& path);

// Deterministic filler bytes of the given length (seeded).
std::string PatternBytes(size_t length, unsigned seed = 1);
std::wstring Widen(const std::string& s);
std::string Narrow(const std::wstring& s);

// "HTTP/1.1 <status>\r\n<headers>Content-Length: <n>\r\n\r\n" helpers.
std::string HttpHeader(const std::string& statusLine, const std::string& extra, long contentLength);
