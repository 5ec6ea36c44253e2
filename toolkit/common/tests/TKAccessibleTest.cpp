// The IAccessible of a toolkit object, reached through its interface map: the
// defaults, forwarding, COM identity, child indexes and the OLEACC calls.
#include "common/TKAccessible.h"

#include <gtest/gtest.h>

#include "testsupport/MessageLoop.h"

#include <vector>

namespace {

class CPlainAccessible : public CCmdTarget, public CTKAccessible {
 public:
  CCmdTarget* GetAccessibleCmdTarget() override { return this; }
  IAccessible* Interface() { return static_cast<IAccessible*>(GetInterface(&IID_IAccessible)); }
  void UseOleAccFrom(LPCSTR lpszModule) { m_strOleAccModule = lpszModule; }

  DECLARE_INTERFACE_MAP()
};

BEGIN_INTERFACE_MAP(CPlainAccessible, CCmdTarget)
INTERFACE_PART(CPlainAccessible, IID_IAccessible, Accessible)
END_INTERFACE_MAP()

class CNamedAccessible : public CPlainAccessible {
 public:
  HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override {
    long child = GetChildIndex(&varChild);
    *pszName = ::SysAllocString(child == 0 ? L"self" : L"child");
    return S_OK;
  }
  HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                             VARIANT) override {
    *pxLeft = 1, *pyTop = 2, *pcxWidth = 3, *pcyHeight = 4;
    return S_OK;
  }
};

VARIANT ChildVariant(long child) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = child;
  return v;
}

TEST(TKAccessible, AnObjectThatOverridesNothingAnswersTheDefaults) {
  CPlainAccessible* pObject = new CPlainAccessible;
  IAccessible* pAcc = pObject->Interface();
  ASSERT_NE(nullptr, pAcc);
  VARIANT self = ChildVariant(0), out;
  ::VariantInit(&out);
  IDispatch* pDisp = nullptr;
  BSTR text = nullptr;
  long n = 0;
  // Only focus and selection answer S_FALSE ("none").
  std::vector<HRESULT> answers = {
      pAcc->get_accParent(&pDisp),
      pAcc->get_accChildCount(&n),
      pAcc->get_accChild(self, &pDisp),
      pAcc->get_accName(self, &text),
      pAcc->get_accValue(self, &text),
      pAcc->get_accDescription(self, &text),
      pAcc->get_accRole(self, &out),
      pAcc->get_accState(self, &out),
      pAcc->get_accHelp(self, &text),
      pAcc->get_accHelpTopic(&text, self, &n),
      pAcc->get_accKeyboardShortcut(self, &text),
      pAcc->get_accDefaultAction(self, &text),
      pAcc->accSelect(SELFLAG_TAKEFOCUS, self),
      pAcc->accLocation(&n, &n, &n, &n, self),
      pAcc->accNavigate(NAVDIR_NEXT, self, &out),
      pAcc->accHitTest(1, 1, &out),
      pAcc->accDoDefaultAction(self),
      pAcc->put_accName(self, nullptr),
      pAcc->put_accValue(self, nullptr),
      pAcc->GetTypeInfoCount(nullptr),
      pAcc->GetTypeInfo(0, 0, nullptr),
      pAcc->GetIDsOfNames(IID_NULL, nullptr, 0, 0, nullptr),
      pAcc->Invoke(0, IID_NULL, 0, 0, nullptr, nullptr, nullptr, nullptr)};
  for (size_t i = 0; i < answers.size(); ++i) EXPECT_EQ(E_NOTIMPL, answers[i]) << i;
  EXPECT_EQ(S_FALSE, pAcc->get_accFocus(&out));
  EXPECT_EQ(S_FALSE, pAcc->get_accSelection(&out));
  pObject->InternalRelease();
}

TEST(TKAccessible, CallsReachTheOverridesWithTheirArguments) {
  CNamedAccessible* pObject = new CNamedAccessible;
  IAccessible* pAcc = pObject->Interface();
  BSTR name = nullptr;
  ASSERT_EQ(S_OK, pAcc->get_accName(ChildVariant(0), &name));
  EXPECT_STREQ(L"self", name);
  ::SysFreeString(name);
  ASSERT_EQ(S_OK, pAcc->get_accName(ChildVariant(2), &name));
  EXPECT_STREQ(L"child", name);
  ::SysFreeString(name);
  long x = 0, y = 0, cx = 0, cy = 0;
  EXPECT_EQ(S_OK, pAcc->accLocation(&x, &y, &cx, &cy, ChildVariant(0)));
  EXPECT_EQ(1, x);
  EXPECT_EQ(2, y);
  EXPECT_EQ(3, cx);
  EXPECT_EQ(4, cy);
  pObject->InternalRelease();
}

TEST(TKAccessible, TheInterfaceSharesTheObjectsIdentityAndCount) {
  CPlainAccessible* pObject = new CPlainAccessible;
  IAccessible* pAcc = pObject->Interface();
  EXPECT_EQ(2u, pAcc->AddRef());
  EXPECT_EQ(2, pObject->m_dwRef);
  IUnknown* pUnknown = nullptr;
  ASSERT_EQ(S_OK, pAcc->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pUnknown)));
  EXPECT_EQ(pObject->GetControllingUnknown(), pUnknown);
  pUnknown->Release();
  IAccessible* pAgain = nullptr;
  ASSERT_EQ(S_OK, pAcc->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&pAgain)));
  EXPECT_EQ(pAcc, pAgain);
  pAgain->Release();
  EXPECT_EQ(1u, pAcc->Release());
  pObject->InternalRelease();
}

TEST(TKAccessible, ChildIndexesOfEveryKindOfVariant) {
  VARIANT i2, i4, refI2, refI4, refVariant, refRef, text, nullRef, self;
  SHORT shortValue = 6;
  LONG longValue = 3;
  ::VariantInit(&i2), i2.vt = VT_I2, i2.iVal = 5;
  i4 = ChildVariant(7);
  ::VariantInit(&refI2), refI2.vt = VT_BYREF | VT_I2, refI2.piVal = &shortValue;
  ::VariantInit(&refI4), refI4.vt = VT_BYREF | VT_I4, refI4.plVal = &longValue;
  ::VariantInit(&refVariant), refVariant.vt = VT_BYREF | VT_VARIANT, refVariant.pvarVal = &refI4;
  ::VariantInit(&refRef), refRef.vt = VT_BYREF | VT_VARIANT, refRef.pvarVal = &refVariant;
  ::VariantInit(&text), text.vt = VT_BSTR, text.bstrVal = nullptr;
  ::VariantInit(&nullRef), nullRef.vt = VT_BYREF | VT_I4, nullRef.plVal = nullptr;
  ::VariantInit(&self), self.vt = VT_BYREF | VT_VARIANT, self.pvarVal = &self;
  VARIANT empty;
  ::VariantInit(&empty);
  struct {
    const VARIANT* pVariant;
    long expected;
  } cases[] = {{&empty, 0},    {&i2, 5},         {&i4, 7},     {&refI2, 6},
               {&refI4, 3},    {&refVariant, 3}, {&refRef, 3}, {&text, -1},
               {&nullRef, -1}, {&self, -1},      {nullptr, -1}};
  for (const auto& c : cases) EXPECT_EQ(c.expected, CTKAccessible::GetChildIndex(c.pVariant));
}

TEST(TKAccessible, AnswersWmGetObjectThroughOleAcc) {
  ASSERT_TRUE(SUCCEEDED(::CoInitialize(NULL)));
  CPlainAccessible* pObject = new CPlainAccessible;
  LRESULT lResult =
      pObject->LresultFromObject(IID_IAccessible, 0, pObject->GetInterface(&IID_IAccessible));
  EXPECT_GT(lResult, 0);
  // The client side takes the object back (which releases what the answer held).
  typedef HRESULT(WINAPI * PFNOBJECTFROMLRESULT)(LRESULT, REFIID, WPARAM, void**);
  HMODULE hOleAcc = ::GetModuleHandleA("oleacc.dll");
  ASSERT_NE(nullptr, hOleAcc);
  PFNOBJECTFROMLRESULT pfnObjectFromLresult =
      reinterpret_cast<PFNOBJECTFROMLRESULT>(::GetProcAddress(hOleAcc, "ObjectFromLresult"));
  IAccessible* pAcc = nullptr;
  ASSERT_EQ(S_OK,
            pfnObjectFromLresult(lResult, IID_IAccessible, 0, reinterpret_cast<void**>(&pAcc)));
  VARIANT out;
  EXPECT_EQ(S_FALSE, pAcc->get_accFocus(&out));
  pAcc->Release();
  HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  IAccessible* pWindowAcc = nullptr;
  EXPECT_EQ(S_OK, pObject->AccessibleObjectFromWindow(hWnd, OBJID_WINDOW, IID_IAccessible,
                                                      reinterpret_cast<void**>(&pWindowAcc)));
  if (pWindowAcc) pWindowAcc->Release();
  ::DestroyWindow(hWnd);
  EXPECT_EQ(1, pObject->m_dwRef);
  pObject->InternalRelease();
  ::CoUninitialize();
}

TEST(TKAccessible, AMissingOleAccEntryPointDisablesBothCallsForGood) {
  CPlainAccessible* pObject = new CPlainAccessible;
  pObject->UseOleAccFrom("kernel32.dll");  // loads, but has no such exports
  void* pv = nullptr;
  EXPECT_EQ(E_FAIL, pObject->AccessibleObjectFromWindow(NULL, OBJID_WINDOW, IID_IAccessible, &pv));
  pObject->UseOleAccFrom("oleacc.dll");
  EXPECT_EQ(E_FAIL, pObject->LresultFromObject(IID_IAccessible, 0, nullptr));
  pObject->InternalRelease();
  CPlainAccessible* pWithout = new CPlainAccessible;
  pWithout->UseOleAccFrom("no-such-oleacc.dll");
  EXPECT_EQ(E_FAIL, pWithout->LresultFromObject(IID_IAccessible, 0, nullptr));
  pWithout->InternalRelease();
}

int g_nEvents = 0;
void CALLBACK CountEvents(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG idChild, DWORD, DWORD) {
  if (event == EVENT_OBJECT_FOCUS && idChild == 4) ++g_nEvents;
}

TEST(TKAccessible, NotifyWinEventReachesTheSystem) {
  HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  HWINEVENTHOOK hHook =
      ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, NULL, &CountEvents,
                        ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(nullptr, hHook);
  CPlainAccessible* pObject = new CPlainAccessible;
  g_nEvents = 0;
  pObject->NotifyWinEvent(EVENT_OBJECT_FOCUS, hWnd, OBJID_CLIENT, 4);
  EXPECT_TRUE(RunMessagesUntil([] { return g_nEvents > 0; }));
  EXPECT_EQ(1, g_nEvents);
  ::UnhookWinEvent(hHook);
  pObject->InternalRelease();
  ::DestroyWindow(hWnd);
}

}  // namespace
