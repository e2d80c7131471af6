// Reference counting shared by every engine interface.
#pragma once

#include <windows.h>

#include <atomic>

#include "include/internal/cef_ptr.h"
#include "include/internal/cef_string.h"
#include "include/internal/cef_types.h"
#include "include/internal/cef_types_wrappers.h"

class CefBase {
 public:
  virtual void AddRef() const = 0;
  // Returns true when this call dropped the last reference (and deleted the object).
  virtual bool Release() const = 0;
  virtual bool HasOneRef() const = 0;

 protected:
  virtual ~CefBase() {}
};

class CefRefCount {
 public:
  CefRefCount() : count_(0) {}
  CefRefCount(const CefRefCount&) = delete;
  CefRefCount& operator=(const CefRefCount&) = delete;

  void AddRef() const { count_.fetch_add(1, std::memory_order_relaxed); }
  bool Release() const { return count_.fetch_sub(1, std::memory_order_acq_rel) == 1; }
  bool HasOneRef() const { return count_.load(std::memory_order_acquire) == 1; }

 private:
  mutable std::atomic<int> count_;
};

#define IMPLEMENT_REFCOUNTING(ClassName)       \
 public:                                       \
  void AddRef() const override {               \
    ref_count_.AddRef();                       \
  }                                            \
  bool Release() const override {              \
    if (ref_count_.Release()) {                \
      delete static_cast<const ClassName*>(this); \
      return true;                             \
    }                                          \
    return false;                              \
  }                                            \
  bool HasOneRef() const override {            \
    return ref_count_.HasOneRef();             \
  }                                            \
                                               \
 private:                                      \
  CefRefCount ref_count_

// A critical section, recursive like the system's.
class CefCriticalSection {
 public:
  CefCriticalSection() { InitializeCriticalSectionAndSpinCount(&m_sec, 2000); }
  virtual ~CefCriticalSection() { DeleteCriticalSection(&m_sec); }
  CefCriticalSection(const CefCriticalSection&) = delete;
  CefCriticalSection& operator=(const CefCriticalSection&) = delete;

  void Lock() { EnterCriticalSection(&m_sec); }
  void Unlock() { LeaveCriticalSection(&m_sec); }

  CRITICAL_SECTION m_sec;
};

// Gives a class Lock(), Unlock() and a scoped ClassName::AutoLock.
#define IMPLEMENT_LOCKING(ClassName)                                \
 public:                                                            \
  class AutoLock {                                                  \
   public:                                                          \
    explicit AutoLock(ClassName* base) : base_(base) { base_->Lock(); } \
    ~AutoLock() { base_->Unlock(); }                                \
    AutoLock(const AutoLock&) = delete;                             \
    AutoLock& operator=(const AutoLock&) = delete;                  \
                                                                    \
   private:                                                         \
    ClassName* base_;                                               \
  };                                                                \
  void Lock() { critsec_.Lock(); }                                  \
  void Unlock() { critsec_.Unlock(); }                              \
                                                                    \
 private:                                                           \
  CefCriticalSection critsec_
