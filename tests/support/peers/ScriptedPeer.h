// ScriptedPeer: a TCP server on 127.0.0.1 (port chosen by the system) that
// plays one script per accepted connection, in order, on its own thread. A
// test writes exactly which bytes go out in which pieces and with which
// pauses, and reads back what the client sent.
//
// After its script a connection stays open until the client closes it or the
// peer is destroyed, as a keep-alive server would. Connections beyond the
// scripts given are closed at once.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ScriptedPeer {
public:
  struct Step {
    enum Kind { ReadRequest, ReadBytes, ReadUntilClose, Send, Drip, Pause, WaitRelease, Close, Abort } kind;
    std::string bytes;  // Send: what to send
    int count = 0;      // ReadBytes: how many; Pause, Drip: milliseconds
  };

  // Script building helpers.
  static Step ReadRequest() { return {Step::ReadRequest, {}, 0}; }
  static Step ReadBytes(int n) { return {Step::ReadBytes, {}, n}; }
  // Everything until the client closes, recorded as one piece.
  static Step ReadUntilClose() { return {Step::ReadUntilClose, {}, 0}; }
  static Step Send(const std::string& s) { return {Step::Send, s, 0}; }
  // Sends s one byte at a time, ms apart.
  static Step Drip(const std::string& s, int ms) { return {Step::Drip, s, ms}; }
  static Step Pause(int ms) { return {Step::Pause, {}, ms}; }
  // Blocks until the test calls Release() (lets a test hold the peer at a
  // point until the client has seen what came before).
  static Step WaitRelease() { return {Step::WaitRelease, {}, 0}; }
  static Step Close() { return {Step::Close, {}, 0}; }
  // Closes with a reset instead of an orderly shutdown.
  static Step Abort() { return {Step::Abort, {}, 0}; }

  ScriptedPeer();
  ~ScriptedPeer();
  ScriptedPeer(const ScriptedPeer&) = delete;
  ScriptedPeer& operator=(const ScriptedPeer&) = delete;

  bool IsListening() const { return m_listen != INVALID_SOCKET; }
  unsigned short Port() const { return m_port; }

  void AddConnection(const std::vector<Step>& script);
  void Release();

  // What the client sent: every read step's result, in order.
  std::vector<std::string> Received() const;
  int Accepted() const { return m_accepted.load(); }
  // Every script has run to its end (or the client went away).
  int Finished() const { return m_finished.load(); }

private:
  void AcceptLoop();
  void Serve(SOCKET s, size_t index);
  bool RunStep(SOCKET s, const Step& step, std::string& pending);

  SOCKET m_listen = INVALID_SOCKET;
  unsigned short m_port = 0;
  std::thread m_acceptThread;
  std::vector<std::thread> m_workers;
  std::vector<SOCKET> m_clients;
  std::vector<std::vector<Step>> m_scripts;
  std::vector<std::string> m_received;
  mutable std::mutex m_mutex;
  std::condition_variable m_released;
  int m_releases = 0;
  std::atomic<int> m_accepted{0};
  std::atomic<int> m_finished{0};
  std::atomic<bool> m_stop{false};
};
