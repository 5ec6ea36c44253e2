// Where scripts may run: captions and tips run none, a script source is read
// only where scripts run and only when small, a language names only a
// scripting engine, engines treat the text as untrusted and may make no
// object, and validation compiles scripts without running them.
#include <gtest/gtest.h>

#include <objsafe.h>
#include <servprov.h>
#include <urlmon.h>

#include <string>

#include "SupportManualTimers.h"
#include "SupportMarkup.h"
#include "common/TKMarkupCaptionApi.h"
#include "TKActiveScriptEngine.h"
#include "markup/TKMarkupFlat.h"
#include "TKMarkupTkScript.h"
#include "markup/TKMarkupUIElement.h"
#include "testsupport/TempFolder.h"

namespace {

// The script throws as soon as it runs, so a tree comes back only when it did
// not run.
const char kThrowingCaption[] =
    "<TextBlock xmlns:tk='urn:a'>Step<tk:Script>throw 42;</tk:Script></TextBlock>";

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring ScriptPage(const std::wstring& scripts) {
  return L"<Grid xmlns:tk='urn:tk'>" + scripts + L"</Grid>";
}

class ScriptTrust : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    RegisterTestElements();
  }
  void TearDown() override { CoUninitialize(); }
  CManualTimers m_timers;
};

TEST_F(ScriptTrust, CaptionsAndTipsRunNoScriptUnlessTheOwnerAsks) {
  CTKMarkupContext* pContext = CreateMarkupContext(nullptr, TRUE);
  CTKMarkupUIElement* pCaption = ParseMarkupText(pContext, kThrowingCaption);
  EXPECT_NE(pCaption, nullptr);
  EXPECT_EQ(pContext->GetScriptEngine(), nullptr);
  ReleaseMarkupElement(pCaption);

  // Tooltips reach the flat functions through the captions seam.
  TKInstallMarkupCaptionApi();
  ITKMarkupCaptionApi* pApi = TKMarkupCaptionApi();
  ASSERT_NE(pApi, nullptr);
  CTKMarkupContext* pTipContext = pApi->CreateMarkupContext(nullptr, TRUE);
  CTKMarkupUIElement* pTip = pApi->ParseMarkupText(pTipContext, kThrowingCaption);
  EXPECT_NE(pTip, nullptr);
  pApi->ReleaseMarkupElement(pTip);
  pApi->ReleaseMarkupContext(pTipContext);
  TKSetMarkupCaptionApi(nullptr);

  // An owner that trusts its text turns scripts on: now the script runs.
  EnableMarkupContextScripts(pContext, TRUE);
  EXPECT_EQ(ParseMarkupText(pContext, kThrowingCaption), nullptr);
  EnableMarkupContextScripts(pContext, FALSE);
  pCaption = ParseMarkupText(pContext, kThrowingCaption);
  EXPECT_NE(pCaption, nullptr);
  ReleaseMarkupElement(pCaption);
  ReleaseMarkupContext(pContext);
}

TEST_F(ScriptTrust, ASourceIsReadOnlyWhereScriptsRunAndOnlyWhenSmall) {
  const std::wstring missing =
      ScriptPage(L"<tk:Script Source='file://C:\\no\\such\\folder\\script.js'/>");
  CTestContext plain;
  EXPECT_EQ(BuildError(plain, missing), "") << "nothing is opened";
  EXPECT_EQ(plain->ValidateXML(missing.c_str()), "Done.");

  CTempFolder folder;
  const std::string big(CTKMarkupTkScript::kMaxSourceBytes + 1, ' ');
  ASSERT_TRUE(folder.MakeFile("big.js", big));
  CTestContext scripted(nullptr, TRUE);
  const std::string error = BuildError(
      scripted, ScriptPage(L"<tk:Script Source='file://" + Wide(folder.PathOf("big.js")) + L"'/>"));
  EXPECT_EQ(error.rfind("COM Error [0x8007006F]", 0), 0u) << error;
  EXPECT_EQ(scripted->GetScriptEngine(), nullptr);
}

TEST_F(ScriptTrust, ALanguageNamesOnlyAScriptingEngine) {
  CTestContext context(nullptr, TRUE);
  // Other classes, registered or not, are unknown languages: nothing of them
  // is made (one would open the shell, another crashed the process).
  for (const wchar_t* lpszLanguage :
       {L"Scripting.Dictionary", L"Shell.Application", L"NoSuchScript"}) {
    const std::wstring text =
        ScriptPage(L"<tk:Script Language='" + std::wstring(lpszLanguage) + L"'>x</tk:Script>");
    const std::string error = BuildError(context, text);
    EXPECT_EQ(error.rfind("COM Error [0x800401F3]: ", 0), 0u) << error;
    EXPECT_EQ(context->GetScriptEngine(), nullptr);
    EXPECT_EQ(std::string(context->ValidateXML(text.c_str()).GetString()), error);
  }
  // The system's own engines are languages.
  EXPECT_EQ(BuildError(context, ScriptPage(L"<tk:Script Language='VBScript'>Dim b</tk:Script>")),
            "");
  EXPECT_EQ(BuildError(context, ScriptPage(L"<tk:Script Language='JScript'>var b;</tk:Script>")),
            "");
  context->CloseScripts();
}

TEST_F(ScriptTrust, EnginesTreatTheTextAsUntrustedAndMayMakeNoObject) {
  CTestContext context(nullptr, TRUE);
  std::string error;
  CTKMarkupAutoPtr<> root(ParseForTest(
      context,
      ScriptPage(L"<tk:Script>var made = false; try { new ActiveXObject('Scripting.Dictionary'); "
                 L"made = true; } catch (e) {} if (made) throw new Error('made');</tk:Script>"),
      &error));
  ASSERT_NE(root.Get(), nullptr) << error;
  ASSERT_NE(context->GetScriptEngine(), nullptr);
  IActiveScript* pScript = context->GetScriptEngine()->GetActiveScript();
  ASSERT_NE(pScript, nullptr);

  // {CB5BDC81-93C1-11CF-8F20-00805F2CD064}
  const IID kIID_IObjectSafety = {
      0xCB5BDC81, 0x93C1, 0x11CF, {0x8F, 0x20, 0x00, 0x80, 0x5F, 0x2C, 0xD0, 0x64}};
  IObjectSafety* pSafety = nullptr;
  ASSERT_EQ(pScript->QueryInterface(kIID_IObjectSafety, reinterpret_cast<void**>(&pSafety)), S_OK);
  DWORD dwSupported = 0, dwEnabled = 0;
  EXPECT_EQ(pSafety->GetInterfaceSafetyOptions(__uuidof(IActiveScriptParse), &dwSupported,
                                               &dwEnabled),
            S_OK);
  EXPECT_NE(dwEnabled & INTERFACESAFE_FOR_UNTRUSTED_DATA, 0u);
  pSafety->Release();

  // The site's host security manager refuses to run any object. (The engine
  // object is the site the engine was given.)
  IServiceProvider* pServices = nullptr;
  const IID iidServices = __uuidof(IServiceProvider);
  ASSERT_EQ(static_cast<HRESULT>(context->GetScriptEngine()->ExternalQueryInterface(
                &iidServices, reinterpret_cast<void**>(&pServices))),
            S_OK);
  IInternetHostSecurityManager* pManager = nullptr;
  ASSERT_EQ(pServices->QueryService(__uuidof(IInternetHostSecurityManager),
                                    __uuidof(IInternetHostSecurityManager),
                                    reinterpret_cast<void**>(&pManager)),
            S_OK);
  for (DWORD dwAction : {DWORD(URLACTION_ACTIVEX_RUN), DWORD(URLACTION_SCRIPT_SAFE_ACTIVEX)}) {
    DWORD dwPolicy = URLPOLICY_ALLOW;
    CLSID clsid = {};
    pManager->ProcessUrlAction(dwAction, reinterpret_cast<BYTE*>(&dwPolicy), sizeof(dwPolicy),
                               reinterpret_cast<BYTE*>(&clsid), sizeof(clsid), 0, 0);
    EXPECT_EQ(dwPolicy, DWORD(URLPOLICY_DISALLOW)) << dwAction;
  }
  BYTE* pPolicy = nullptr;
  DWORD cbPolicy = 0;
  EXPECT_EQ(pManager->QueryCustomPolicy(GUID_NULL, &pPolicy, &cbPolicy,
                                        nullptr, 0, 0),
            S_OK);
  ASSERT_EQ(cbPolicy, sizeof(DWORD));
  EXPECT_EQ(*reinterpret_cast<DWORD*>(pPolicy), DWORD(URLPOLICY_DISALLOW));
  CoTaskMemFree(pPolicy);
  pManager->Release();
  pServices->Release();
  root.Assign(nullptr);
  context->CloseScripts();
}

TEST_F(ScriptTrust, ValidationReportsScriptErrorsWithoutRunningAnything) {
  struct Case {
    std::wstring scripts;
    std::string expectedPrefix;
  };
  const Case cases[] = {
      {L"<tk:Script>var a;</tk:Script><tk:Script Language='VBScript'>Dim b</tk:Script>",
       "'VBScript' script engine is not allowed to use when 'JScript' is already used."},
      {L"<tk:Script Language='NoSuchScript'>x</tk:Script>", "COM Error [0x800401F3]: "},
      {L"<tk:Script>var = ;</tk:Script>", "Script error [0x800A03EA]: "},
      {L"<tk:Script>var a = 1;</tk:Script><tk:Script>var = ;</tk:Script>",
       "Script error [0x800A03EA]: "},
      // Compiled, never run: neither the throw nor the timeout happens.
      {L"<tk:Script>setTimeout(function() {}, 5); throw 42;</tk:Script>", "Done."},
      {L"", "Done."},
  };
  for (BOOL bRunScripts : {FALSE, TRUE}) {
    CTestContext context(nullptr, bRunScripts);
    for (const Case& c : cases) {
      const std::string answer(context->ValidateXML(ScriptPage(c.scripts).c_str()).GetString());
      EXPECT_EQ(answer.rfind(c.expectedPrefix, 0), 0u) << answer;
      if (c.expectedPrefix.back() == ' ') {
        EXPECT_GT(answer.size(), c.expectedPrefix.size()) << answer;
      }
      EXPECT_EQ(context->GetScriptEngine(), nullptr);
      EXPECT_EQ(m_timers.ArmedCount(), 0u);
    }
  }
}

}  // namespace
