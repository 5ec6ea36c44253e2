// The markup object model: reference counts and the context's lifetime,
// collections, names, type tests and the objects behind script IDispatch.
#include <gtest/gtest.h>

#include "SupportMarkup.h"
#include "TKMarkupCollection.h"
#include "TKMarkupDoubleCollection.h"
#include "TKMarkupString.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

namespace {

// The context's count as seen from outside: one more and one less.
DWORD ContextCount(CTKMarkupContext* pContext) {
  pContext->AddRef();
  return pContext->Release();
}

TEST(ObjectModel, ObjectsKeepTheirContextAlive) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  CTKMarkupObject* pObject = pContext->CreateMarkupObject(CTKMarkupObject::StaticType());
  ASSERT_NE(pObject, nullptr);
  EXPECT_EQ(ContextCount(pContext), 2u);
  EXPECT_EQ(pObject->AddRef(), 2u);
  EXPECT_EQ(pObject->Release(), 1u);
  // The owner lets go first: the context lives on until its last object goes.
  EXPECT_EQ(pContext->Release(), 1u);
  EXPECT_EQ(pObject->GetContext(), pContext);
  EXPECT_EQ(pObject->Release(), 0u);
}

TEST(ObjectModel, ContextReleaseReturnsTheRemainingCount) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  EXPECT_EQ(pContext->AddRef(), 2u);
  EXPECT_EQ(pContext->Release(), 1u);
  EXPECT_EQ(pContext->Release(), 0u);
}

TEST(ObjectModel, ReleasedObjectGivesUpTheMouseCapture) {
  CTestContext context;
  CTKMarkupObject* pObject = context->CreateMarkupObject(CTKMarkupObject::StaticType());
  context->SetCapture(pObject);
  EXPECT_EQ(context->GetCaptureElement(), pObject);
  pObject->Release();
  EXPECT_EQ(context->GetCaptureElement(), nullptr);
  EXPECT_EQ(ContextCount(context), 1u);
}

class CollectionTest : public ::testing::Test {
 protected:
  void SetUp() override { m_pCollection = new CTKMarkupCollection(CTKMarkupInt::StaticType()); }
  void TearDown() override { m_pCollection->Release(); }
  CTKMarkupInt* Item(int nIndex) {
    return static_cast<CTKMarkupInt*>(m_pCollection->GetItem(nIndex));
  }
  CTKMarkupCollection* m_pCollection = nullptr;
};

TEST_F(CollectionTest, IndexesOutsideTheRangeAppend) {
  EXPECT_TRUE(m_pCollection->Insert(-1, new CTKMarkupInt(1)));
  EXPECT_TRUE(m_pCollection->Insert(m_pCollection->GetCount() + 5, new CTKMarkupInt(2)));
  EXPECT_TRUE(m_pCollection->Insert(0, new CTKMarkupInt(0)));
  ASSERT_EQ(m_pCollection->GetCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Item(i)->GetValue(), i);
  EXPECT_EQ(Item(1)->GetParent(), m_pCollection);
}

TEST_F(CollectionTest, RemovingAtTheEndDoesNothingBelowZeroRaises) {
  CTKMarkupInt* pItem = new CTKMarkupInt(7);
  pItem->AddRef();
  m_pCollection->Add(pItem);
  m_pCollection->RemoveAt(1);
  EXPECT_EQ(m_pCollection->GetCount(), 1);
  EXPECT_THROW(m_pCollection->RemoveAt(-1), CInvalidArgException*);
  EXPECT_THROW(m_pCollection->GetItem(1), CInvalidArgException*);
  m_pCollection->RemoveAt(0);
  EXPECT_EQ(pItem->GetParent(), nullptr);
  EXPECT_EQ(pItem->Release(), 0u);
}

TEST_F(CollectionTest, WrongTypesAreRefusedByCodeAndByTheBuilder) {
  EXPECT_FALSE(m_pCollection->Add(nullptr));
  EXPECT_FALSE(m_pCollection->Add(CTKMarkupString::CreateValue(L"text")));
  EXPECT_EQ(m_pCollection->GetCount(), 0);
  CTKMarkupAutoPtr<> text(CTKMarkupString::CreateValue(L"text"));
  try {
    m_pCollection->SetContentObject(nullptr, text);
    ADD_FAILURE() << "no builder error";
  } catch (CTKMarkupBuilderException* e) {
    EXPECT_STREQ(e->GetMessage(),
                 "'CTKMarkupString' object cannot be added to 'CTKMarkupCollection'. Object "
                 "cannot be converted to type 'CTKMarkupInt'");
    e->Delete();
  }
}

class CCountingCollection : public CTKMarkupCollection {
 public:
  CCountingCollection() : CTKMarkupCollection(nullptr) {}
  CString m_events;

 protected:
  void OnItemAdded(CTKMarkupObject*, int nIndex) override {
    m_events.AppendFormat("add%d ", nIndex);
  }
  void OnChanged() override { m_events += "changed "; }
};

TEST(ObjectModel, CollectionNotifiesEveryChange) {
  CCountingCollection* pCollection = new CCountingCollection;
  pCollection->Add(new CTKMarkupInt(1));
  pCollection->Insert(0, new CTKMarkupInt(2));
  pCollection->RemoveAt(1);
  pCollection->RemoveAll();
  EXPECT_STREQ(pCollection->m_events, "add0 changed add0 changed changed changed ");
  pCollection->Release();
}

TEST(ObjectModel, CollectionScriptMembers) {
  CTestContext context;
  CTKMarkupCollection* pCollection = new CTKMarkupCollection(CTKMarkupInt::StaticType());
  CTKMarkupInt* pItem = new CTKMarkupInt(4);
  IDispatch* pDispatch = pCollection->GetIDispatch(FALSE);
  // Add (id 2) with a markup object's IDispatch.
  VARIANT arg;
  V_VT(&arg) = VT_DISPATCH;
  V_DISPATCH(&arg) = pItem->GetIDispatch(FALSE);
  DISPPARAMS params = {&arg, nullptr, 1, 0};
  EXPECT_EQ(pDispatch->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(pCollection->GetCount(), 1);
  // Count (id 1) and Item (DISPID_VALUE), null outside the range.
  VARIANT result;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  EXPECT_EQ(
      pDispatch->Invoke(1, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
      S_OK);
  EXPECT_EQ(V_I4(&result), 1);
  V_VT(&arg) = VT_I4;
  V_I4(&arg) = 5;
  EXPECT_EQ(pDispatch->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr,
                              nullptr),
            S_OK);
  EXPECT_EQ(V_VT(&result), VT_DISPATCH);
  EXPECT_EQ(V_DISPATCH(&result), nullptr);
  // A null item raises E_INVALIDARG.
  V_VT(&arg) = VT_DISPATCH;
  V_DISPATCH(&arg) = nullptr;
  EXCEPINFO info = {};
  EXPECT_EQ(pDispatch->Invoke(2, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, &info, nullptr),
            DISP_E_EXCEPTION);
  EXPECT_EQ(info.scode, E_INVALIDARG);
  SysFreeString(info.bstrDescription);
  pItem->Release();
  pCollection->Release();
}

TEST(ObjectModel, DoubleCollectionScriptMembers) {
  CTKMarkupDoubleCollection* pList = new CTKMarkupDoubleCollection;
  IDispatch* pDispatch = pList->GetIDispatch(FALSE);
  auto call = [&](const wchar_t* lpszName, WORD wFlags, VARIANT* pArg, VARIANT* pResult) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR lpszOle = const_cast<LPOLESTR>(lpszName);
    EXPECT_EQ(pDispatch->GetIDsOfNames(IID_NULL, &lpszOle, 1, 0, &id), S_OK);
    DISPPARAMS params = {pArg, nullptr, pArg != nullptr ? 1u : 0u, 0};
    return pDispatch->Invoke(id, IID_NULL, 0, wFlags, &params, pResult, nullptr, nullptr);
  };
  VARIANT arg, result;
  V_VT(&arg) = VT_R8;
  for (double d : {1.5, 2.5, 3.5}) {
    V_R8(&arg) = d;
    EXPECT_EQ(call(L"Add", DISPATCH_METHOD, &arg, nullptr), S_OK);
  }
  V_VT(&arg) = VT_I4;
  V_I4(&arg) = 0;
  EXPECT_EQ(call(L"RemoveAt", DISPATCH_METHOD, &arg, nullptr), S_OK);
  V_I4(&arg) = 1;
  EXPECT_EQ(call(L"Item", DISPATCH_METHOD, &arg, &result), S_OK);
  EXPECT_DOUBLE_EQ(V_R8(&result), 3.5);
  EXPECT_EQ(call(L"Count", DISPATCH_PROPERTYGET, nullptr, &result), S_OK);
  EXPECT_EQ(V_I4(&result), 2);
  V_I4(&arg) = 9;
  EXPECT_EQ(call(L"Item", DISPATCH_METHOD, &arg, &result), DISP_E_EXCEPTION);
  EXPECT_EQ(call(L"Clear", DISPATCH_METHOD, nullptr, nullptr), S_OK);
  EXPECT_EQ(pList->GetCount(), 0);
  pList->Release();
}

TEST(ObjectModel, ObjectBehindADispatch) {
  CTKMarkupInt* pValue = new CTKMarkupInt(3);
  EXPECT_EQ(MarkupObjectFromDispatch(pValue->GetIDispatch(FALSE), FALSE), pValue);
  EXPECT_EQ(MarkupObjectFromDispatch(pValue->GetIDispatch(FALSE), TRUE), pValue);
  EXPECT_EQ(pValue->Release(), 1u);
  EXPECT_EQ(MarkupObjectFromDispatch(nullptr, TRUE), nullptr);
  CCmdTarget* pForeign = new CCmdTarget;
  pForeign->EnableAutomation();
  EXPECT_THROW(MarkupObjectFromDispatch(pForeign->GetIDispatch(FALSE), FALSE), COleException*);
  pForeign->InternalRelease();
  pValue->Release();
}

TEST(ObjectModel, TypeTests) {
  CTKMarkupAutoPtr<> value(new CTKMarkupInt(1));
  EXPECT_TRUE(value->IsKindOf(CTKMarkupObject::StaticType()));
  EXPECT_TRUE(value->IsKindOf(CTKMarkupInt::StaticType()));
  EXPECT_FALSE(value->IsKindOf(CTKMarkupDouble::StaticType()));
  EXPECT_EQ(MarkupDynamicCast(CTKMarkupInt::StaticType(), value), value.Get());
  EXPECT_EQ(MarkupDynamicCast(CTKMarkupDouble::StaticType(), value), nullptr);
  EXPECT_EQ(MarkupDynamicCast(CTKMarkupInt::StaticType(), nullptr), nullptr);
}

TEST(ObjectModel, FindNameIsExactAndDepthFirst) {
  const TestTypes& types = RegisterTestElements();
  (void)types;
  CTestContext context;
  CTKMarkupAutoPtr<> root(
      ParseForTest(context,
                   L"<Grid Name='root'><Grid Name='Inner'><Leaf Name='inner'/></Grid>"
                   L"<Leaf Name='inner'/></Grid>"));
  ASSERT_NE(root, nullptr);
  CTKMarkupObject* pFound = root->FindName(L"inner");
  ASSERT_NE(pFound, nullptr);
  EXPECT_STREQ(pFound->GetTagName(), L"Leaf");
  // The first "inner" is the grandchild inside the grid named "Inner".
  EXPECT_EQ(pFound->GetParent()->GetParent(), root->FindName(L"Inner"));
  EXPECT_EQ(root->FindName(L"root"), root.Get());
  EXPECT_EQ(root->FindName(L"ROOT"), nullptr);
  EXPECT_EQ(root->FindName(nullptr), nullptr);
}

TEST(ObjectModel, AutoPtrHoldsOneReference) {
  CTKMarkupInt* pValue = new CTKMarkupInt(1);
  pValue->AddRef();
  {
    CTKMarkupAutoPtr<CTKMarkupInt> held(pValue);
    EXPECT_EQ(held.AddRefAndGet(), pValue);
    EXPECT_EQ(pValue->Release(), 2u);
    held.Assign(nullptr);
    EXPECT_EQ(held.Get(), nullptr);
  }
  EXPECT_EQ(pValue->Release(), 0u);
}

}  // namespace
