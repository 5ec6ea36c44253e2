// Dispatch maps called through IDispatch: names and ids, argument and result
// conversion, properties of every kind, and exceptions turned into EXCEPINFO.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "afxdisp.h"

#include <olectl.h>

namespace {

class CAutoBase : public CCmdTarget {
 public:
  CAutoBase() { EnableAutomation(); }
  long m_nCount = 0;

 protected:
  long BaseValue() { return 7; }
  DECLARE_DISPATCH_MAP()
};

BEGIN_DISPATCH_MAP(CAutoBase, CCmdTarget)
DISP_PROPERTY(CAutoBase, "Count", m_nCount, VT_I4)
DISP_FUNCTION(CAutoBase, "BaseValue", BaseValue, VT_I4, VTS_NONE)
DISP_FUNCTION(CAutoBase, "Shadowed", BaseValue, VT_I4, VTS_NONE)
END_DISPATCH_MAP()

class CAutoObject : public CAutoBase {
 public:
  CString m_strName = "initial";
  short m_nLevel = 0;
  int m_nLevelNotified = 0;
  double m_dblRatio = 0;
  int m_nRatioNotified = 0;
  CString m_strText;
  long m_nFixed = 0;

 protected:
  long Add(long a, long b) { return a + b; }
  BSTR Describe(LPCSTR lpszText, short n, BOOL bFlag, double r) {
    CString s;
    s.Format("%s|%d|%d|%g", lpszText, n, bFlag, r);
    return s.AllocSysString();
  }
  void Fail() { AfxThrowOleDispatchException(1001, "Fail was called"); }
  void FailOle() { AfxThrowOleException(E_ACCESSDENIED); }
  void FailOther() { throw 5; }
  BSTR GetName() { return m_strName.AllocSysString(); }
  void SetName(LPCSTR lpszName) { m_strName = lpszName; }
  long GetReadOnly() const { return 5; }
  BOOL IsSelf(LPDISPATCH pDispatch) { return CCmdTarget::FromIDispatch(pDispatch) == this; }
  VARIANT Echo(const VARIANT& v) {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, const_cast<VARIANT*>(&v));
    return copy;
  }
  long Item(long nIndex) { return nIndex * 10; }
  long GetFixed() { return m_nFixed; }
  void SetFixed(long n) { m_nFixed = n; }
  long Shadowing() { return 8; }
  void Swap(long* pA, long* pB) { std::swap(*pA, *pB); }
  void Decorate(BSTR* pText) {
    std::wstring text = L"[" + std::wstring(*pText != nullptr ? *pText : L"") + L"]";
    SysFreeString(*pText);
    *pText = SysAllocString(text.c_str());
  }
  void Toggle(BOOL* pFlag) { *pFlag = !*pFlag; }
  double Half(double* pValue) { return *pValue /= 2; }
  void Tag(VARIANT* pVar) {
    VariantClear(pVar);
    V_VT(pVar) = VT_I4;
    V_I4(pVar) = 99;
  }
  void OnLevelChanged() { ++m_nLevelNotified; }
  void OnRatioChanged() { ++m_nRatioNotified; }
  DECLARE_DISPATCH_MAP()
};

BEGIN_DISPATCH_MAP(CAutoObject, CAutoBase)
DISP_FUNCTION(CAutoObject, "Add", Add, VT_I4, VTS_I4 VTS_I4)
DISP_FUNCTION(CAutoObject, "Describe", Describe, VT_BSTR, VTS_BSTR VTS_I2 VTS_BOOL VTS_R8)
DISP_FUNCTION(CAutoObject, "Fail", Fail, VT_EMPTY, VTS_NONE)
DISP_FUNCTION(CAutoObject, "FailOle", FailOle, VT_EMPTY, VTS_NONE)
DISP_FUNCTION(CAutoObject, "FailOther", FailOther, VT_EMPTY, VTS_NONE)
DISP_PROPERTY_EX(CAutoObject, "Name", GetName, SetName, VT_BSTR)
DISP_PROPERTY_EX(CAutoObject, "ReadOnly", GetReadOnly, SetNotSupported, VT_I4)
DISP_FUNCTION(CAutoObject, "IsSelf", IsSelf, VT_BOOL, VTS_DISPATCH)
DISP_FUNCTION(CAutoObject, "Echo", Echo, VT_VARIANT, VTS_VARIANT)
DISP_FUNCTION_ID(CAutoObject, "Item", DISPID_VALUE, Item, VT_I4, VTS_I4)
DISP_PROPERTY_EX_ID(CAutoObject, "Fixed", 500, GetFixed, SetFixed, VT_I4)
DISP_PROPERTY_NOTIFY(CAutoObject, "Level", m_nLevel, OnLevelChanged, VT_I2)
DISP_PROPERTY_NOTIFY_ID(CAutoObject, "Ratio", 600, m_dblRatio, OnRatioChanged, VT_R8)
DISP_PROPERTY_ID(CAutoObject, "Text", 601, m_strText, VT_BSTR)
DISP_FUNCTION(CAutoObject, "Shadowed", Shadowing, VT_I4, VTS_NONE)
DISP_PROPERTY_EX(CAutoObject, "WriteOnly", GetNotSupported, SetFixed, VT_I4)
DISP_FUNCTION(CAutoObject, "Swap", Swap, VT_EMPTY, VTS_PI4 VTS_PI4)
DISP_FUNCTION(CAutoObject, "Decorate", Decorate, VT_EMPTY, VTS_PBSTR)
DISP_FUNCTION(CAutoObject, "Toggle", Toggle, VT_EMPTY, VTS_PBOOL)
DISP_FUNCTION(CAutoObject, "Half", Half, VT_R8, VTS_PR8)
DISP_FUNCTION(CAutoObject, "Tag", Tag, VT_EMPTY, VTS_PVARIANT)
END_DISPATCH_MAP()

// An IDispatch that is not a CCmdTarget.
class CForeignDispatch : public IDispatch {
 public:
  STDMETHOD_(ULONG, AddRef)() override { return 2; }
  STDMETHOD_(ULONG, Release)() override { return 1; }
  STDMETHOD(QueryInterface)(REFIID, LPVOID* ppv) override {
    *ppv = this;
    return S_OK;
  }
  STDMETHOD(GetTypeInfoCount)(UINT*) override { return E_NOTIMPL; }
  STDMETHOD(GetTypeInfo)(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHOD(GetIDsOfNames)(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHOD(Invoke)(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
};

/// Owns the VARIANTs of one call, given first argument first.
class CCall {
 public:
  CCall(std::initializer_list<VARIANT> args) : m_args(args.begin(), args.end()) {
    std::reverse(m_args.begin(), m_args.end());
    m_params.rgvarg = m_args.data();
    m_params.cArgs = static_cast<UINT>(m_args.size());
    VariantInit(&m_result);
    memset(&m_excep, 0, sizeof(m_excep));
  }
  ~CCall() {
    for (VARIANT& v : m_args) VariantClear(&v);
    VariantClear(&m_result);
    SysFreeString(m_excep.bstrDescription);
    SysFreeString(m_excep.bstrSource);
    SysFreeString(m_excep.bstrHelpFile);
  }
  HRESULT Invoke(IDispatch* pDispatch, DISPID id, WORD wFlags) {
    if (wFlags & DISPATCH_PROPERTYPUT) {
      m_params.rgdispidNamedArgs = &m_putId;
      m_params.cNamedArgs = 1;
    }
    return pDispatch->Invoke(id, IID_NULL, 0, wFlags, &m_params, &m_result, &m_excep, &m_nArgErr);
  }

  VARIANT m_result;
  EXCEPINFO m_excep;
  UINT m_nArgErr = 99;

 private:
  std::vector<VARIANT> m_args;
  DISPPARAMS m_params = {nullptr, nullptr, 0, 0};
  DISPID m_putId = DISPID_PROPERTYPUT;
};

VARIANT I4(long n) {
  VARIANT v;
  V_VT(&v) = VT_I4;
  V_I4(&v) = n;
  return v;
}
VARIANT R8(double d) {
  VARIANT v;
  V_VT(&v) = VT_R8;
  V_R8(&v) = d;
  return v;
}
VARIANT Str(const wchar_t* psz) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocString(psz);
  return v;
}
VARIANT Bool(bool b) {
  VARIANT v;
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}
VARIANT Disp(IDispatch* p) {
  VARIANT v;
  V_VT(&v) = VT_DISPATCH;
  V_DISPATCH(&v) = p;
  if (p) p->AddRef();
  return v;
}
VARIANT Null() {
  VARIANT v;
  V_VT(&v) = VT_NULL;
  return v;
}
/// A by-reference argument to the caller's variable `p` of type `vt`.
VARIANT Ref(VARTYPE vt, void* p) {
  VARIANT v;
  V_VT(&v) = VT_BYREF | vt;
  V_BYREF(&v) = p;
  return v;
}

class DispatchMap : public testing::Test {
 protected:
  void SetUp() override { m_pDispatch = m_object.GetIDispatch(FALSE); }
  void TearDown() override { EXPECT_EQ(1, m_object.m_dwRef); }

  DISPID IdOf(const wchar_t* pszName) {
    LPOLESTR name = const_cast<LPOLESTR>(pszName);
    DISPID id = 12345;
    HRESULT hr = m_pDispatch->GetIDsOfNames(IID_NULL, &name, 1, 0, &id);
    return hr == S_OK ? id
                      : (hr == DISP_E_UNKNOWNNAME && id == DISPID_UNKNOWN ? DISPID_UNKNOWN : 12345);
  }

  CAutoObject m_object;
  IDispatch* m_pDispatch = nullptr;
};

TEST_F(DispatchMap, NamesAreFoundWithoutRegardToCase) {
  DISPID id = IdOf(L"Add");
  EXPECT_NE(DISPID_UNKNOWN, id);
  EXPECT_EQ(id, IdOf(L"add"));
  EXPECT_EQ(id, IdOf(L"ADD"));
  EXPECT_EQ(DISPID_UNKNOWN, IdOf(L"Subtract"));
  EXPECT_EQ(DISPID_UNKNOWN, IdOf(L"Ad"));
}

TEST_F(DispatchMap, FixedIdsAreKeptAndPositionIdsAreUnique) {
  EXPECT_EQ(DISPID_VALUE, IdOf(L"Item"));
  EXPECT_EQ(500, IdOf(L"Fixed"));
  EXPECT_EQ(600, IdOf(L"Ratio"));
  EXPECT_EQ(601, IdOf(L"Text"));
  std::set<DISPID> ids;
  const wchar_t* names[] = {L"Count",  L"BaseValue", L"Shadowed",  L"Add",   L"Describe",
                            L"Fail",   L"FailOle",   L"FailOther", L"Name",  L"ReadOnly",
                            L"IsSelf", L"Echo",      L"Item",      L"Fixed", L"Level",
                            L"Ratio",  L"Text",      L"WriteOnly", L"Swap",  L"Decorate",
                            L"Toggle", L"Half",      L"Tag"};
  for (const wchar_t* name : names) {
    DISPID id = IdOf(name);
    EXPECT_NE(DISPID_UNKNOWN, id) << name;
    ids.insert(id);
  }
  // "Shadowed" names one member only: the derived class's.
  EXPECT_EQ(sizeof(names) / sizeof(names[0]), ids.size());
}

TEST_F(DispatchMap, ParameterNamesAreUnknown) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Add"), const_cast<LPOLESTR>(L"a")};
  DISPID ids[2] = {0, 0};
  EXPECT_EQ(DISP_E_UNKNOWNNAME, m_pDispatch->GetIDsOfNames(IID_NULL, names, 2, 0, ids));
  EXPECT_EQ(IdOf(L"Add"), ids[0]);
  EXPECT_EQ(DISPID_UNKNOWN, ids[1]);
}

TEST_F(DispatchMap, DerivedMapShadowsTheBaseEntryOfTheSameName) {
  CCall call({});
  ASSERT_EQ(S_OK, call.Invoke(m_pDispatch, IdOf(L"Shadowed"), DISPATCH_METHOD));
  EXPECT_EQ(8, V_I4(&call.m_result));
  CCall base({});
  ASSERT_EQ(S_OK, base.Invoke(m_pDispatch, IdOf(L"BaseValue"), DISPATCH_METHOD));
  EXPECT_EQ(7, V_I4(&base.m_result));
}

TEST_F(DispatchMap, MethodArgumentsAreConvertedToTheParameterTypes) {
  CCall call({Str(L"2"), R8(3.75)});
  ASSERT_EQ(S_OK, call.Invoke(m_pDispatch, IdOf(L"Add"), DISPATCH_METHOD));
  EXPECT_EQ(VT_I4, V_VT(&call.m_result));
  EXPECT_EQ(6, V_I4(&call.m_result));  // "2" + 4 (3.75 rounded)
}

TEST_F(DispatchMap, StringShortBoolAndDoubleParameters) {
  CCall call({Str(L"abc"), I4(-3), Bool(true), Str(L"2.5")});
  ASSERT_EQ(S_OK, call.Invoke(m_pDispatch, IdOf(L"Describe"), DISPATCH_METHOD));
  ASSERT_EQ(VT_BSTR, V_VT(&call.m_result));
  EXPECT_STREQ(L"abc|-3|1|2.5", V_BSTR(&call.m_result));
}

TEST_F(DispatchMap, ResultMayBeIgnored) {
  VARIANT args[2] = {I4(1), I4(2)};
  DISPPARAMS params = {args, nullptr, 2, 0};
  EXPECT_EQ(S_OK, m_pDispatch->Invoke(IdOf(L"Add"), IID_NULL, 0, DISPATCH_METHOD, &params, nullptr,
                                      nullptr, nullptr));
}

struct BadCall {
  const char* what;
  std::vector<VARIANT> args;
  HRESULT hr;
  UINT nArgErr;
};

TEST_F(DispatchMap, WrongArgumentsAreRefused) {
  const BadCall cases[] = {
      {"too few", {I4(1)}, DISP_E_BADPARAMCOUNT, 99},
      {"too many", {I4(1), I4(2), I4(3)}, DISP_E_BADPARAMCOUNT, 99},
      {"first not a number", {Str(L"x"), I4(2)}, DISP_E_TYPEMISMATCH, 1},
      {"second not a number", {I4(1), Str(L"y")}, DISP_E_TYPEMISMATCH, 0},
      {"null", {Null(), I4(2)}, DISP_E_TYPEMISMATCH, 1},
      {"overflow", {R8(1e20), I4(2)}, DISP_E_OVERFLOW, 1},
  };
  for (const BadCall& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<VARIANT> args(c.args.rbegin(), c.args.rend());
    DISPPARAMS params = {args.data(), nullptr, static_cast<UINT>(args.size()), 0};
    VARIANT result;
    VariantInit(&result);
    UINT nArgErr = 99;
    EXPECT_EQ(c.hr, m_pDispatch->Invoke(IdOf(L"Add"), IID_NULL, 0, DISPATCH_METHOD, &params,
                                        &result, nullptr, &nArgErr));
    EXPECT_EQ(c.nArgErr, nArgErr);
    EXPECT_EQ(VT_EMPTY, V_VT(&result));
    for (VARIANT& v : args) VariantClear(&v);
  }
}

TEST_F(DispatchMap, UnknownMembersAndInterfaces) {
  CCall call({});
  EXPECT_EQ(DISP_E_MEMBERNOTFOUND, call.Invoke(m_pDispatch, 4242, DISPATCH_METHOD));
  DISPPARAMS params = {nullptr, nullptr, 0, 0};
  EXPECT_EQ(DISP_E_UNKNOWNINTERFACE,
            m_pDispatch->Invoke(IdOf(L"Fail"), IID_IDispatch, 0, DISPATCH_METHOD, &params, nullptr,
                                nullptr, nullptr));
  CCall put({I4(1)});
  EXPECT_EQ(DISP_E_MEMBERNOTFOUND, put.Invoke(m_pDispatch, IdOf(L"Add"), DISPATCH_PROPERTYPUT));
}

TEST_F(DispatchMap, PropertyWithGetterAndSetter) {
  CCall put({Str(L"Bob")});
  ASSERT_EQ(S_OK, put.Invoke(m_pDispatch, IdOf(L"name"), DISPATCH_PROPERTYPUT));
  EXPECT_STREQ("Bob", m_object.m_strName);
  CCall get({});
  ASSERT_EQ(S_OK, get.Invoke(m_pDispatch, IdOf(L"Name"), DISPATCH_PROPERTYGET));
  ASSERT_EQ(VT_BSTR, V_VT(&get.m_result));
  EXPECT_STREQ(L"Bob", V_BSTR(&get.m_result));
}

TEST_F(DispatchMap, PropertyPutNeedsExactlyOneValue) {
  CCall put({Str(L"a"), Str(L"b")});
  EXPECT_EQ(DISP_E_BADPARAMCOUNT, put.Invoke(m_pDispatch, IdOf(L"Name"), DISPATCH_PROPERTYPUT));
  CCall get({I4(1)});
  EXPECT_EQ(DISP_E_BADPARAMCOUNT, get.Invoke(m_pDispatch, IdOf(L"Name"), DISPATCH_PROPERTYGET));
  EXPECT_STREQ("initial", m_object.m_strName);
}

struct OneWayCase {
  const wchar_t* name;
  WORD wRefused;  // the direction the property does not have
  SCODE sc;
  const wchar_t* description;
};

TEST_F(DispatchMap, OneWayPropertiesRefuseTheOtherDirectionWithTheStandardError) {
  const OneWayCase cases[] = {
      {L"ReadOnly", DISPATCH_PROPERTYPUT, CTL_E_SETNOTSUPPORTED, L"Property is read-only."},
      {L"WriteOnly", DISPATCH_PROPERTYGET, CTL_E_GETNOTSUPPORTED, L"Property is write-only."},
  };
  for (const OneWayCase& c : cases) {
    SCOPED_TRACE(c.name);
    CCall refused(c.wRefused == DISPATCH_PROPERTYPUT ? std::initializer_list<VARIANT>{I4(9)}
                                                     : std::initializer_list<VARIANT>{});
    EXPECT_EQ(DISP_E_EXCEPTION, refused.Invoke(m_pDispatch, IdOf(c.name), c.wRefused));
    EXPECT_EQ(c.sc, refused.m_excep.scode);
    EXPECT_EQ(0, refused.m_excep.wCode);
    ASSERT_NE(nullptr, refused.m_excep.bstrDescription);
    EXPECT_STREQ(c.description, refused.m_excep.bstrDescription);
    EXPECT_EQ(VT_EMPTY, V_VT(&refused.m_result));
  }
  // The other directions work.
  CCall get({});
  ASSERT_EQ(S_OK, get.Invoke(m_pDispatch, IdOf(L"ReadOnly"), DISPATCH_PROPERTYGET));
  EXPECT_EQ(5, V_I4(&get.m_result));
  CCall put({I4(12)});
  ASSERT_EQ(S_OK, put.Invoke(m_pDispatch, IdOf(L"WriteOnly"), DISPATCH_PROPERTYPUT));
  EXPECT_EQ(12, m_object.m_nFixed);
}

TEST_F(DispatchMap, MemberVariablePropertiesOfBaseAndDerivedClass) {
  CCall putCount({R8(2.0)});
  ASSERT_EQ(S_OK, putCount.Invoke(m_pDispatch, IdOf(L"Count"), DISPATCH_PROPERTYPUT));
  EXPECT_EQ(2, m_object.m_nCount);
  CCall putText({I4(17)});
  ASSERT_EQ(S_OK, putText.Invoke(m_pDispatch, IdOf(L"Text"), DISPATCH_PROPERTYPUT));
  EXPECT_STREQ("17", m_object.m_strText);
  CCall getText({});
  ASSERT_EQ(S_OK, getText.Invoke(m_pDispatch, IdOf(L"Text"), DISPATCH_PROPERTYGET));
  EXPECT_STREQ(L"17", V_BSTR(&getText.m_result));
  CCall getCount({});
  ASSERT_EQ(S_OK, getCount.Invoke(m_pDispatch, IdOf(L"Count"), DISPATCH_PROPERTYGET));
  EXPECT_EQ(VT_I4, V_VT(&getCount.m_result));
  EXPECT_EQ(2, V_I4(&getCount.m_result));
}

TEST_F(DispatchMap, NotifiedPropertiesCallTheirNotificationAfterTheChange) {
  CCall level({Str(L"12")});
  ASSERT_EQ(S_OK, level.Invoke(m_pDispatch, IdOf(L"Level"), DISPATCH_PROPERTYPUT));
  EXPECT_EQ(12, m_object.m_nLevel);
  EXPECT_EQ(1, m_object.m_nLevelNotified);
  CCall ratio({R8(0.5)});
  ASSERT_EQ(S_OK, ratio.Invoke(m_pDispatch, 600, DISPATCH_PROPERTYPUT));
  EXPECT_EQ(0.5, m_object.m_dblRatio);
  EXPECT_EQ(1, m_object.m_nRatioNotified);
  CCall bad({Str(L"x")});
  EXPECT_EQ(DISP_E_TYPEMISMATCH, bad.Invoke(m_pDispatch, 600, DISPATCH_PROPERTYPUT));
  EXPECT_EQ(1, m_object.m_nRatioNotified);
  CCall get({});
  ASSERT_EQ(S_OK, get.Invoke(m_pDispatch, IdOf(L"Level"), DISPATCH_PROPERTYGET));
  EXPECT_EQ(VT_I2, V_VT(&get.m_result));
  EXPECT_EQ(12, V_I2(&get.m_result));
}

TEST_F(DispatchMap, FixedIdMembersAreCalledById) {
  CCall item({I4(4)});
  ASSERT_EQ(S_OK, item.Invoke(m_pDispatch, DISPID_VALUE, DISPATCH_METHOD | DISPATCH_PROPERTYGET));
  EXPECT_EQ(40, V_I4(&item.m_result));
  CCall put({I4(77)});
  ASSERT_EQ(S_OK, put.Invoke(m_pDispatch, 500, DISPATCH_PROPERTYPUT));
  EXPECT_EQ(77, m_object.m_nFixed);
}

TEST_F(DispatchMap, DispatchArgumentsAndFromIDispatch) {
  CForeignDispatch foreign;
  EXPECT_EQ(&m_object, CCmdTarget::FromIDispatch(m_pDispatch));
  EXPECT_EQ(nullptr, CCmdTarget::FromIDispatch(&foreign));
  EXPECT_EQ(nullptr, CCmdTarget::FromIDispatch(nullptr));

  CCall self({Disp(m_pDispatch)});
  ASSERT_EQ(S_OK, self.Invoke(m_pDispatch, IdOf(L"IsSelf"), DISPATCH_METHOD));
  EXPECT_EQ(VT_BOOL, V_VT(&self.m_result));
  EXPECT_EQ(VARIANT_TRUE, V_BOOL(&self.m_result));
  CCall other({Disp(&foreign)});
  ASSERT_EQ(S_OK, other.Invoke(m_pDispatch, IdOf(L"IsSelf"), DISPATCH_METHOD));
  EXPECT_EQ(VARIANT_FALSE, V_BOOL(&other.m_result));
  CCall none({Null()});
  ASSERT_EQ(S_OK, none.Invoke(m_pDispatch, IdOf(L"IsSelf"), DISPATCH_METHOD));
  EXPECT_EQ(VARIANT_FALSE, V_BOOL(&none.m_result));
}

TEST_F(DispatchMap, VariantParameterAndResultPassUnchanged) {
  CCall call({Str(L"as is")});
  ASSERT_EQ(S_OK, call.Invoke(m_pDispatch, IdOf(L"Echo"), DISPATCH_METHOD));
  ASSERT_EQ(VT_BSTR, V_VT(&call.m_result));
  EXPECT_STREQ(L"as is", V_BSTR(&call.m_result));
}

TEST_F(DispatchMap, DispatchExceptionFillsExcepInfo) {
  CCall call({});
  ASSERT_EQ(DISP_E_EXCEPTION, call.Invoke(m_pDispatch, IdOf(L"Fail"), DISPATCH_METHOD));
  EXPECT_EQ(1001, call.m_excep.wCode);
  EXPECT_EQ(S_OK, call.m_excep.scode);
  EXPECT_STREQ(L"Fail was called", call.m_excep.bstrDescription);
  EXPECT_EQ(VT_EMPTY, V_VT(&call.m_result));
}

TEST_F(DispatchMap, OleExceptionGivesItsScodeAndText) {
  CCall call({});
  ASSERT_EQ(DISP_E_EXCEPTION, call.Invoke(m_pDispatch, IdOf(L"FailOle"), DISPATCH_METHOD));
  EXPECT_EQ(0, call.m_excep.wCode);
  EXPECT_EQ(E_ACCESSDENIED, call.m_excep.scode);
  ASSERT_NE(nullptr, call.m_excep.bstrDescription);
  EXPECT_GT(SysStringLen(call.m_excep.bstrDescription), 0u);
}

TEST_F(DispatchMap, ForeignExceptionsStopAtTheInterface) {
  CCall call({});
  ASSERT_EQ(DISP_E_EXCEPTION, call.Invoke(m_pDispatch, IdOf(L"FailOther"), DISPATCH_METHOD));
  EXPECT_EQ(E_UNEXPECTED, call.m_excep.scode);
  // Without an EXCEPINFO the caller still learns that the member failed.
  DISPPARAMS params = {nullptr, nullptr, 0, 0};
  EXPECT_EQ(DISP_E_EXCEPTION, m_pDispatch->Invoke(IdOf(L"Fail"), IID_NULL, 0, DISPATCH_METHOD,
                                                  &params, nullptr, nullptr, nullptr));
}

TEST(DispatchMapAutomation, ObjectWithoutAutomationHasNoDispatch) {
  CCmdTarget target;
  EXPECT_EQ(nullptr, target.GetIDispatch(TRUE));
  EXPECT_EQ(1, target.m_dwRef);
}

TEST(DispatchMapAutomation, GetIDispatchAddsAReferenceWhenAsked) {
  CAutoObject object;
  IDispatch* pDispatch = object.GetIDispatch(TRUE);
  EXPECT_EQ(2, object.m_dwRef);
  EXPECT_EQ(pDispatch, object.GetIDispatch(FALSE));
  EXPECT_EQ(2, object.m_dwRef);
  EXPECT_EQ(1u, pDispatch->Release());
  UINT nCount = 9;
  EXPECT_EQ(S_OK, pDispatch->GetTypeInfoCount(&nCount));
  EXPECT_EQ(0u, nCount);
}

TEST_F(DispatchMap, ByReferenceArgumentsTakeBackWhatTheMemberWrote) {
  long a = 1, b = 2;
  CCall swap({Ref(VT_I4, &a), Ref(VT_I4, &b)});
  ASSERT_EQ(S_OK, swap.Invoke(m_pDispatch, IdOf(L"Swap"), DISPATCH_METHOD));
  EXPECT_EQ(2, a);
  EXPECT_EQ(1, b);

  // A variable of another type, and a variant variable (as scripts pass them).
  short s = 5;
  VARIANT var;
  V_VT(&var) = VT_I4;
  V_I4(&var) = 7;
  CCall mixed({Ref(VT_I2, &s), Ref(VT_VARIANT, &var)});
  ASSERT_EQ(S_OK, mixed.Invoke(m_pDispatch, IdOf(L"Swap"), DISPATCH_METHOD));
  EXPECT_EQ(7, s);
  EXPECT_EQ(VT_I4, V_VT(&var));
  EXPECT_EQ(5, V_I4(&var));

  BSTR text = SysAllocString(L"x");
  CCall decorate({Ref(VT_BSTR, &text)});
  ASSERT_EQ(S_OK, decorate.Invoke(m_pDispatch, IdOf(L"Decorate"), DISPATCH_METHOD));
  EXPECT_STREQ(L"[x]", text);
  SysFreeString(text);

  VARIANT_BOOL flag = VARIANT_FALSE;
  CCall toggle({Ref(VT_BOOL, &flag)});
  ASSERT_EQ(S_OK, toggle.Invoke(m_pDispatch, IdOf(L"Toggle"), DISPATCH_METHOD));
  EXPECT_EQ(VARIANT_TRUE, flag);

  double value = 5;
  CCall half({Ref(VT_R8, &value)});
  ASSERT_EQ(S_OK, half.Invoke(m_pDispatch, IdOf(L"Half"), DISPATCH_METHOD));
  EXPECT_EQ(2.5, value);
  EXPECT_EQ(2.5, V_R8(&half.m_result));

  VARIANT tagged;
  V_VT(&tagged) = VT_BSTR;
  V_BSTR(&tagged) = SysAllocString(L"replaced");
  CCall tag({Ref(VT_VARIANT, &tagged)});
  ASSERT_EQ(S_OK, tag.Invoke(m_pDispatch, IdOf(L"Tag"), DISPATCH_METHOD));
  EXPECT_EQ(VT_I4, V_VT(&tagged));
  EXPECT_EQ(99, V_I4(&tagged));
}

struct ByValueCase {
  const char* name;
  VARIANT first;  // given by value or as a null reference
  long nSecondAfter;
};

TEST_F(DispatchMap, ByReferenceParametersReadValuesAndNullsWithoutWritingBack) {
  const ByValueCase cases[] = {
      {"a value", I4(9), 9},
      {"a null reference", Ref(VT_I4, nullptr), 0},
      {"a script's null", Null(), 0},
  };
  for (const ByValueCase& c : cases) {
    SCOPED_TRACE(c.name);
    long second = 3;
    CCall swap({c.first, Ref(VT_I4, &second)});
    ASSERT_EQ(S_OK, swap.Invoke(m_pDispatch, IdOf(L"Swap"), DISPATCH_METHOD));
    EXPECT_EQ(c.nSecondAfter, second);  // the member swapped: the second got the first
  }
  // By value on both sides: the member runs and nothing is written.
  CCall values({I4(1), I4(2)});
  EXPECT_EQ(S_OK, values.Invoke(m_pDispatch, IdOf(L"Swap"), DISPATCH_METHOD));
}

}  // namespace
