// CTesselList and CTesselListIterator.
#include <gtest/gtest.h>

#include <vector>

#include "foundation/TesselList.h"
#include "foundation/TesselString.h"

namespace {

// Exposes the index array.
class ProbeList : public CTesselList {
 public:
  bool HasIndex() const { return m_index != nullptr; }
};

// An element type over int that counts what it does.
int g_creates = 0, g_destroys = 0;
bool CountingIntType(unsigned int op, void** slot, const void* other) {
  if (op == ElementCreate && slot) ++g_creates;
  if (op == ElementDestroy && slot && *slot) ++g_destroys;
  return Int32ElementType(op, slot, other);
}

std::vector<int> Values(CTesselList& list) {
  std::vector<int> out;
  for (int i = 0; i < list.GetCount(); ++i) out.push_back(*static_cast<int*>(list.GetAt(i)));
  return out;
}

}  // namespace

TEST(TesselList, LinkingAndCounts) {
  int a = 1, b = 2, c = 3, d = 4;
  CTesselList list;
  EXPECT_EQ(0, list.GetCount());
  EXPECT_EQ(nullptr, list.GetHeadData());
  EXPECT_EQ(nullptr, list.MoveFirst());
  EXPECT_FALSE(list.AddTail(nullptr));
  EXPECT_FALSE(list.AddHead(nullptr));
  EXPECT_TRUE(list.AddTail(&b));
  EXPECT_TRUE(list.AddHead(&a));
  EXPECT_TRUE(list.AddTail(&d));
  EXPECT_EQ(3, list.GetCount());
  EXPECT_EQ(&a, list.GetHeadData());
  EXPECT_EQ(&d, list.GetTailData());
  CTesselListElement* second = list.GetElementAt(1);
  ASSERT_NE(nullptr, second);
  EXPECT_TRUE(list.InsertAfter(second, &c));
  EXPECT_FALSE(list.InsertAfter(nullptr, &c));
  EXPECT_FALSE(list.InsertAfter(second, nullptr));
  EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Values(list));
  EXPECT_TRUE(list.InsertAfter(list.GetTail(), &a));  // after the tail: the new tail
  EXPECT_EQ(&a, list.GetTailData());
  EXPECT_EQ(5, list.GetCount());
  EXPECT_EQ(&b, list.GetPrevData(&c));
  EXPECT_EQ(&d, list.GetNextData(&c));
  EXPECT_EQ(nullptr, list.GetPrevData(list.GetHeadData()));
}

TEST(TesselList, PositioningAndCurrent) {
  int a = 1, b = 2, c = 3;
  CTesselList list;
  list.AddTail(&a);
  list.AddTail(&b);
  list.AddTail(&c);
  EXPECT_EQ(nullptr, list.GetCurrent());
  EXPECT_EQ(&a, list.MoveFirst()->m_data);
  EXPECT_EQ(&b, list.MoveNext()->m_data);
  EXPECT_EQ(&c, list.MoveNext()->m_data);
  EXPECT_EQ(nullptr, list.MoveNext());
  EXPECT_EQ(nullptr, list.GetCurrent());
  EXPECT_EQ(nullptr, list.MoveNext());
  EXPECT_EQ(nullptr, list.MovePrev());
  EXPECT_EQ(&b, list.GetAt(1));
  EXPECT_EQ(&b, list.GetCurrent()->m_data);
  EXPECT_EQ(&a, list.MovePrev()->m_data);
  EXPECT_EQ(nullptr, list.GetAt(3));
  EXPECT_EQ(nullptr, list.GetAt(-1));
  list.SetCurrent(list.GetTail());
  EXPECT_EQ(&c, list.GetCurrent()->m_data);
  // Removing the current node makes its previous node current.
  EXPECT_TRUE(list.Remove(&b));
  list.SetCurrent(list.GetTail());
  EXPECT_TRUE(list.Remove(&c));
  EXPECT_EQ(&a, list.GetCurrent() ? list.GetCurrent()->m_data : nullptr);
}

TEST(TesselList, IndexArrayBuiltOnDemandAndDropped) {
  int v[4] = {10, 11, 12, 13};
  ProbeList list;
  for (int i = 0; i < 3; ++i) list.AddTail(&v[i]);
  EXPECT_FALSE(list.HasIndex());
  EXPECT_EQ(&v[0], list.GetAt(0));
  EXPECT_TRUE(list.HasIndex());
  EXPECT_TRUE(list.AddTail(&v[3]));
  EXPECT_FALSE(list.HasIndex());
  EXPECT_EQ(&v[3], list.GetAt(3));  // rebuilt with four entries
  EXPECT_TRUE(list.HasIndex());
  EXPECT_TRUE(list.SetAt(3, &v[0]));  // SetAt keeps the array
  EXPECT_TRUE(list.HasIndex());
  EXPECT_TRUE(list.SwapData(&v[1], &v[2]));
  EXPECT_TRUE(list.HasIndex());
  EXPECT_EQ(&v[2], list.GetAt(1));
  EXPECT_EQ(&v[1], list.GetAt(2));
  list.RemoveHead();
  EXPECT_FALSE(list.HasIndex());
  // Building the array walks the list and leaves the current node at null.
  EXPECT_NE(nullptr, list.GetElementAt(0));
  EXPECT_EQ(nullptr, list.GetCurrent());
  EXPECT_FALSE(list.SetAt(5, &v[0]));
  EXPECT_FALSE(list.SetAt(0, nullptr));
}

TEST(TesselList, SwapDataRules) {
  int a = 1, b = 2, x = 9;
  CTesselList list;
  list.AddTail(&a);
  list.AddTail(&b);
  EXPECT_FALSE(list.SwapData(&a, &a));
  EXPECT_FALSE(list.SwapData(nullptr, &b));
  EXPECT_FALSE(list.SwapData(&a, &x));
  EXPECT_TRUE(list.SwapData(&a, &b));
  EXPECT_EQ(&b, list.GetHeadData());
}

TEST(TesselList, RemoveDoesNotDestroyAndRemoveAllReportsEmpty) {
  int a = 1, b = 2;
  CTesselList list;
  EXPECT_FALSE(list.RemoveAll());
  EXPECT_EQ(nullptr, list.RemoveHead());
  list.AddTail(&a);
  list.AddTail(&b);
  EXPECT_FALSE(list.Remove(&list));  // not in the list
  EXPECT_TRUE(list.Remove(&a));
  EXPECT_EQ(1, a);
  EXPECT_EQ(&b, list.RemoveHead());
  EXPECT_EQ(0, list.GetCount());
  list.AddTail(&a);
  EXPECT_TRUE(list.RemoveAll());
  EXPECT_EQ(0, list.GetCount());
  EXPECT_EQ(nullptr, list.GetTail());
  EXPECT_FALSE(list.Delete(&a));  // no element type
  EXPECT_FALSE(list.DeleteAll());
}

TEST(TesselList, FindAndDeleteByEqualValue) {
  CTesselList list;
  list.SetElementTypeInt32();
  int five = 5, seven = 7;
  EXPECT_TRUE(list.AddCopy(&five));
  EXPECT_TRUE(list.AddCopy(&seven));
  EXPECT_TRUE(list.AddCopy(&five));
  int* first = static_cast<int*>(list.GetAt(0));
  int* third = static_cast<int*>(list.GetAt(2));
  EXPECT_NE(&five, first);  // copies owned by the list
  int anotherFive = 5;
  CTesselListElement* found = list.FindElement(&anotherFive);
  ASSERT_NE(nullptr, found);
  EXPECT_EQ(first, found->m_data);
  EXPECT_EQ(found, list.GetCurrent());
  // Delete of the third item's own pointer destroys the FIRST item (equal value).
  EXPECT_TRUE(list.Delete(third));
  EXPECT_EQ(2, list.GetCount());
  EXPECT_EQ(third, list.GetAt(1));
  EXPECT_EQ((std::vector<int>{7, 5}), Values(list));
  int missing = 8;
  EXPECT_FALSE(list.Delete(&missing));
  EXPECT_EQ(nullptr, list.FindElement(nullptr));
  EXPECT_TRUE(list.DeleteAll());
  EXPECT_EQ(0, list.GetCount());
  EXPECT_FALSE(list.DeleteAll());
}

TEST(TesselList, ElementTypeOwnsCopies) {
  g_creates = g_destroys = 0;
  {
    CTesselList list;
    EXPECT_FALSE(list.AddCopy(&g_creates));  // no element type
    EXPECT_TRUE(list.SetElementType(CountingIntType));
    EXPECT_TRUE(list.HasElementType());
    EXPECT_EQ(CountingIntType, list.GetElementType());
    int v = 3;
    EXPECT_TRUE(list.AddCopy(&v));
    EXPECT_TRUE(list.AddHeadCopy(&v));
    v = 4;
    EXPECT_TRUE(list.AddCopyOrPointer(&v));
    EXPECT_FALSE(list.AddCopy(nullptr));  // the copy fails: the new item is destroyed
    EXPECT_EQ(4, g_creates);
    EXPECT_EQ(1, g_destroys);
    EXPECT_EQ((std::vector<int>{3, 3, 4}), Values(list));
    EXPECT_TRUE(list.DeleteOrRemove(&v));
    EXPECT_EQ(2, g_destroys);
    // Changing the type of a typed list destroys its items.
    EXPECT_TRUE(list.SetElementTypeString());
    EXPECT_EQ(4, g_destroys);
    EXPECT_EQ(0, list.GetCount());
    CTesselString text("copied");
    EXPECT_TRUE(list.AddCopy(&text));
    text.SetText("changed");
    EXPECT_STREQ("copied", static_cast<CTesselString*>(list.GetAt(0))->GetText());
    EXPECT_TRUE(list.DeleteAll());
    list.SetElementType(CountingIntType);
    EXPECT_TRUE(list.AddCopy(&v));
  }
  // Neither RemoveAll nor the destructor destroys data.
  EXPECT_EQ(4, g_destroys);
}

TEST(TesselList, SetElementTypeOnPlainListOnlyRemovesNodes) {
  int a = 1, b = 2;
  CTesselList list;
  list.AddTail(&a);
  list.AddTail(&b);
  EXPECT_TRUE(list.SetElementTypeString());
  EXPECT_EQ(0, list.GetCount());
  EXPECT_EQ(1, a);  // the caller's data is untouched
  EXPECT_FALSE(list.IsInt64Type());
  EXPECT_TRUE(list.SetElementTypeInt64());
  EXPECT_TRUE(list.IsInt64Type());
  TesselInt32Pair pair = {1, 2};
  EXPECT_TRUE(list.AddCopy(&pair));
  EXPECT_TRUE(list.SetElementTypeDouble());
  EXPECT_EQ(0, list.GetCount());
  double d = 1.5;
  EXPECT_TRUE(list.AddCopy(&d));
  EXPECT_EQ(1.5, *static_cast<double*>(list.GetHeadData()));
  EXPECT_TRUE(list.DeleteAll());
}

TEST(TesselList, NestedIterations) {
  int v[3] = {1, 2, 3};
  CTesselList list;
  for (int& x : v) list.AddTail(&x);
  std::vector<int> seen;
  for (int* outer = static_cast<int*>(list.IterateFirst()); outer;
       outer = static_cast<int*>(list.IterateNext())) {
    seen.push_back(*outer * 10);
    EXPECT_EQ(1, list.GetIterationDepth());
    for (int* inner = static_cast<int*>(list.IterateFirst()); inner;
         inner = static_cast<int*>(list.IterateNext()))
      seen.push_back(*inner);
    EXPECT_EQ(2, list.GetIterationDepth());
    EXPECT_TRUE(list.IterateEnd());
    EXPECT_EQ(1, list.GetIterationDepth());
  }
  EXPECT_TRUE(list.IterateEnd());
  EXPECT_EQ(0, list.GetIterationDepth());
  EXPECT_FALSE(list.IterateEnd());
  EXPECT_EQ((std::vector<int>{10, 1, 2, 3, 20, 1, 2, 3, 30, 1, 2, 3}), seen);
  EXPECT_EQ(0, list.GetIteratorCount());
}

TEST(TesselList, IterationCurrentAndEmptyList) {
  CTesselList empty;
  EXPECT_EQ(nullptr, empty.IterateFirst());
  EXPECT_EQ(1, empty.GetIterationDepth());  // open all the same
  EXPECT_EQ(nullptr, empty.IterateNext());
  EXPECT_TRUE(empty.IterateEnd());
  EXPECT_EQ(0, empty.GetIterationDepth());
  EXPECT_EQ(nullptr, empty.IterateNext());  // no open iteration

  int a = 1, b = 2;
  CTesselList list;
  list.AddTail(&a);
  list.AddTail(&b);
  EXPECT_EQ(&a, list.IterateFirst());
  EXPECT_EQ(&a, list.GetCurrent()->m_data);
  EXPECT_EQ(&b, list.IterateNext());
  EXPECT_EQ(&b, list.GetCurrent()->m_data);
  EXPECT_EQ(nullptr, list.IterateNext());
  EXPECT_EQ(nullptr, list.IterateNext());  // stays at the end
  EXPECT_TRUE(list.IterateEnd());
}

TEST(TesselList, RemovingTheReturnedItemRewindsEveryIteration) {
  int v[4] = {1, 2, 3, 4};
  CTesselList list;
  for (int& x : v) list.AddTail(&x);
  EXPECT_EQ(&v[0], list.IterateFirst());
  EXPECT_EQ(&v[1], list.IterateNext());
  EXPECT_EQ(&v[2], list.IterateNext());
  EXPECT_TRUE(list.Remove(&v[2]));
  EXPECT_EQ(&v[0], list.IterateNext());  // the (new) head
  EXPECT_TRUE(list.IterateEnd());

  // A loop that deletes items while iterating visits the survivors again.
  std::vector<int> visits;
  for (int* p = static_cast<int*>(list.IterateFirst()); p;
       p = static_cast<int*>(list.IterateNext())) {
    visits.push_back(*p);
    if (*p % 2 == 0) list.Remove(p);
  }
  list.IterateEnd();
  EXPECT_EQ((std::vector<int>{1, 2, 1, 4, 1}), visits);
  EXPECT_EQ(1, list.GetCount());
}

TEST(TesselList, ExternalIteratorMoves) {
  int v[3] = {1, 2, 3};
  CTesselList list;
  for (int& x : v) list.AddTail(&x);
  CTesselListIterator it(&list);
  EXPECT_EQ(&list, it.GetList());
  EXPECT_EQ(1, list.GetIteratorCount());
  EXPECT_EQ(3, it.GetCount());
  EXPECT_EQ(&v[0], it.GetData());  // Attach positions on the first node
  EXPECT_TRUE(it.MoveNext());
  EXPECT_TRUE(it.Advance(99));
  EXPECT_EQ(&v[2], it.GetData());
  EXPECT_FALSE(it.MoveNext());
  EXPECT_EQ(nullptr, it.GetData());
  EXPECT_TRUE(it.MoveNext());  // unpositioned: MoveFirst
  EXPECT_EQ(&v[0], it.GetData());
  EXPECT_FALSE(it.MovePrev());
  EXPECT_TRUE(it.StepBack(0));  // unpositioned: MoveLast
  EXPECT_EQ(&v[2], it.GetData());
  EXPECT_EQ(&v[1], it.MoveToIndex(1));
  EXPECT_EQ(nullptr, it.MoveToIndex(7));
  EXPECT_EQ(&v[1], it.GetData());  // position unchanged
  EXPECT_TRUE(it.MoveLast());
  EXPECT_EQ(list.GetTail(), it.GetCurrentElement());

  CTesselListIterator copy(it);
  EXPECT_EQ(2, list.GetIteratorCount());
  EXPECT_EQ(&v[2], copy.GetData());
  CTesselListIterator unattached;
  EXPECT_EQ(nullptr, unattached.GetList());
  EXPECT_FALSE(unattached.MoveNext());
  EXPECT_FALSE(unattached.MoveFirst());
  EXPECT_EQ(0, unattached.GetCount());
  EXPECT_FALSE(unattached.AddTail(&v[0]));
  EXPECT_EQ(nullptr, unattached.MoveToIndex(0));
  EXPECT_TRUE(unattached.CopyFrom(it));
  EXPECT_EQ(&v[2], unattached.GetData());
  EXPECT_EQ(3, list.GetIteratorCount());
  EXPECT_FALSE(unattached.Attach(nullptr));
  EXPECT_EQ(2, list.GetIteratorCount());
}

TEST(TesselList, ExternalIteratorEdits) {
  int v[4] = {1, 2, 3, 4};
  CTesselList list;
  CTesselListIterator it(&list);
  EXPECT_FALSE(it.InsertAfterCurrent(&v[0]));  // empty list: nothing to insert after
  EXPECT_TRUE(it.AddTail(&v[1]));
  EXPECT_TRUE(it.AddHead(&v[0]));
  EXPECT_TRUE(it.MoveFirst());
  EXPECT_TRUE(it.InsertAfterCurrent(&v[2]));
  EXPECT_EQ((std::vector<int>{1, 3, 2}), Values(list));
  EXPECT_TRUE(it.StepOffData(&v[1]));  // the last node: steps back
  EXPECT_EQ(&v[2], it.GetData());
  EXPECT_TRUE(it.StepOffData(&v[0]));
  EXPECT_EQ(&v[2], it.GetData());
  EXPECT_FALSE(it.StepOffData(&v[3]));
  EXPECT_TRUE(it.Remove(&v[2]));  // removal rewinds
  EXPECT_EQ(&v[0], it.GetData());
  EXPECT_EQ(&v[0], it.RemoveHead());
  EXPECT_TRUE(it.RemoveAll());
  EXPECT_EQ(nullptr, it.GetData());

  CTesselList typed;
  typed.SetElementTypeInt32();
  CTesselListIterator ti(&typed);
  EXPECT_TRUE(ti.AddCopy(&v[3]));
  EXPECT_TRUE(ti.AddHeadCopy(&v[2]));
  EXPECT_TRUE(ti.Delete(&v[2]));
  EXPECT_EQ(4, *static_cast<int*>(ti.GetData()));
  EXPECT_TRUE(ti.DeleteAll());
  EXPECT_EQ(0, ti.GetCount());
}

TEST(TesselList, RemovalRewindsAttachedIterators) {
  int v[4] = {1, 2, 3, 4};
  CTesselList list;
  for (int& x : v) list.AddTail(&x);
  CTesselListIterator a(&list), b(&list);
  a.MoveToIndex(2);
  b.MoveToIndex(3);
  int stranger = 0;
  EXPECT_FALSE(list.Remove(&stranger));  // also when not found
  EXPECT_EQ(&v[0], a.GetData());
  EXPECT_EQ(&v[0], b.GetData());
  a.MoveToIndex(2);
  b.MoveToIndex(1);
  EXPECT_TRUE(list.Remove(&v[0]));
  EXPECT_EQ(&v[1], a.GetData());
  EXPECT_EQ(&v[1], b.GetData());
  a.MoveToIndex(2);
  list.RemoveHead();
  EXPECT_EQ(&v[2], a.GetData());
  EXPECT_TRUE(list.RemoveAll());
  EXPECT_EQ(nullptr, a.GetData());
  EXPECT_EQ(nullptr, b.GetData());
  EXPECT_EQ(2, list.GetIteratorCount());
  EXPECT_TRUE(list.UnregisterAllIterators());
  EXPECT_EQ(0, list.GetIteratorCount());
  EXPECT_FALSE(list.UnregisterIterator(&a));
  EXPECT_FALSE(list.UnregisterIterator(nullptr));
  EXPECT_FALSE(list.RegisterIterator(nullptr));
}

TEST(TesselList, DestroyedListDetachesItsIterators) {
  int v = 1;
  CTesselListIterator* heapIterator = nullptr;
  CTesselListIterator stackIterator;
  {
    CTesselList* list = new CTesselList;
    list->AddTail(&v);
    heapIterator = new CTesselListIterator(list);
    stackIterator.Attach(list);
    EXPECT_EQ(2, list->GetIteratorCount());
    list->IterateFirst();  // an open iteration is closed by the destructor
    delete list;
  }
  EXPECT_EQ(nullptr, heapIterator->GetList());
  EXPECT_EQ(nullptr, heapIterator->GetData());
  EXPECT_EQ(0, heapIterator->GetCount());
  EXPECT_FALSE(heapIterator->MoveNext());
  EXPECT_FALSE(heapIterator->AddTail(&v));
  EXPECT_EQ(nullptr, stackIterator.GetList());
  delete heapIterator;  // touches nothing freed

  // Re-attaching a detached iterator works as for a new one.
  CTesselList other;
  other.AddTail(&v);
  EXPECT_TRUE(stackIterator.Attach(&other));
  EXPECT_EQ(&v, stackIterator.GetData());
  EXPECT_EQ(1, other.GetIteratorCount());
}

TEST(TesselList, ManyElementsIndexAccess) {
  std::vector<int> v(5000);
  CTesselList list;
  for (int i = 0; i < 5000; ++i) {
    v[i] = i;
    list.AddTail(&v[i]);
  }
  for (int i = 0; i < 5000; i += 7) EXPECT_EQ(i, *static_cast<int*>(list.GetAt(i)));
  EXPECT_EQ(4999, *static_cast<int*>(list.GetAt(4999)));
}
