// CKovArray: a growable array of pointers (or other plain values) in one
// block. The array never owns what its elements point to: the destructor
// frees the block, not the elements. Growing past the capacity adds a step
// beyond the size asked for - the growth step when one is set, else an
// eighth of the current count kept within 4 ... 1024.
#pragma once

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <type_traits>

template <class T, class ARG = T>
class CKovArray {
  static_assert(std::is_trivially_copyable<T>::value, "CKovArray holds plain values only");

 public:
  CKovArray() : m_pData(nullptr), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
  virtual ~CKovArray() { std::free(m_pData); }
  CKovArray(const CKovArray&) = delete;
  CKovArray& operator=(const CKovArray&) = delete;

  int GetSize() const { return m_nSize; }
  int GetCount() const { return m_nSize; }
  bool IsEmpty() const { return m_nSize == 0; }
  int GetUpperBound() const { return m_nSize - 1; }
  int GetCapacity() const { return m_nMaxSize; }
  // 0: automatic.
  void SetGrowBy(int nGrowBy) { m_nGrowBy = nGrowBy < 0 ? 0 : nGrowBy; }

  // Elements outside 0 ... size - 1 read as a zero value.
  T GetAt(int nIndex) const { return (nIndex >= 0 && nIndex < m_nSize) ? m_pData[nIndex] : T(); }
  T operator[](int nIndex) const { return GetAt(nIndex); }
  // False (nothing changed) for an index outside the array.
  bool SetAt(int nIndex, ARG newElement) {
    if (nIndex < 0 || nIndex >= m_nSize) return false;
    m_pData[nIndex] = newElement;
    return true;
  }
  const T* GetData() const { return m_pData; }

  // New elements read as zero; shrinking keeps the block. False when the
  // size is negative or the memory cannot be had (the array is unchanged).
  bool SetSize(int nNewSize) {
    if (nNewSize < 0 || !Reserve(nNewSize)) return false;
    if (nNewSize > m_nSize) std::memset(m_pData + m_nSize, 0, sizeof(T) * (nNewSize - m_nSize));
    m_nSize = nNewSize;
    return true;
  }
  // The new element's index, or -1 when the memory cannot be had.
  int Add(ARG newElement) {
    if (m_nSize == INT_MAX || !Reserve(m_nSize + 1)) return -1;
    m_pData[m_nSize] = newElement;
    return m_nSize++;
  }
  // Takes the last element off; a zero value when the array is empty.
  T RemoveLast() {
    if (m_nSize == 0) return T();
    return m_pData[--m_nSize];
  }
  // Count 0; the block is kept for the next use.
  void RemoveAll() { m_nSize = 0; }

 private:
  bool Reserve(int nSize) {
    if (nSize <= m_nMaxSize) return true;
    int step = m_nGrowBy;
    if (step == 0) {
      step = m_nSize / 8;
      step = step < 4 ? 4 : (step > 1024 ? 1024 : step);
    }
    const size_t limit = SIZE_MAX / sizeof(T) < static_cast<size_t>(INT_MAX) ? SIZE_MAX / sizeof(T) : INT_MAX;
    size_t capacity = static_cast<size_t>(nSize) + static_cast<size_t>(step);
    if (capacity > limit) capacity = limit;
    if (capacity < static_cast<size_t>(nSize)) return false;
    T* block = static_cast<T*>(std::calloc(capacity, sizeof(T)));
    if (block == nullptr) return false;
    if (m_nSize > 0) std::memcpy(block, m_pData, sizeof(T) * m_nSize);
    std::free(m_pData);
    m_pData = block;
    m_nMaxSize = static_cast<int>(capacity);
    return true;
  }

  T* m_pData;
  int m_nSize;
  int m_nMaxSize;
  int m_nGrowBy;
};
