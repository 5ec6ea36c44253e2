// The script enumerator of markup collections: both ends, empty collections,
// skipping, cloning and reference counting.
#include <gtest/gtest.h>

#include <vector>

#include "SupportMarkup.h"
#include "EnumVariantArray.h"
#include "TKMarkupValues.h"

namespace {

class EnumVariantArrayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pCollection = new CTKMarkupCollection;
    for (int i = 0; i < 3; ++i) m_pCollection->Add(new CTKMarkupInt(i));
    m_pEmpty = new CTKMarkupCollection;
  }
  void TearDown() override {
    m_pCollection->Release();
    m_pEmpty->Release();
  }

  // The values of the items Next hands out for one call, and its answer.
  static HRESULT NextValues(IEnumVARIANT* pEnum, ULONG nWanted, std::vector<int>* pValues) {
    std::vector<VARIANT> vars(nWanted + 1);
    ULONG nFetched = 12345;
    const HRESULT hr = pEnum->Next(nWanted, vars.data(), &nFetched);
    pValues->clear();
    for (ULONG i = 0; i < nFetched; ++i) {
      EXPECT_EQ(VT_DISPATCH, vars[i].vt);
      CTKMarkupObject* pObject = MarkupObjectFromDispatch(vars[i].pdispVal, FALSE);
      pValues->push_back(static_cast<CTKMarkupInt*>(pObject)->GetValue());
      VariantClear(&vars[i]);
    }
    return hr;
  }

  CTestContext m_context;  // registers the value classes' properties
  CTKMarkupCollection* m_pCollection = nullptr;
  CTKMarkupCollection* m_pEmpty = nullptr;
};

}  // namespace

TEST_F(EnumVariantArrayTest, NextWalksToTheEndAndThenGivesNothing) {
  CEnumVariantArray* pEnum = new CEnumVariantArray(m_pCollection);
  std::vector<int> values;
  EXPECT_EQ(S_OK, NextValues(pEnum, 2, &values));
  EXPECT_EQ((std::vector<int>{0, 1}), values);
  EXPECT_EQ(S_FALSE, NextValues(pEnum, 2, &values));
  EXPECT_EQ((std::vector<int>{2}), values);
  EXPECT_EQ(S_FALSE, NextValues(pEnum, 1, &values));
  EXPECT_TRUE(values.empty());

  EXPECT_EQ(S_OK, pEnum->Reset());
  EXPECT_EQ(S_OK, NextValues(pEnum, 3, &values));
  EXPECT_EQ((std::vector<int>{0, 1, 2}), values);
  EXPECT_EQ(0u, pEnum->Release());
}

TEST_F(EnumVariantArrayTest, SkipPastTheEndStaysAtTheEnd) {
  struct Case {
    int nStart;
    ULONG nSkip;
    HRESULT hrExpected;
    int nPosition;
  } cases[] = {
      {0, 0, S_OK, 0},    {0, 2, S_OK, 2},    {1, 2, S_OK, 3},
      {1, 3, S_FALSE, 3}, {3, 1, S_FALSE, 3}, {0, 0xFFFFFFFFu, S_FALSE, 3},
  };
  for (const Case& c : cases) {
    CEnumVariantArray* pEnum = new CEnumVariantArray(m_pCollection, c.nStart);
    EXPECT_EQ(c.hrExpected, pEnum->Skip(c.nSkip)) << c.nStart << "+" << c.nSkip;
    EXPECT_EQ(c.nPosition, pEnum->GetPosition()) << c.nStart << "+" << c.nSkip;
    if (c.nPosition == 3) {
      std::vector<int> values;
      EXPECT_EQ(S_FALSE, NextValues(pEnum, 1, &values));
      EXPECT_TRUE(values.empty());
    }
    pEnum->Release();
  }
}

// An empty collection has no last item: nothing may read before its start.
TEST_F(EnumVariantArrayTest, EmptyCollectionGivesNothingWhateverIsAsked) {
  CEnumVariantArray* pEnum = new CEnumVariantArray(m_pEmpty);
  std::vector<int> values;
  EXPECT_EQ(S_FALSE, pEnum->Skip(1));
  EXPECT_EQ(0, pEnum->GetPosition());
  EXPECT_EQ(S_FALSE, NextValues(pEnum, 1, &values));
  EXPECT_TRUE(values.empty());
  EXPECT_EQ(S_OK, pEnum->Skip(0));
  EXPECT_EQ(S_OK, pEnum->Reset());
  EXPECT_EQ(S_FALSE, NextValues(pEnum, 4, &values));
  pEnum->Release();

  CEnumVariantArray* pNone = new CEnumVariantArray(nullptr);
  EXPECT_EQ(S_FALSE, NextValues(pNone, 1, &values));
  pNone->Release();
}

TEST_F(EnumVariantArrayTest, CloneStartsWhereTheOriginalStandsAndMovesOnItsOwn) {
  CEnumVariantArray* pEnum = new CEnumVariantArray(m_pCollection);
  pEnum->Skip(1);
  IEnumVARIANT* pClone = nullptr;
  ASSERT_EQ(S_OK, pEnum->Clone(&pClone));
  std::vector<int> values;
  EXPECT_EQ(S_OK, NextValues(pClone, 2, &values));
  EXPECT_EQ((std::vector<int>{1, 2}), values);
  EXPECT_EQ(S_OK, NextValues(pEnum, 1, &values));
  EXPECT_EQ((std::vector<int>{1}), values);
  EXPECT_EQ(E_POINTER, pEnum->Clone(nullptr));
  EXPECT_EQ(0u, pClone->Release());
  EXPECT_EQ(0u, pEnum->Release());
}

TEST_F(EnumVariantArrayTest, ArgumentsAndInterfaces) {
  CEnumVariantArray* pEnum = new CEnumVariantArray(m_pCollection);
  VARIANT vars[2];
  EXPECT_EQ(E_POINTER, pEnum->Next(2, vars, nullptr));  // a count is needed for more than one
  EXPECT_EQ(E_POINTER, pEnum->Next(1, nullptr, nullptr));
  EXPECT_EQ(S_OK, pEnum->Next(1, vars, nullptr));
  VariantClear(&vars[0]);

  IUnknown* pUnknown = nullptr;
  EXPECT_EQ(S_OK, pEnum->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pUnknown)));
  EXPECT_EQ(1u, pUnknown->Release());
  IDispatch* pDispatch = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(E_NOINTERFACE,
            pEnum->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDispatch)));
  EXPECT_EQ(nullptr, pDispatch);
  pEnum->Release();
}

// A script may keep the enumerator after the tree that made it is gone, and
// the collection may shrink while it walks.
TEST_F(EnumVariantArrayTest, OutlivesItsOwnerAndFollowsAShrinkingCollection) {
  CTKMarkupCollection* pCollection = new CTKMarkupCollection;
  for (int i = 0; i < 3; ++i) pCollection->Add(new CTKMarkupInt(10 + i));
  CEnumVariantArray* pEnum = new CEnumVariantArray(pCollection);
  std::vector<int> values;
  EXPECT_EQ(S_OK, NextValues(pEnum, 2, &values));
  pCollection->RemoveAt(2);
  pCollection->RemoveAt(1);
  pCollection->Release();  // the enumerator's reference is the last one
  EXPECT_EQ(S_FALSE, NextValues(pEnum, 1, &values));
  EXPECT_TRUE(values.empty());
  EXPECT_EQ(S_OK, pEnum->Reset());
  EXPECT_EQ(S_FALSE, NextValues(pEnum, 5, &values));
  EXPECT_EQ((std::vector<int>{10}), values);
  pEnum->Release();
}
