// Interface maps: QueryInterface over nested interface parts that share the
// object's one reference count.
#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

const IID IID_IFirst = {
    0x6d1f0a10, 0x2b4c, 0x4e11, {0x9a, 0x01, 0x5c, 0x33, 0x70, 0x12, 0x44, 0x01}};
const IID IID_ISecond = {
    0x6d1f0a10, 0x2b4c, 0x4e11, {0x9a, 0x01, 0x5c, 0x33, 0x70, 0x12, 0x44, 0x02}};
const IID IID_IThird = {
    0x6d1f0a10, 0x2b4c, 0x4e11, {0x9a, 0x01, 0x5c, 0x33, 0x70, 0x12, 0x44, 0x03}};

struct IFirst : IUnknown {
  STDMETHOD(GetValue)(int* pValue) = 0;
};
struct ISecond : IUnknown {
  STDMETHOD(Twice)(int n, int* pResult) = 0;
};
struct IThird : IUnknown {
  STDMETHOD(Name)(const char** ppName) = 0;
};

class CTwoFaced : public CCmdTarget {
 public:
  explicit CTwoFaced(int* pDeleted) : m_pDeleted(pDeleted) {}
  ~CTwoFaced() override { ++*m_pDeleted; }
  int m_nValue = 42;

  BEGIN_INTERFACE_PART(First, IFirst)
  STDMETHOD(GetValue)(int* pValue) override;
  END_INTERFACE_PART(First)

  BEGIN_INTERFACE_PART(Second, ISecond)
  STDMETHOD(Twice)(int n, int* pResult) override;
  END_INTERFACE_PART(Second)

  DECLARE_INTERFACE_MAP()

 private:
  int* m_pDeleted;
};

BEGIN_INTERFACE_MAP(CTwoFaced, CCmdTarget)
INTERFACE_PART(CTwoFaced, IID_IFirst, First)
INTERFACE_PART(CTwoFaced, IID_ISecond, Second)
END_INTERFACE_MAP()

STDMETHODIMP_(ULONG) CTwoFaced::XFirst::AddRef() {
  METHOD_PROLOGUE_EX_(CTwoFaced, First)
  return pThis->ExternalAddRef();
}
STDMETHODIMP_(ULONG) CTwoFaced::XFirst::Release() {
  METHOD_PROLOGUE_EX_(CTwoFaced, First)
  return pThis->ExternalRelease();
}
STDMETHODIMP CTwoFaced::XFirst::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  METHOD_PROLOGUE_EX_(CTwoFaced, First)
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}
STDMETHODIMP CTwoFaced::XFirst::GetValue(int* pValue) {
  METHOD_PROLOGUE_EX(CTwoFaced, First)
  *pValue = pThis->m_nValue;
  return S_OK;
}

STDMETHODIMP_(ULONG) CTwoFaced::XSecond::AddRef() {
  METHOD_PROLOGUE_EX_(CTwoFaced, Second)
  return pThis->ExternalAddRef();
}
STDMETHODIMP_(ULONG) CTwoFaced::XSecond::Release() {
  METHOD_PROLOGUE_EX_(CTwoFaced, Second)
  return pThis->ExternalRelease();
}
STDMETHODIMP CTwoFaced::XSecond::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  METHOD_PROLOGUE_EX_(CTwoFaced, Second)
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}
STDMETHODIMP CTwoFaced::XSecond::Twice(int n, int* pResult) {
  METHOD_PROLOGUE_EX(CTwoFaced, Second)
  *pResult = 2 * n + pThis->m_nValue - 42;
  return S_OK;
}

// A class whose CCmdTarget part is not its first base, with a map that
// extends its base class's map.
struct CLeadingBase {
  virtual ~CLeadingBase() = default;
  double m_padding[3] = {};
};

class CThreeFaced : public CLeadingBase, public CTwoFaced {
 public:
  explicit CThreeFaced(int* pDeleted) : CTwoFaced(pDeleted) {}
  AFX_MODULE_STATE* m_pStateDuringCall = nullptr;

  BEGIN_INTERFACE_PART(Third, IThird)
  STDMETHOD(Name)(const char** ppName) override;
  END_INTERFACE_PART(Third)

  DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CThreeFaced, CTwoFaced)
INTERFACE_PART(CThreeFaced, IID_IThird, Third)
END_INTERFACE_MAP()

STDMETHODIMP_(ULONG) CThreeFaced::XThird::AddRef() {
  METHOD_PROLOGUE_EX_(CThreeFaced, Third)
  return pThis->ExternalAddRef();
}
STDMETHODIMP_(ULONG) CThreeFaced::XThird::Release() {
  METHOD_PROLOGUE_EX_(CThreeFaced, Third)
  return pThis->ExternalRelease();
}
STDMETHODIMP CThreeFaced::XThird::QueryInterface(REFIID iid, LPVOID* ppvObj) {
  METHOD_PROLOGUE_EX_(CThreeFaced, Third)
  return static_cast<HRESULT>(pThis->ExternalQueryInterface(&iid, ppvObj));
}
STDMETHODIMP CThreeFaced::XThird::Name(const char** ppName) {
  METHOD_PROLOGUE(CThreeFaced, Third)
  pThis->m_pStateDuringCall = AfxGetModuleState();
  *ppName = "third";
  return S_OK;
}

template <class I>
I* Query(IUnknown* pUnknown, const IID& iid) {
  void* pv = reinterpret_cast<void*>(1);
  HRESULT hr = pUnknown->QueryInterface(iid, &pv);
  EXPECT_EQ(hr == S_OK, pv != nullptr);
  return static_cast<I*>(pv);
}

TEST(InterfaceMap, BothInterfacesAnswerAndShareOneCount) {
  int nDeleted = 0;
  CTwoFaced* pObject = new CTwoFaced(&nDeleted);
  IFirst* pFirst = Query<IFirst>(pObject->GetControllingUnknown(), IID_IFirst);
  ASSERT_NE(nullptr, pFirst);
  EXPECT_EQ(2, pObject->m_dwRef);

  ISecond* pSecond = Query<ISecond>(pFirst, IID_ISecond);
  ASSERT_NE(nullptr, pSecond);
  EXPECT_EQ(3, pObject->m_dwRef);

  int nValue = 0, nTwice = 0;
  EXPECT_EQ(S_OK, pFirst->GetValue(&nValue));
  EXPECT_EQ(S_OK, pSecond->Twice(5, &nTwice));
  EXPECT_EQ(42, nValue);
  EXPECT_EQ(10, nTwice);

  EXPECT_EQ(4u, pSecond->AddRef());
  EXPECT_EQ(3u, pFirst->Release());
  EXPECT_EQ(2u, pSecond->Release());
  EXPECT_EQ(1u, pFirst->Release());
  EXPECT_EQ(0, nDeleted);
  EXPECT_EQ(0u, pSecond->Release());  // the object's own reference
  EXPECT_EQ(1, nDeleted);
}

TEST(InterfaceMap, IUnknownIsTheSameFromEveryInterface) {
  int nDeleted = 0;
  CTwoFaced object(&nDeleted);
  IFirst* pFirst = Query<IFirst>(object.GetControllingUnknown(), IID_IFirst);
  ISecond* pSecond = Query<ISecond>(pFirst, IID_ISecond);
  IUnknown* pFromFirst = Query<IUnknown>(pFirst, IID_IUnknown);
  IUnknown* pFromSecond = Query<IUnknown>(pSecond, IID_IUnknown);
  EXPECT_EQ(pFromFirst, pFromSecond);
  EXPECT_EQ(object.GetControllingUnknown(), pFromFirst);
  EXPECT_EQ(static_cast<IUnknown*>(pFirst), pFromFirst);  // the first part is the identity
  for (IUnknown* p :
       {static_cast<IUnknown*>(pFirst), static_cast<IUnknown*>(pSecond), pFromFirst, pFromSecond})
    p->Release();
  EXPECT_EQ(1, object.m_dwRef);
}

TEST(InterfaceMap, UnknownInterfaceIsRefused) {
  int nDeleted = 0;
  CTwoFaced object(&nDeleted);
  void* pv = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, object.GetControllingUnknown()->QueryInterface(IID_IThird, &pv));
  EXPECT_EQ(nullptr, pv);
  EXPECT_EQ(E_NOINTERFACE, object.GetControllingUnknown()->QueryInterface(IID_IDispatch, &pv));
  EXPECT_EQ(static_cast<DWORD>(E_POINTER), object.InternalQueryInterface(&IID_IFirst, nullptr));
  EXPECT_EQ(1, object.m_dwRef);
}

TEST(InterfaceMap, DerivedMapAddsToTheBaseMapWhenTheTargetIsNotTheFirstBase) {
  int nDeleted = 0;
  CThreeFaced* pObject = new CThreeFaced(&nDeleted);
  IThird* pThird = Query<IThird>(pObject->GetControllingUnknown(), IID_IThird);
  ASSERT_NE(nullptr, pThird);
  EXPECT_EQ(static_cast<IUnknown*>(pThird), pObject->GetControllingUnknown());
  const char* pName = nullptr;
  EXPECT_EQ(S_OK, pThird->Name(&pName));
  EXPECT_STREQ("third", pName);

  IFirst* pFirst = Query<IFirst>(pThird, IID_IFirst);
  ASSERT_NE(nullptr, pFirst);
  EXPECT_EQ(&pObject->m_xFirst, pFirst);
  int nValue = 0;
  pFirst->GetValue(&nValue);
  EXPECT_EQ(42, nValue);
  EXPECT_EQ(3, pObject->m_dwRef);
  pFirst->Release();
  pThird->Release();
  pObject->ExternalRelease();
  EXPECT_EQ(1, nDeleted);
}

TEST(InterfaceMap, AutomationAddsIDispatchToTheMap) {
  int nDeleted = 0;
  CTwoFaced object(&nDeleted);
  EXPECT_EQ(nullptr, object.GetIDispatch(FALSE));
  object.EnableAutomation();
  IDispatch* pDispatch = Query<IDispatch>(object.GetControllingUnknown(), IID_IDispatch);
  ASSERT_NE(nullptr, pDispatch);
  EXPECT_EQ(object.GetIDispatch(FALSE), pDispatch);
  // The dispatch part belongs to the same object and identity.
  EXPECT_EQ(object.GetControllingUnknown(), Query<IUnknown>(pDispatch, IID_IUnknown));
  IFirst* pFirst = Query<IFirst>(pDispatch, IID_IFirst);
  EXPECT_NE(nullptr, pFirst);
  EXPECT_EQ(4, object.m_dwRef);
  pFirst->Release();
  object.ExternalRelease();
  pDispatch->Release();
  EXPECT_EQ(1, object.m_dwRef);
}

TEST(InterfaceMap, MethodPrologueRunsTheCallInTheObjectsModuleState) {
  int nDeleted = 0;
  CThreeFaced object(&nDeleted);
  AFX_MODULE_STATE* pObjectState = AfxGetModuleState();
  EXPECT_EQ(pObjectState, object.m_pModuleState);
  IThird* pThird = Query<IThird>(object.GetControllingUnknown(), IID_IThird);
  ASSERT_NE(nullptr, pThird);
  {
    AFX_MODULE_STATE callerState;  // another module calls in
    AFX_MANAGE_STATE(&callerState);
    const char* pName = nullptr;
    EXPECT_EQ(S_OK, pThird->Name(&pName));
    EXPECT_EQ(pObjectState, object.m_pStateDuringCall);
    EXPECT_EQ(&callerState, AfxGetModuleState());  // the caller's again afterwards
  }
  pThird->Release();
}

}  // namespace
