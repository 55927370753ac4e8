#include "ScriptedPeer.h"

#include <ws2tcpip.h>

ScriptedPeer::ScriptedPeer() {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return;
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;
  int len = sizeof(addr);
  if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 || listen(s, 8) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    closesocket(s);
    return;
  }
  m_listen = s;
  m_port = ntohs(addr.sin_port);
  m_acceptThread = std::thread(&ScriptedPeer::AcceptLoop, this);
}

ScriptedPeer::~ScriptedPeer() {
  m_stop = true;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_releases += 1000;
    for (SOCKET c : m_clients) shutdown(c, SD_BOTH);
  }
  m_released.notify_all();
  if (m_listen != INVALID_SOCKET) closesocket(m_listen);
  if (m_acceptThread.joinable()) m_acceptThread.join();
  for (auto& t : m_workers)
    if (t.joinable()) t.join();
  for (SOCKET c : m_clients) closesocket(c);
}

void ScriptedPeer::AddConnection(const std::vector<Step>& script) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_scripts.push_back(script);
}

void ScriptedPeer::Release() {
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_releases;
  }
  m_released.notify_all();
}

std::vector<std::string> ScriptedPeer::Received() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_received;
}

void ScriptedPeer::AcceptLoop() {
  while (!m_stop) {
    SOCKET c = accept(m_listen, nullptr, nullptr);
    if (c == INVALID_SOCKET) return;
    if (m_stop) {
      closesocket(c);
      return;
    }
    const size_t index = static_cast<size_t>(m_accepted.fetch_add(1));
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clients.push_back(c);
    m_workers.emplace_back(&ScriptedPeer::Serve, this, c, index);
  }
}

void ScriptedPeer::Serve(SOCKET s, size_t index) {
  std::vector<Step> script;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (index < m_scripts.size()) script = m_scripts[index];
  }
  std::string pending;  // bytes read past the last request
  bool open = !script.empty();
  for (const Step& step : script) {
    if (m_stop || !RunStep(s, step, pending)) {
      open = false;
      break;
    }
    if (step.kind == Step::Close || step.kind == Step::Abort) {
      open = false;
      break;
    }
  }
  if (script.empty()) shutdown(s, SD_BOTH);
  // Keep-alive: hold the connection until the client goes away.
  char buf[4096];
  while (open && !m_stop && recv(s, buf, sizeof(buf), 0) > 0) {
  }
  m_finished.fetch_add(1);
}

bool ScriptedPeer::RunStep(SOCKET s, const Step& step, std::string& pending) {
  char buf[4096];
  switch (step.kind) {
    case Step::ReadRequest: {
      size_t end;
      while ((end = pending.find("\r\n\r\n")) == std::string::npos) {
        int n = recv(s, buf, sizeof(buf), 0);
        if (n <= 0) return false;
        pending.append(buf, static_cast<size_t>(n));
      }
      std::lock_guard<std::mutex> lock(m_mutex);
      m_received.push_back(pending.substr(0, end + 4));
      pending.erase(0, end + 4);
      return true;
    }
    case Step::ReadBytes: {
      const size_t want = static_cast<size_t>(step.count);
      while (pending.size() < want) {
        int n = recv(s, buf, static_cast<int>(want - pending.size() < sizeof(buf) ? want - pending.size() : sizeof(buf)), 0);
        if (n <= 0) return false;
        pending.append(buf, static_cast<size_t>(n));
      }
      std::lock_guard<std::mutex> lock(m_mutex);
      m_received.push_back(pending.substr(0, want));
      pending.erase(0, want);
      return true;
    }
    case Step::ReadUntilClose: {
      for (;;) {
        const int n = recv(s, buf, sizeof(buf), 0);
        if (n <= 0) break;
        pending.append(buf, static_cast<size_t>(n));
      }
      std::lock_guard<std::mutex> lock(m_mutex);
      m_received.push_back(pending);
      pending.clear();
      return false;
    }
    case Step::Send: {
      size_t off = 0;
      while (off < step.bytes.size()) {
        int n = send(s, step.bytes.data() + off, static_cast<int>(step.bytes.size() - off), 0);
        if (n <= 0) return false;
        off += static_cast<size_t>(n);
      }
      return true;
    }
    case Step::Drip:
      for (char c : step.bytes) {
        if (m_stop || send(s, &c, 1, 0) != 1) return false;
        Sleep(static_cast<DWORD>(step.count));
      }
      return true;
    case Step::Pause:
      Sleep(static_cast<DWORD>(step.count));
      return true;
    case Step::WaitRelease: {
      std::unique_lock<std::mutex> lock(m_mutex);
      m_released.wait(lock, [this] { return m_releases > 0; });
      --m_releases;
      return !m_stop;
    }
    case Step::Close:
      shutdown(s, SD_SEND);
      return true;
    case Step::Abort: {
      linger l = {1, 0};
      setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&l), sizeof(l));
      closesocket(s);
      std::lock_guard<std::mutex> lock(m_mutex);
      for (SOCKET& c : m_clients)
        if (c == s) c = INVALID_SOCKET;
      return true;
    }
  }
  return false;
}
