#include "common/TKRefPtr.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

// Counts its references and the calls that changed them.
struct Counted {
  int refs = 1;
  int addRefs = 0;
  int releases = 0;
  void AddRef() { ++refs, ++addRefs; }
  void Release() { --refs, ++releases; }
};

struct Derived : Counted {};

// An odd pair, as some toolkit objects count.
struct OddTraits {
  static void AddRef(Counted* p) { p->refs += 10; }
  static void Release(Counted* p) { p->refs -= 10; }
};

TEST(TKRefPtr, ConstructingFromAPointerAddsAReferenceAndAdoptDoesNot) {
  Counted object;
  {
    CTKRefPtr<Counted> added(&object);
    EXPECT_EQ(2, object.refs);
  }
  EXPECT_EQ(1, object.refs);
  {
    CTKRefPtr<Counted> adopted = CTKRefPtr<Counted>::Adopt(&object);
    EXPECT_EQ(1, object.refs);
  }
  EXPECT_EQ(0, object.refs);
}

TEST(TKRefPtr, CopiesAddMovesStealAndAssignmentDropsTheOldReference) {
  Counted a, b;
  CTKRefPtr<Counted> first(&a);
  CTKRefPtr<Counted> copy = first;
  EXPECT_EQ(3, a.refs);
  CTKRefPtr<Counted> moved = std::move(copy);
  EXPECT_EQ(3, a.refs);
  EXPECT_EQ(nullptr, copy.Get());
  moved = CTKRefPtr<Counted>(&b);
  EXPECT_EQ(2, a.refs);
  EXPECT_EQ(2, b.refs);
  moved = moved;  // self-assignment keeps the reference
  EXPECT_EQ(2, b.refs);
  first.Assign(first.Get());
  EXPECT_EQ(2, a.refs);
}

TEST(TKRefPtr, GrowingAVectorOfHoldersMovesInsteadOfCounting) {
  Counted object;
  std::vector<CTKRefPtr<Counted>> holders;
  for (int i = 0; i < 100; ++i) holders.emplace_back(&object);
  EXPECT_EQ(100, object.addRefs);
  EXPECT_EQ(0, object.releases);
  holders.clear();
  EXPECT_EQ(1, object.refs);
}

TEST(TKRefPtr, AnExceptionPassingThroughDropsTheReference) {
  Counted object;
  try {
    CTKRefPtr<Counted> held(&object);
    throw std::runtime_error("passes");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(1, object.refs);
}

TEST(TKRefPtr, DetachHandsOverAndOutParametersReleaseFirst) {
  Counted a, b;
  CTKRefPtr<Counted> held(&a);
  Counted* raw = held.Detach();
  EXPECT_EQ(&a, raw);
  EXPECT_EQ(2, a.refs);
  held.Attach(raw);
  *held.ReleaseAndGetAddressOf() = &b;  // as a creation function would fill it
  EXPECT_EQ(1, a.refs);
  EXPECT_EQ(1, b.refs);
  EXPECT_TRUE(held == &b);
}

TEST(TKRefPtr, DerivedConvertsAndTraitsChooseTheCountingPair) {
  Derived d;
  CTKRefPtr<Derived> derived(&d);
  CTKRefPtr<Counted> base = derived;
  EXPECT_EQ(3, d.refs);
  Counted odd;
  {
    CTKRefPtr<Counted, OddTraits> held(&odd);
    EXPECT_EQ(11, odd.refs);
  }
  EXPECT_EQ(1, odd.refs);
}

}  // namespace
