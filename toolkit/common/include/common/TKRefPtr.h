// One holder for every counted reference the toolkit keeps: COM interfaces,
// toolkit objects counted through InternalAddRef/InternalRelease, and odd
// pairs (a traits class names them). A copy adds a reference, a move steals
// it, destruction drops it; taking over a reference someone already added is
// the named Adopt, never a constructor.
#pragma once

#include <cstddef>
#include <utility>

/// COM's AddRef/Release (and toolkit objects that forward to their own count).
struct CTKComRefTraits {
  template <class T>
  static void AddRef(T* p) { p->AddRef(); }
  template <class T>
  static void Release(T* p) { p->Release(); }
};

/// Command targets counted through InternalAddRef/InternalRelease.
struct CTKInternalRefTraits {
  template <class T>
  static void AddRef(T* p) { p->InternalAddRef(); }
  template <class T>
  static void Release(T* p) { p->InternalRelease(); }
};

template <class T, class Traits = CTKComRefTraits>
class CTKRefPtr {
 public:
  CTKRefPtr() noexcept : m_p(nullptr) {}
  CTKRefPtr(std::nullptr_t) noexcept : m_p(nullptr) {}
  /// Adds a reference of its own to `p`.
  explicit CTKRefPtr(T* p) : m_p(p) {
    if (m_p != nullptr) Traits::AddRef(m_p);
  }
  CTKRefPtr(const CTKRefPtr& other) : CTKRefPtr(other.m_p) {}
  CTKRefPtr(CTKRefPtr&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }
  /// From a holder of a derived type.
  template <class U>
  CTKRefPtr(const CTKRefPtr<U, Traits>& other) : CTKRefPtr(other.Get()) {}
  ~CTKRefPtr() { Reset(); }

  CTKRefPtr& operator=(const CTKRefPtr& other) {
    Assign(other.m_p);
    return *this;
  }
  CTKRefPtr& operator=(CTKRefPtr&& other) noexcept {
    if (this != &other) Attach(other.Detach());
    return *this;
  }
  CTKRefPtr& operator=(std::nullptr_t) {
    Reset();
    return *this;
  }

  /// Takes over a reference the caller already holds (a creation, an out
  /// parameter): no reference is added.
  static CTKRefPtr Adopt(T* p) noexcept {
    CTKRefPtr holder;
    holder.m_p = p;
    return holder;
  }

  /// Holds `p` with a reference of its own, dropping the old one afterwards
  /// (so assigning the same object is safe).
  void Assign(T* p) {
    if (p != nullptr) Traits::AddRef(p);
    Attach(p);
  }
  /// Takes over the caller's reference to `p`, dropping the old one.
  void Attach(T* p) noexcept {
    T* old = m_p;
    m_p = p;
    if (old != nullptr) Traits::Release(old);
  }
  /// Hands the reference to the caller; the holder is empty afterwards.
  T* Detach() noexcept {
    T* p = m_p;
    m_p = nullptr;
    return p;
  }
  void Reset() noexcept { Attach(nullptr); }

  /// For out parameters that return a new reference: drops the old one first.
  T** ReleaseAndGetAddressOf() noexcept {
    Reset();
    return &m_p;
  }

  T* Get() const noexcept { return m_p; }
  T* operator->() const noexcept { return m_p; }
  T& operator*() const noexcept { return *m_p; }
  explicit operator bool() const noexcept { return m_p != nullptr; }

  void Swap(CTKRefPtr& other) noexcept { std::swap(m_p, other.m_p); }

  friend bool operator==(const CTKRefPtr& a, const CTKRefPtr& b) { return a.m_p == b.m_p; }
  friend bool operator!=(const CTKRefPtr& a, const CTKRefPtr& b) { return a.m_p != b.m_p; }
  friend bool operator==(const CTKRefPtr& a, const T* p) { return a.m_p == p; }
  friend bool operator!=(const CTKRefPtr& a, const T* p) { return a.m_p != p; }
  friend bool operator==(const CTKRefPtr& a, std::nullptr_t) { return a.m_p == nullptr; }
  friend bool operator!=(const CTKRefPtr& a, std::nullptr_t) { return a.m_p != nullptr; }

 private:
  T* m_p;
};

/// A COM interface pointer.
template <class T>
using CTKComPtr = CTKRefPtr<T, CTKComRefTraits>;
