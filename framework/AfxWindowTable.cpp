#include "AfxWindowTable.h"

#include <mutex>

AfxWindowTable& AfxWindowTable::Get() {
  static AfxWindowTable* table = new AfxWindowTable();
  return *table;
}

CWnd* AfxWindowTable::Find(HWND hWnd) {
  std::shared_lock<std::shared_mutex> lock(m_lock);
  auto it = m_map.find(hWnd);
  return it != m_map.end() ? it->second : nullptr;
}

void AfxWindowTable::Add(HWND hWnd, CWnd* pWnd) {
  std::lock_guard<std::shared_mutex> lock(m_lock);
  m_map[hWnd] = pWnd;
}

void AfxWindowTable::Forget(HWND hWnd, CWnd* pWnd) {
  AfxWindowTable& table = Get();
  std::lock_guard<std::shared_mutex> lock(table.m_lock);
  auto it = table.m_map.find(hWnd);
  if (it != table.m_map.end() && it->second == pWnd) table.m_map.erase(it);
}
