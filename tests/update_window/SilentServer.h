// A loopback TCP port that takes connections and never answers: a manifest
// request to it stays pending until the test ends the dialog itself.
#pragma once

#include <winsock2.h>
#include <windows.h>

class CSilentServer {
public:
  CSilentServer() {
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    m_hSocket = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    if (m_hSocket != INVALID_SOCKET && bind(m_hSocket, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) == 0 &&
        listen(m_hSocket, 8) == 0) {
      int len = sizeof(addr);
      getsockname(m_hSocket, reinterpret_cast<sockaddr*>(&addr), &len);
      m_nPort = ntohs(addr.sin_port);
    }
  }
  ~CSilentServer() {
    if (m_hSocket != INVALID_SOCKET) closesocket(m_hSocket);
    WSACleanup();
  }
  CSilentServer(const CSilentServer&) = delete;
  CSilentServer& operator=(const CSilentServer&) = delete;

  int Port() const { return m_nPort; }

private:
  SOCKET m_hSocket = INVALID_SOCKET;
  int m_nPort = 0;
};
