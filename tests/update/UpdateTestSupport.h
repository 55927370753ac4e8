// Shared pieces of the update engine's tests: Winsock for the whole process,
// the shared message pump and file helpers, and paths under the test
// program's own folder (its module directory).
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <functional>
#include <string>

#include "MessagePump.h"
#include "TestFiles.h"

using testwin::FileExists;
using testwin::PatternBytes;
using testwin::PumpFor;
using testwin::ReadBytes;
using testwin::RemoveTree;
using testwin::WriteBytes;

// Pumps this thread's messages until done() holds or timeoutMs passed;
// returns done(). The engine's tests wait longer than the window tests.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
  return testwin::PumpUntil(done, timeoutMs);
}

std::wstring ModuleFile(const std::wstring& relative);

std::wstring Widen(const std::string& s);
std::string Narrow(const std::wstring& s);

// "HTTP/1.1 <status>\r\n<headers>Content-Length: <n>\r\n\r\n" helpers.
std::string HttpHeader(const std::string& statusLine, const std::string& extra, long contentLength);
