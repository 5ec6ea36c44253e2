// The script host: script blocks run in the system's JScript engine, reach
// named elements and the context, handle events, arm timeouts through the
// timer seam, report their errors as build errors, and end with their tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "SupportManualTimers.h"
#include "SupportMarkup.h"
#include "TKActiveScriptEngine.h"
#include "TKActiveScriptStdRuntime.h"
#include "TKMarkupDelegate.h"
#include "TKMarkupEscape.h"
#include "TKMarkupString.h"
#include "TKMarkupTkScript.h"
#include "TKMarkupTypeTable.h"
#include "testsupport/MessageLoop.h"
#include "testsupport/TempFolder.h"
#include "testsupport/TestProcess.h"

namespace {

// A stand-in element that scripts can change: "Text" (read and write) and
// "Touch" (counts calls).
class CProbe : public CTestElement {
 public:
  static CTKMarkupType* s_pType;
  CTKMarkupType* GetType() const override { return s_pType; }
  static CTKMarkupObject* CreateInstance(CTKMarkupContext* pContext) {
    CProbe* pProbe = new CProbe;
    pProbe->SetContext(pContext);
    return pProbe;
  }
  std::wstring m_text;
  int m_nTouches = 0;

 protected:
  BSTR GetText() { return SysAllocString(m_text.c_str()); }
  void SetText(LPCWSTR lpszText) { m_text = lpszText != nullptr ? lpszText : L""; }
  void Touch() { ++m_nTouches; }
  void Poke(const VARIANT&, const VARIANT&) { ++m_nTouches; }
  DECLARE_DISPATCH_MAP()
};
CTKMarkupType* CProbe::s_pType = nullptr;

BEGIN_DISPATCH_MAP(CProbe, CTKMarkupObject)
DISP_PROPERTY_EX_ID(CProbe, "Text", 1, GetText, SetText, VT_BSTR)
DISP_FUNCTION_ID(CProbe, "Touch", 2, Touch, VT_EMPTY, VTS_NONE)
DISP_FUNCTION_ID(CProbe, "Poke", 3, Poke, VT_EMPTY, VTS_VARIANT VTS_VARIANT)
END_DISPATCH_MAP()

CTKMarkupType* FrameworkElementType() { return TKMarkupTypeRow(TKMarkupRow_FrameworkElement); }

class ScriptHostTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterTestElements();
    if (CProbe::s_pType == nullptr) {
      CProbe::s_pType = new CTKMarkupType(L"Probe", L"CProbe", &CProbe::CreateInstance,
                                          &FrameworkElementType, nullptr);
      CProbe::s_pType->RegisterProperties();
    }
  }
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override {
    m_root.Assign(nullptr);
    m_context->CloseScripts();
    CoUninitialize();
  }

  // Parses into the test's context and keeps the root; the build error, "" on success.
  std::string Build(const std::wstring& text) {
    std::string error;
    m_root.Assign(ParseForTest(m_context, text, &error));
    return error;
  }
  CProbe* Probe(LPCWSTR lpszName = L"probe") {
    return m_root != nullptr ? static_cast<CProbe*>(m_root->FindName(lpszName)) : nullptr;
  }

  CManualTimers m_timers;
  CTestContext m_context{nullptr, TRUE};
  CTKMarkupAutoPtr<> m_root;
};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring Page(const std::wstring& script, const std::wstring& attributes = L"") {
  return L"<Grid xmlns:tk='urn:tk'><Probe Name='probe'/><tk:Script" + attributes + L"><![CDATA[" +
         script + L"]]></tk:Script></Grid>";
}

TEST_F(ScriptHostTest, ScriptSetsPropertiesOfNamedElementsAndCallsTheirMethods) {
  ASSERT_EQ(Build(Page(L"probe.Text = 'set by ' + 'script'; probe.Touch(); probe.Touch();")), "");
  ASSERT_NE(Probe(), nullptr);
  EXPECT_EQ(Probe()->m_text, L"set by script");
  EXPECT_EQ(Probe()->m_nTouches, 2);
  ASSERT_NE(m_context->GetScriptEngine(), nullptr);
  EXPECT_EQ(m_context->GetScriptEngine()->LookupNamedItem(L"probe"), Probe());
  EXPECT_EQ(m_context->GetScriptEngine()->LookupNamedItem(L"Probe"), nullptr);
}

TEST_F(ScriptHostTest, ElementsWithoutANameAreNotVisibleToScripts) {
  const std::string error = Build(
      L"<Grid xmlns:tk='urn:tk'><Probe/><tk:Script>var seen = typeof(probe) != 'undefined'; "
      L"if (seen) throw 1; anonymous.Text = 'x';</tk:Script></Grid>");
  EXPECT_EQ(error.rfind("Script error [0x", 0), 0u) << error;
  EXPECT_EQ(m_root.Get(), nullptr);
  EXPECT_EQ(m_context->GetScriptEngine(), nullptr);
}

TEST_F(ScriptHostTest, ScriptsSeeTheContextObject) {
  ASSERT_EQ(Build(Page(L"probe.Text = MarkupContext.ValidateXML('<Grid/>') + ' ' + "
                       L"MarkupContext.EnableGdiPlus;")),
            "");
  EXPECT_EQ(Probe()->m_text, L"Done. true");
}

TEST_F(ScriptHostTest, ScriptsOfOneTreeRunInOrderAndShareTheirGlobals) {
  ASSERT_EQ(
      Build(L"<Grid xmlns:tk='urn:tk'><Probe Name='probe'/><tk:Script>var n = 'one';</tk:Script>"
            L"<tk:Script Language='JScript'>probe.Text = n + ' two';</tk:Script></Grid>"),
      "");
  EXPECT_EQ(Probe()->m_text, L"one two");
}

TEST_F(ScriptHostTest, EventHandlersRegisteredByScriptsReceiveSenderAndArguments) {
  ASSERT_EQ(Build(Page(L"var handler = { OnPoke: function(sender, args) { sender.Text = 'poked'; "
                       L"args.Touch(); } };"
                       L"MarkupContext.SetHandler(handler);"
                       L"MarkupContext.SetMethod({ Other: function(s, a) { s.Touch(); } }, "
                       L"'Other');")),
            "");
  CProbe* pProbe = Probe();
  CTKMarkupAutoPtr<> args(CProbe::CreateInstance(m_context));
  m_context->AddRef();
  m_context->FindDelegate(L"OnPoke")->Execute(pProbe, args);
  EXPECT_EQ(pProbe->m_text, L"poked");
  EXPECT_EQ(static_cast<CProbe*>(args.Get())->m_nTouches, 1);
  m_context->FindDelegate(L"Other")->Execute(pProbe, args);
  EXPECT_EQ(pProbe->m_nTouches, 1);
  // A name the handler does not know does nothing.
  m_context->FindDelegate(L"Unknown")->Execute(pProbe, args);
}

TEST_F(ScriptHostTest, SetTimeoutCallsTheFunctionOnceAfterItsDelay) {
  ASSERT_EQ(Build(Page(L"var id = setTimeout(function() { probe.Touch(); }, 250); "
                       L"probe.Text = (id > 0) ? 'armed' : 'failed';")),
            "");
  EXPECT_EQ(Probe()->m_text, L"armed");
  const UINT_PTR nTimer = m_timers.OnlyTimer();
  ASSERT_NE(nTimer, 0u);
  EXPECT_EQ(m_timers.DelayOf(nTimer), 250u);
  EXPECT_EQ(Probe()->m_nTouches, 0);
  ASSERT_TRUE(m_timers.Fire(nTimer));
  EXPECT_EQ(Probe()->m_nTouches, 1);
  EXPECT_EQ(m_timers.ArmedCount(), 0u);  // one call only
  EXPECT_EQ(m_context->GetScriptRuntime()->GetPendingTimeoutCount(), 0);
}

TEST_F(ScriptHostTest, WithoutTheSeamTimeoutsAreThreadTimersOfTheMessageLoop) {
  TKSetMarkupTimerSource(nullptr);
  ASSERT_EQ(Build(Page(L"setTimeout(function() { probe.Text += 'a'; }, 0);"
                       L"clearTimeout(setTimeout(function() { probe.Text += 'x'; }, 0));"
                       L"setTimeout(function() { probe.Text += 'b'; }, 30);")),
            "");
  EXPECT_EQ(Probe()->m_text, L"");
  ASSERT_TRUE(RunMessagesUntil([this] { return Probe()->m_text == L"ab"; }));
  EXPECT_EQ(m_context->GetScriptRuntime()->GetPendingTimeoutCount(), 0);
  DispatchPendingMessages();
  EXPECT_EQ(Probe()->m_text, L"ab");
}

TEST_F(ScriptHostTest, ClearTimeoutCancelsOnlyAPendingTimeoutOfItsOwn) {
  ASSERT_EQ(Build(Page(L"var a = setTimeout(function() { probe.Text += 'a'; }, 0);"
                       L"var b = setTimeout(function() { probe.Text += 'b'; }, 10);"
                       L"clearTimeout(a); clearTimeout(12345); clearTimeout(a);"
                       L"var c = setTimeout(null, 5); probe.Text = 'null gives ' + c + ';';")),
            "");
  EXPECT_EQ(Probe()->m_text, L"null gives 0;");
  ASSERT_EQ(m_timers.ArmedCount(), 1u);
  EXPECT_EQ(m_timers.DelayOf(m_timers.OnlyTimer()), 10u);
  m_timers.Fire(m_timers.OnlyTimer());
  EXPECT_EQ(Probe()->m_text, L"null gives 0;b");
}

TEST_F(ScriptHostTest, ATimeoutMayArmTheNextOne) {
  ASSERT_EQ(Build(Page(L"function tick() { probe.Touch(); if (probe.Text.length < 3) { "
                       L"probe.Text += 'x'; setTimeout(tick, 20); } } setTimeout(tick, 20);")),
            "");
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(m_timers.Fire(m_timers.OnlyTimer()));
  EXPECT_EQ(Probe()->m_nTouches, 3);
  EXPECT_EQ(m_timers.ArmedCount(), 1u);
  ASSERT_TRUE(m_timers.Fire(m_timers.OnlyTimer()));
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
}

TEST_F(ScriptHostTest, ClosingOneContextsScriptsCancelsOnlyItsOwnTimeouts) {
  ASSERT_EQ(Build(Page(L"setTimeout(function() { probe.Touch(); }, 30);")), "");
  CTestContext other(nullptr, TRUE);
  CTKMarkupAutoPtr<> otherRoot(
      ParseForTest(other, Page(L"setTimeout(function() { probe.Touch(); }, 40); "
                               L"setTimeout(function() { probe.Touch(); }, 50);")));
  ASSERT_NE(otherRoot.Get(), nullptr);
  ASSERT_EQ(m_timers.ArmedCount(), 3u);

  // The other context's scripts end (its next tree replaces them).
  CTKMarkupAutoPtr<> replacement(ParseForTest(other, L"<Grid/>"));
  ASSERT_NE(replacement.Get(), nullptr);
  ASSERT_EQ(m_timers.ArmedCount(), 1u);
  EXPECT_EQ(m_timers.DelayOf(m_timers.OnlyTimer()), 30u);
  ASSERT_TRUE(m_timers.Fire(m_timers.OnlyTimer()));
  EXPECT_EQ(Probe()->m_nTouches, 1);
  EXPECT_EQ(static_cast<CProbe*>(otherRoot->FindName(L"probe"))->m_nTouches, 0);
}

TEST_F(ScriptHostTest, ReleasingAContextEndsItsScriptsAndTimeouts) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  pContext->SetScriptsEnabled(TRUE);
  CTKMarkupObject* pRoot =
      ParseForTest(pContext, Page(L"setTimeout(function() { probe.Touch(); }, 30);"));
  ASSERT_NE(pRoot, nullptr);
  ASSERT_EQ(m_timers.ArmedCount(), 1u);
  pRoot->Release();
  pContext->Release();  // the host's last reference: nothing of the scripts holds the context
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
}

// The engine holds no named element, so nothing it holds keeps the context.
TEST_F(ScriptHostTest, ReleasingAContextWhoseScriptUsedItsElementsEndsItsTimeouts) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  pContext->SetScriptsEnabled(TRUE);
  CTKMarkupObject* pRoot =
      ParseForTest(pContext, Page(L"probe.Text = 'top'; var held = probe; "
                                  L"setTimeout(function() { probe.Touch(); }, 30);"));
  ASSERT_NE(pRoot, nullptr);
  ASSERT_EQ(m_timers.ArmedCount(), 1u);
  pRoot->Release();
  pContext->Release();
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
}

TEST_F(ScriptHostTest, ErrorsBecomeBuildErrorsInTheirTexts) {
  struct Case {
    std::wstring text;
    std::string expectedPrefix;
    std::string expectedSuffix;
  };
  const Case cases[] = {
      // A syntax error: the engine's code and description.
      {Page(L"var = ;"), "Script error [0x800A03EA]: "},
      // A run-time error while the tree's scripts first run.
      {Page(L"nothing.at.all();"), "Script error [0x800A"},
      {Page(L"throw new Error('thrown by the page');"), "Script error [0x",
       "]: thrown by the page"},
      // One tree, one language.
      {L"<Grid xmlns:tk='urn:tk'><tk:Script>var a;</tk:Script><tk:Script Language='VBScript'>Dim "
       L"b</tk:Script></Grid>",
       "'VBScript' script engine is not allowed to use when 'JScript' is already used."},
      // A language no engine is registered for: CLSIDFromProgID's error.
      {L"<Grid xmlns:tk='urn:tk'><tk:Script Language='NoSuchScript'>x</tk:Script></Grid>",
       "COM Error [0x800401F3]: "},
      {L"<Grid xmlns:tk='urn:tk'><tk:Script Source='file://nowhere\\missing.js'>x = "
       L"1;</tk:Script></Grid>",
       "tk:Script does not allow combining script source and content"},
  };
  for (const Case& c : cases) {
    const std::string error = Build(c.text);
    EXPECT_EQ(error.rfind(c.expectedPrefix, 0), 0u) << error;
    // A text that ends in ": " goes on with the engine's or the system's description.
    if (c.expectedPrefix.back() == ' ') {
      EXPECT_GT(error.size(), c.expectedPrefix.size()) << error;
    }
    EXPECT_EQ(error.substr(error.size() - std::min(error.size(), c.expectedSuffix.size())),
              c.expectedSuffix);
    EXPECT_EQ(m_root.Get(), nullptr);
    // A failed build leaves no engine and nothing armed.
    EXPECT_EQ(m_context->GetScriptEngine(), nullptr);
    EXPECT_EQ(m_timers.ArmedCount(), 0u);
  }
}

TEST_F(ScriptHostTest, AFailingBuildCancelsWhatItsFirstScriptArmed) {
  const std::string error = Build(
      L"<Grid xmlns:tk='urn:tk'><tk:Script>setTimeout(function() {}, 5);</tk:Script>"
      L"<tk:Script>var = ;</tk:Script></Grid>");
  EXPECT_EQ(error.rfind("Script error [", 0), 0u) << error;
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
}

TEST_F(ScriptHostTest, AScriptErrorInAnEventHandlerIsKeptButReportsNothing) {
  ASSERT_EQ(Build(Page(L"MarkupContext.SetHandler({ Fail: function(s, a) { nothing(); } });")), "");
  m_context->FindDelegate(L"Fail")->Execute(Probe(), nullptr);
  ASSERT_NE(m_context->GetScriptEngine()->GetLastExceptionInfo(), nullptr);
  // A JScript run-time error (facility 10, the engine's own codes).
  EXPECT_EQ(
      static_cast<unsigned>(m_context->GetScriptEngine()->GetLastExceptionInfo()->scode) >> 16,
      0x800Au);
}

// Script sources --------------------------------------------------------------------------

struct SourceCase {
  const char* name;
  std::string bytes;
  const wchar_t* expected;  // the probe's text afterwards
};

class ScriptSourceTest : public ScriptHostTest {};

TEST_F(ScriptSourceTest, FilesInUtf8WithAMarkUtf16AndEmptyLoad) {
  const std::string utf16Script(
      "\xFF\xFE"
      "p\0r\0o\0b\0e\0.\0T\0e\0x\0t\0 \0=\0 \0'\0\xE9\0'\0;\0",
      2 + 17 * 2);
  const SourceCase cases[] = {
      {"utf8.js", "\xEF\xBB\xBFprobe.Text = '\xC3\xA9\xE2\x82\xAC';", L"\u00E9\u20AC"},
      {"utf16.js", utf16Script, L"\u00E9"},
      {"plain.js", "probe.Text = 'plain';", L"plain"},
      {"empty.js", "", L"untouched"},
  };
  CTempFolder folder;
  for (const SourceCase& c : cases) {
    ASSERT_TRUE(folder.MakeFile(c.name, c.bytes));
    const std::wstring path = Wide(folder.PathOf(c.name));
    ASSERT_EQ(
        Build(L"<Grid xmlns:tk='urn:tk'><Probe Name='probe' /><tk:Script Source='file://" + path +
              L"'/><tk:Script>if (probe.Text == '') probe.Text = 'untouched';</tk:Script>"
              L"</Grid>"),
        "")
        << c.name;
    EXPECT_EQ(Probe()->m_text, c.expected) << c.name;
  }
}

TEST_F(ScriptSourceTest, AnEmptyFileAloneMakesNoEngine) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("empty.js", ""));
  const std::wstring path = Wide(folder.PathOf("empty.js"));
  ASSERT_EQ(Build(L"<Grid xmlns:tk='urn:tk'><tk:Script Source='" + path + L"'/></Grid>"), "");
  EXPECT_EQ(m_context->GetScriptEngine(), nullptr);
}

TEST_F(ScriptSourceTest, ARelativeFilePathStartsAtTheProgramsFolder) {
  const std::string path = PathBesideThisProgram("ScriptHostTest-relative.js");
  ASSERT_TRUE(WriteFileBytes(path, "probe.Text = 'beside the program';"));
  const std::string error = Build(
      L"<Grid xmlns:tk='urn:tk'><Probe Name='probe'/><tk:Script "
      L"Source='file://ScriptHostTest-relative.js'/></Grid>");
  DeleteFileA(path.c_str());
  ASSERT_EQ(error, "");
  EXPECT_EQ(Probe()->m_text, L"beside the program");
}

TEST_F(ScriptSourceTest, AMissingFileFailsTheBuildWithItsSystemError) {
  const std::string error = Build(
      L"<Grid xmlns:tk='urn:tk'><tk:Script "
      L"Source='file://C:\\no\\such\\folder\\script.js'/></Grid>");
  EXPECT_EQ(error.rfind("COM Error [0x80070003]", 0), 0u) << error;
}

TEST(ScriptText, DecodesByTheByteOrderMark) {
  struct Case {
    std::string bytes;
    HRESULT hr;
    std::wstring text;
  };
  const Case cases[] = {
      {"", S_OK, L""},
      {"\xEF\xBB\xBF"
       "a\xC3\xA9",
       S_OK, L"a\u00E9"},
      {std::string("\xFF\xFE"
                   "a\0b\0",
                   6),
       S_OK, L"ab"},
      {"plain", S_OK, L"plain"},
  };
  for (const Case& c : cases) {
    CStringW text;
    EXPECT_EQ(CTKMarkupTkScript::DecodeScriptText(reinterpret_cast<const BYTE*>(c.bytes.data()),
                                                  c.bytes.size(), &text),
              c.hr)
        << c.bytes;
    EXPECT_EQ(std::wstring(text.GetString()), c.text);
  }
  CStringW text;
  EXPECT_EQ(CTKMarkupTkScript::DecodeScriptText(reinterpret_cast<const BYTE*>("x"),
                                                size_t(0x7FFFFFFF), &text),
            HRESULT_FROM_WIN32(ERROR_BUFFER_OVERFLOW));
}

// Only a tree's own script blocks run, and only when it is built to run them --------------

TEST_F(ScriptHostTest, ValidationRunsNoScriptAndLeavesTheRunningOnes) {
  ASSERT_EQ(Build(Page(L"setTimeout(function() { probe.Touch(); }, 30);")), "");
  ASSERT_EQ(m_timers.ArmedCount(), 1u);
  CTKActiveScriptEngine* pEngine = m_context->GetScriptEngine();
  EXPECT_EQ(m_context->ValidateXML(L"<Grid xmlns:tk='urn:tk'><tk:Script>setTimeout(function() {}, "
                                   L"1); setTimeout(function() {}, 2);"
                                   L"</tk:Script></Grid>"),
            "Done.");
  EXPECT_EQ(m_timers.ArmedCount(), 1u);
  EXPECT_EQ(m_context->GetScriptEngine(), pEngine);
  ASSERT_TRUE(m_timers.Fire(m_timers.OnlyTimer()));
  EXPECT_EQ(Probe()->m_nTouches, 1);
}

TEST_F(ScriptHostTest, TextAScriptParsesRunsNoScriptAndKeepsTheRunningEngine) {
  ASSERT_EQ(
      Build(Page(
          L"var t = MarkupContext.Parse(\"<Grid xmlns:tk='urn:tk'><tk:Script>probe.Text = 'inner'; "
          L"setTimeout(function() {}, 1);</tk:Script></Grid>\");"
          L"probe.Text += (t != null) ? 'parsed;' : 'failed;';"
          L"probe.Text += 'still running';")),
      "");
  EXPECT_EQ(Probe()->m_text, L"parsed;still running");
  EXPECT_EQ(m_timers.ArmedCount(), 0u);
}

TEST_F(ScriptHostTest, ALaterTreeWithoutScriptsReachesNoHandlerOfTheClosedScripts) {
  ASSERT_EQ(Build(Page(L"MarkupContext.SetHandler({ OnPoke: function(s, a) { s.Touch(); } });"
                       L"MarkupContext.SetMethod({ M: function(s, a) { s.Touch(); } }, 'M');")),
            "");
  CTKMarkupAutoPtr<> keep(m_root.AddRefAndGet());
  CProbe* pOld = Probe();
  m_context->FindDelegate(L"OnPoke")->Execute(pOld, nullptr);
  ASSERT_EQ(pOld->m_nTouches, 1);

  ASSERT_EQ(Build(L"<Grid xmlns:tk='urn:tk'><Probe Name='probe'/></Grid>"), "");
  m_context->FindDelegate(L"OnPoke")->Execute(pOld, nullptr);
  m_context->FindDelegate(L"M")->Execute(pOld, nullptr);
  EXPECT_EQ(pOld->m_nTouches, 1);
}

TEST_F(ScriptHostTest, AHandlerTheHostSetOutlivesTheScripts) {
  // The host's handler object: here a probe's automation object, method Poke.
  // It is the host's own, not made through the context: an object of the
  // context would keep the context alive through the handler the context holds.
  CTKMarkupAutoPtr<> handlerTree(CProbe::CreateInstance(nullptr));
  ASSERT_NE(handlerTree.Get(), nullptr);
  m_context->SetMethod(handlerTree->GetIDispatch(FALSE), L"Poke");
  ASSERT_EQ(Build(Page(L"var x = 1;")), "");
  ASSERT_EQ(Build(L"<Grid/>"), "");
  m_context->FindDelegate(L"Poke")->Execute(nullptr, nullptr);
  EXPECT_EQ(static_cast<CProbe*>(handlerTree.Get())->m_nTouches, 1);
}

TEST(MarkupEscape, UserTextReadsBackAsTheSameTextAndRunsNothing) {
  CManualTimers timers;
  RegisterTestElements();
  const wchar_t* hostile[] = {
      L"<Grid xmlns:tk='urn:tk'><tk:Script>setTimeout(function(){}, 1);</tk:Script></Grid>",
      L"]]></TextBlock><tk:Script>setTimeout(function(){}, 1);</tk:Script><TextBlock>",
      L"Build & \"deploy\" 'now' > log",
      L"C:\\Program Files\\{x}\\<step>.exe",
      L"{StaticResource nothing}",
  };
  for (const wchar_t* lpszText : hostile) {
    CTestContext context(nullptr, TRUE);
    std::string error;
    CTKMarkupAutoPtr<> root(
        ParseForTest(context,
                     L"<TextBlock xml:space='preserve'>" +
                         std::wstring(TKMarkupEscapeText(lpszText).GetString()) + L"</TextBlock>",
                     &error));
    ASSERT_NE(root.Get(), nullptr) << error;
    CTestElement* pBlock = static_cast<CTestElement*>(root.Get());
    ASSERT_EQ(pBlock->GetContent()->GetCount(), 1);
    EXPECT_EQ(pBlock->DescribeContent(0), lpszText);
    EXPECT_EQ(context->GetScriptEngine(), nullptr);
    EXPECT_EQ(timers.ArmedCount(), 0u);

    // The same text as an attribute value stays that text too.
    CTKMarkupAutoPtr<> named(ParseForTest(
        context,
        L"<Grid Name=\"" + std::wstring(TKMarkupEscapeText(lpszText, TRUE).GetString()) + L"\"/>",
        &error));
    ASSERT_NE(named.Get(), nullptr) << error;
    EXPECT_STREQ(MarkupStringText(named->GetValue(CTKMarkupObject::NameProperty)), lpszText);
  }
}

}  // namespace
