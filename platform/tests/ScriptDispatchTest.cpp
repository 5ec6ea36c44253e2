// A dispatch map driven by the system's JScript and VBScript engines through
// Active Scripting: the object is a named item that scripts read, write and call.
#include <gtest/gtest.h>

#include <activscp.h>

#include <string>
#include <utility>

#include "afxdisp.h"

namespace {

class CScriptable : public CCmdTarget {
 public:
  CScriptable() { EnableAutomation(); }
  long m_nValue = 5;
  CString m_strResult;
  CString m_strLastConcat;

 protected:
  long GetValue() { return m_nValue; }
  void SetValue(long n) { m_nValue = n; }
  BSTR Concat(LPCSTR lpszText, long nTimes) {
    CString s;
    for (long i = 0; i < nTimes; ++i) s += lpszText;
    m_strLastConcat = s;
    return s.AllocSysString();
  }
  void Fail() { AfxThrowOleDispatchException(77, "The object refused"); }
  BOOL IsSelf(LPDISPATCH pDispatch) { return CCmdTarget::FromIDispatch(pDispatch) == this; }
  long GetFixed() { return 42; }
  void Swap(long* pA, long* pB) { std::swap(*pA, *pB); }
  DECLARE_DISPATCH_MAP()
};

BEGIN_DISPATCH_MAP(CScriptable, CCmdTarget)
DISP_PROPERTY_EX(CScriptable, "Value", GetValue, SetValue, VT_I4)
DISP_PROPERTY(CScriptable, "Result", m_strResult, VT_BSTR)
DISP_FUNCTION(CScriptable, "Concat", Concat, VT_BSTR, VTS_BSTR VTS_I4)
DISP_FUNCTION(CScriptable, "Fail", Fail, VT_EMPTY, VTS_NONE)
DISP_FUNCTION(CScriptable, "IsSelf", IsSelf, VT_BOOL, VTS_DISPATCH)
DISP_PROPERTY_EX(CScriptable, "Fixed", GetFixed, SetNotSupported, VT_I4)
DISP_FUNCTION(CScriptable, "Swap", Swap, VT_EMPTY, VTS_PI4 VTS_PI4)
END_DISPATCH_MAP()

/// The host side: hands the engine the object as the item "obj" and keeps
/// the last script error.
class CScriptSite : public IActiveScriptSite {
 public:
  explicit CScriptSite(IUnknown* pItem) : m_pItem(pItem) {}
  bool m_bError = false;
  std::wstring m_errorDescription;

  STDMETHOD_(ULONG, AddRef)() override { return InterlockedIncrement(&m_nRef); }
  STDMETHOD_(ULONG, Release)() override { return InterlockedDecrement(&m_nRef); }
  STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppv) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, __uuidof(IActiveScriptSite))) {
      *ppv = this;
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHOD(GetLCID)(LCID*) override { return E_NOTIMPL; }
  STDMETHOD(GetItemInfo)
  (LPCOLESTR pstrName, DWORD dwReturnMask, IUnknown** ppiunkItem, ITypeInfo** ppti) override {
    if (ppti != nullptr) *ppti = nullptr;
    if (!(dwReturnMask & SCRIPTINFO_IUNKNOWN) || lstrcmpW(pstrName, L"obj") != 0)
      return TYPE_E_ELEMENTNOTFOUND;
    *ppiunkItem = m_pItem;
    m_pItem->AddRef();
    return S_OK;
  }
  STDMETHOD(GetDocVersionString)(BSTR*) override { return E_NOTIMPL; }
  STDMETHOD(OnScriptTerminate)(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
  STDMETHOD(OnStateChange)(SCRIPTSTATE) override { return S_OK; }
  STDMETHOD(OnScriptError)(IActiveScriptError* pError) override {
    EXCEPINFO info = {};
    m_bError = true;
    if (SUCCEEDED(pError->GetExceptionInfo(&info)) && info.bstrDescription != nullptr)
      m_errorDescription = info.bstrDescription;
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
    return S_OK;
  }
  STDMETHOD(OnEnterScript)() override { return S_OK; }
  STDMETHOD(OnLeaveScript)() override { return S_OK; }

 private:
  IUnknown* m_pItem;
  LONG m_nRef = 1;
};

class ScriptDispatch : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
  void TearDown() override {
    CoUninitialize();
    EXPECT_EQ(1, m_object.m_dwRef);  // the engine released every reference
  }

  /// Runs `script` with the object visible as "obj"; the HRESULT of the parse.
  HRESULT Run(const wchar_t* script, const wchar_t* language = L"JScript") {
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(language, &clsid);
    if (FAILED(hr)) return hr;
    IActiveScript* pScript = nullptr;
    hr = CoCreateInstance(clsid, nullptr, CLSCTX_ALL, __uuidof(IActiveScript),
                          reinterpret_cast<void**>(&pScript));
    if (FAILED(hr)) return hr;
    IActiveScriptParse* pParse = nullptr;
    hr = pScript->QueryInterface(__uuidof(IActiveScriptParse), reinterpret_cast<void**>(&pParse));
    if (SUCCEEDED(hr)) hr = pParse->InitNew();
    if (SUCCEEDED(hr)) hr = pScript->SetScriptSite(&m_site);
    if (SUCCEEDED(hr)) hr = pScript->AddNamedItem(L"obj", SCRIPTITEM_ISVISIBLE);
    if (SUCCEEDED(hr))
      hr = pParse->ParseScriptText(script, nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISVISIBLE,
                                   nullptr, nullptr);
    if (SUCCEEDED(hr)) hr = pScript->SetScriptState(SCRIPTSTATE_CONNECTED);
    pScript->Close();
    if (pParse != nullptr) pParse->Release();
    pScript->Release();
    return hr;
  }

  CScriptable m_object;
  CScriptSite m_site{m_object.GetIDispatch(FALSE)};
};

TEST_F(ScriptDispatch, ScriptReadsAndWritesAProperty) {
  ASSERT_EQ(S_OK, Run(L"obj.Value = obj.Value * 10 + 1;"));
  EXPECT_EQ(51, m_object.m_nValue);
  EXPECT_FALSE(m_site.m_bError);
}

TEST_F(ScriptDispatch, ScriptWritesAMemberVariableProperty) {
  ASSERT_EQ(S_OK, Run(L"obj.result = 'value ' + obj.value;"));  // names in any case
  EXPECT_STREQ("value 5", m_object.m_strResult);
}

TEST_F(ScriptDispatch, ScriptCallsAMethodWithConvertedArguments) {
  ASSERT_EQ(S_OK, Run(L"obj.Result = obj.Concat('ab', '3') + '|' + obj.Concat(7, 2.4);"));
  EXPECT_STREQ("ababab|77", m_object.m_strResult);
}

TEST_F(ScriptDispatch, ThrownExceptionArrivesAsAScriptError) {
  ASSERT_EQ(S_OK, Run(L"try { obj.Fail(); obj.Result = 'not thrown'; }"
                      L" catch (e) { obj.Result = e.description; }"));
  EXPECT_STREQ("The object refused", m_object.m_strResult);
  EXPECT_FALSE(m_site.m_bError);
}

TEST_F(ScriptDispatch, UncaughtExceptionReachesTheSite) {
  Run(L"obj.Fail();");
  EXPECT_TRUE(m_site.m_bError);
  EXPECT_EQ(L"The object refused", m_site.m_errorDescription);
}

TEST_F(ScriptDispatch, ObjectPassedBackByTheScriptIsFoundAgain) {
  ASSERT_EQ(S_OK, Run(L"obj.Value = obj.IsSelf(obj) ? 1 : 0;"));
  EXPECT_EQ(1, m_object.m_nValue);
}

TEST_F(ScriptDispatch, UnknownMemberIsAScriptError) {
  ASSERT_EQ(S_OK, Run(L"try { obj.Missing(); } catch (e) { obj.Result = 'caught'; }"));
  EXPECT_STREQ("caught", m_object.m_strResult);
}

TEST_F(ScriptDispatch, PuttingAReadOnlyPropertyThrowsTheStandardErrorIntoTheScript) {
  ASSERT_EQ(S_OK, Run(L"try { obj.Fixed = 3; obj.Result = 'not thrown'; }"
                      L" catch (e) { obj.Result = e.number + '|' + e.description; }"));
  // CTL_E_SETNOTSUPPORTED (0x800A017F) as JScript's signed error number.
  EXPECT_STREQ("-2146827905|Property is read-only.", m_object.m_strResult);
  EXPECT_FALSE(m_site.m_bError);
  ASSERT_EQ(S_OK, Run(L"obj.Value = obj.Fixed;"));
  EXPECT_EQ(42, m_object.m_nValue);
}

TEST_F(ScriptDispatch, ByReferenceParametersWriteToTheScriptsVariables) {
  ASSERT_EQ(S_OK, Run(L"Dim a, b\n"
                      L"a = 1 : b = 2\n"
                      L"obj.Swap a, b\n"
                      L"obj.Result = a & \",\" & b\n"
                      L"obj.Swap (a), (b)\n"  // parentheses pass copies
                      L"obj.Result = obj.Result & \"|\" & a & \",\" & b\n",
                      L"VBScript"));
  EXPECT_STREQ("2,1|2,1", m_object.m_strResult);
  EXPECT_FALSE(m_site.m_bError);
}

}  // namespace
