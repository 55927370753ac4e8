// FileDoneRecord: what the file sink tells the download manager when a file
// attempt ends. Allocated by the sender, deleted by the manager.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <stdint.h>

struct FileDoneRecord {
  enum Flag : BYTE {
    Broken = 0,    // failed after some bytes were stored; resumed with a range
    Complete = 1,  // the file is complete: source and destination are set
    Failed = 2     // failed before any byte was stored, or what was stored is of no use
  };

  BYTE m_bFlag = Failed;
  wchar_t m_szSource[260] = {0};
  wchar_t m_szDestination[260] = {0};
  // Bytes of the file on disk when the attempt ended (resumed part included).
  uint64_t m_nStored = 0;
};
