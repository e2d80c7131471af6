#include <gtest/gtest.h>

#include <thread>

#include "include/base/cef_bind.h"
#include "include/cef_base.h"

namespace {

class Counted : public virtual CefBase {
 public:
  explicit Counted(int* deleted) : deleted_(deleted) {}
  ~Counted() override { ++*deleted_; }
  void Touch(int* touched) { ++*touched; }

 private:
  int* deleted_;

  IMPLEMENT_REFCOUNTING(Counted);
};

TEST(RefCounting, ReleaseReportsTheLastReferenceExactlyOnce) {
  int deleted = 0;
  Counted* object = new Counted(&deleted);
  object->AddRef();
  EXPECT_TRUE(object->HasOneRef());
  object->AddRef();
  EXPECT_FALSE(object->HasOneRef());
  EXPECT_FALSE(object->Release());
  EXPECT_TRUE(object->HasOneRef());
  EXPECT_EQ(deleted, 0);
  EXPECT_TRUE(object->Release());
  EXPECT_EQ(deleted, 1);
}

TEST(RefCounting, SmartPointersShareAndReleaseTheirReference) {
  int deleted = 0;
  {
    CefRefPtr<Counted> first = new Counted(&deleted);
    EXPECT_TRUE(first->HasOneRef());
    CefRefPtr<Counted> second = first;
    EXPECT_FALSE(first->HasOneRef());
    CefRefPtr<CefBase> base = second;
    CefRefPtr<Counted> moved = std::move(second);
    EXPECT_EQ(second.get(), nullptr);
    first = NULL;
    base = NULL;
    EXPECT_TRUE(moved->HasOneRef());
    moved = moved;  // self-assignment keeps the object
    EXPECT_EQ(deleted, 0);
  }
  EXPECT_EQ(deleted, 1);
}

TEST(RefCounting, BoundClosureKeepsItsObjectUntilDestroyed) {
  int deleted = 0;
  int touched = 0;
  base::Closure closure;
  {
    CefRefPtr<Counted> object = new Counted(&deleted);
    closure = base::Bind(&Counted::Touch, object.get(), &touched);
    EXPECT_FALSE(object->HasOneRef());
  }
  EXPECT_EQ(deleted, 0);
  base::Closure copy = closure;
  closure.Run();
  copy.Run();
  EXPECT_EQ(touched, 2);
  closure.Reset();
  EXPECT_EQ(deleted, 0);
  copy.Reset();
  EXPECT_EQ(deleted, 1);
}

TEST(RefCounting, UnretainedBindingTakesNoReference) {
  int deleted = 0;
  int touched = 0;
  CefRefPtr<Counted> object = new Counted(&deleted);
  base::Closure closure = base::Bind(&Counted::Touch, base::Unretained(object.get()), &touched);
  EXPECT_TRUE(object->HasOneRef());
  closure.Run();
  EXPECT_EQ(touched, 1);
}

class Locked : public virtual CefBase {
 public:
  void Add(int times) {
    for (int i = 0; i < times; ++i) {
      AutoLock outer(this);
      AutoLock inner(this);  // the lock is recursive, like a critical section
      ++value;
    }
  }
  int value = 0;

  IMPLEMENT_REFCOUNTING(Locked);
  IMPLEMENT_LOCKING(Locked);
};

TEST(Locking, AutoLockIsRecursiveAndExcludesOtherThreads) {
  CefRefPtr<Locked> locked = new Locked();
  std::thread first([&] { locked->Add(20000); });
  std::thread second([&] { locked->Add(20000); });
  first.join();
  second.join();
  EXPECT_EQ(locked->value, 40000);
}

}  // namespace
