// The markup context: default font and the font cache, DPI scaling, deferred
// repaints on a hidden host window, delegates and the automation object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SupportMarkup.h"
#include "common/TKDpiHelper.h"
#include "TKMarkupBrush.h"
#include "TKMarkupDelegate.h"
#include "TKMarkupFont.h"
#include "TKMarkupThickness.h"
#include "TKMarkupToolTipContext.h"
#include "TKMarkupValues.h"
#include "testsupport/HostWindow.h"

namespace {

DWORD CountOf(CTKMarkupObject* pObject) {
  pObject->AddRef();
  return pObject->Release();
}

TEST(Context, DefaultFontIsTheMessageFontLeftToTheMapper) {
  CTestContext context;
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, iPaddedBorderWidth);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0));
  const LOGFONTA& font = context->GetDefaultFont();
  EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
  EXPECT_EQ(font.lfHeight, metrics.lfMessageFont.lfHeight);
  EXPECT_EQ(font.lfWeight, 0);
  EXPECT_EQ(font.lfItalic, 0);
  EXPECT_EQ(context->GetDefaultTextColor(), 0u);

  LOGFONTA bold = {};
  bold.lfHeight = -20;
  bold.lfWeight = FW_BOLD;
  lstrcpyA(bold.lfFaceName, "Tahoma");
  HFONT hFont = CreateFontIndirectA(&bold);
  context->SetDefaultFont(hFont);
  DeleteObject(hFont);
  EXPECT_EQ(context->GetDefaultFont().lfHeight, -20);
  EXPECT_STREQ(context->GetDefaultFont().lfFaceName, "Tahoma");
  context->SetDefaultFont(nullptr);
  EXPECT_EQ(context->GetDefaultFont().lfHeight, -20);
}

class FontCacheTest : public ::testing::Test {
 protected:
  FontCacheTest() {
    m_font.lfHeight = -13;
    m_font.lfWeight = FW_NORMAL;
    lstrcpyA(m_font.lfFaceName, "Arial");
  }
  CTestContext m_context;
  LOGFONTA m_font = {};
};

TEST_F(FontCacheTest, FontsDifferingOnlyInDecorationsAreShared) {
  CTKMarkupFont* pPlain = m_context->GetFont(m_font);
  LOGFONTA decorated = m_font;
  decorated.lfUnderline = TRUE;
  decorated.lfStrikeOut = TRUE;
  decorated.lfWidth = 7;
  decorated.lfCharSet = SYMBOL_CHARSET;
  decorated.lfPitchAndFamily = FIXED_PITCH;
  CTKMarkupFont* pDecorated = m_context->GetFont(decorated);
  EXPECT_EQ(pPlain, pDecorated);
  EXPECT_NE(pPlain->GetHandle(), nullptr);
  EXPECT_EQ(pPlain->GetFontContext(), static_cast<CTKMarkupContext*>(m_context));
  EXPECT_EQ(CountOf(pPlain), 2u);
  pDecorated->Release();
  pPlain->Release();
}

TEST_F(FontCacheTest, HeightWeightItalicQualityAndFaceMakeAnotherFont) {
  std::vector<LOGFONTA> variants(6, m_font);
  variants[1].lfHeight = -14;
  variants[2].lfWeight = FW_BOLD;
  variants[3].lfItalic = TRUE;
  variants[4].lfQuality = CLEARTYPE_QUALITY;
  lstrcpyA(variants[5].lfFaceName, "arial");  // the face name compares with case
  std::vector<CTKMarkupFont*> fonts;
  for (const LOGFONTA& font : variants) fonts.push_back(m_context->GetFont(font));
  for (size_t i = 0; i < fonts.size(); ++i)
    for (size_t j = i + 1; j < fonts.size(); ++j) EXPECT_NE(fonts[i], fonts[j]) << i << " " << j;
  for (CTKMarkupFont* pFont : fonts) EXPECT_EQ(CountOf(pFont), 1u);
  for (CTKMarkupFont* pFont : fonts) pFont->Release();
}

TEST_F(FontCacheTest, ReleasedFontsLeaveTheCache) {
  CTKMarkupFont* pFirst = m_context->GetFont(m_font);
  LOGFONTA other = m_font;
  other.lfHeight = -30;
  CTKMarkupFont* pOther = m_context->GetFont(other);
  pFirst->Release();
  // The cache holds no reference: asking again makes a font with one reference.
  CTKMarkupFont* pAgain = m_context->GetFont(m_font);
  EXPECT_EQ(CountOf(pAgain), 1u);
  EXPECT_EQ(m_context->GetFont(other), pOther);
  pOther->Release();
  pOther->Release();
  pAgain->Release();
}

TEST_F(FontCacheTest, FontsMayOutliveTheirContext) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  CTKMarkupFont* pFont = pContext->GetFont(m_font);
  pContext->Release();
  EXPECT_EQ(pFont->GetFontContext(), nullptr);
  EXPECT_NE(pFont->GetHandle(), nullptr);
  pFont->Release();
}

TEST(Context, LengthsScaleWithItsOwnDpiHelper) {
  CTestContext context;
  EXPECT_EQ(context->GetDpiHelper(), nullptr);
  EXPECT_EQ(context->ScaleX(100), 100);
  context->SetDpiAware(TRUE, nullptr);
  ASSERT_NE(context->GetDpiHelper(), nullptr);
  context->GetDpiHelper()->OverrideDpi(120, 144);
  EXPECT_EQ(context->ScaleX(2), 3);
  EXPECT_EQ(context->ScaleX(-2), -3);
  EXPECT_EQ(context->ScaleX(300), 375);
  EXPECT_EQ(context->ScaleY(100), 150);
  EXPECT_FLOAT_EQ(context->ScaleYFloat(1.5f), 2.25f);
  EXPECT_DOUBLE_EQ(context->ScaleXDouble(1.5), 1.875);
  EXPECT_EQ(context->ScaleSize(CSize(4, 4)), CSize(5, 6));
  // The process-wide helper is not touched.
  EXPECT_EQ(TKDpiHelper()->ScaleX(300), 300);
  context->SetDpiAware(FALSE, nullptr);
  EXPECT_EQ(context->ScaleY(100), 100);
}

class RepaintTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_host.CreateHost(200, 100));
    m_pContext = new CTKMarkupContext(m_host.GetSafeHwnd());
    m_pElement = m_pContext->CreateMarkupObject(CTKMarkupObject::StaticType());
  }
  void TearDown() override {
    m_pElement->Release();
    ReleaseTestContext(m_pContext);
    m_host.DestroyWindow();
  }
  // Hidden windows keep no update region, so the repaints show as the
  // notifications that follow them.
  int Updates() const { return m_host.CountMessages(TK_WM_MARKUP_UPDATE); }

  CTestHostWindow m_host;
  CTKMarkupContext* m_pContext = nullptr;
  CTKMarkupObject* m_pElement = nullptr;
};

TEST_F(RepaintTest, LiveRequestsNotifyAtOnce) {
  m_pContext->InvalidateVisual(m_pElement);
  EXPECT_EQ(Updates(), 1);
  m_pContext->UpdateLayout(nullptr);
  EXPECT_EQ(Updates(), 2);
}

TEST_F(RepaintTest, FrozenRequestsWaitForUnfreeze) {
  m_pContext->FreezeUpdates();
  m_pContext->InvalidateVisual(m_pElement);
  m_pContext->InvalidateVisual(m_pElement);
  EXPECT_EQ(Updates(), 0);
  EXPECT_EQ(CountOf(m_pElement), 3u);  // the queue holds the element
  m_pContext->UnfreezeUpdates();
  EXPECT_EQ(Updates(), 1);
  EXPECT_EQ(CountOf(m_pElement), 1u);
  EXPECT_FALSE(m_pContext->AreUpdatesFrozen());
}

TEST_F(RepaintTest, FrozenLayoutRepaintsTheWholeWindowAtUnfreeze) {
  m_pContext->FreezeUpdates();
  m_pContext->UpdateLayout(nullptr);
  EXPECT_EQ(Updates(), 0);
  m_pContext->UnfreezeUpdates();
  EXPECT_EQ(Updates(), 1);
}

TEST_F(RepaintTest, UnfreezeWithNothingQueuedIsQuiet) {
  m_pContext->FreezeUpdates();
  m_pContext->UnfreezeUpdates();
  m_pContext->UnfreezeUpdates();
  EXPECT_EQ(Updates(), 0);
}

TEST(Context, WithoutAWindowNothingIsRepainted) {
  CTestContext context;
  CTKMarkupAutoPtr<> element(context->CreateMarkupObject(CTKMarkupObject::StaticType()));
  context->FreezeUpdates();
  context->InvalidateVisual(element);
  EXPECT_EQ(CountOf(element), 1u);
  context->UnfreezeUpdates();
}

// A host object whose methods handle events by name.
class CHandler : public CCmdTarget {
 public:
  CHandler() { EnableAutomation(); }
  std::vector<std::string> m_calls;

 protected:
  void OnClick(LPDISPATCH pSender, LPDISPATCH pArgs) { Record("OnClick", pSender, pArgs); }
  void OnOther(LPDISPATCH pSender, LPDISPATCH pArgs) { Record("OnOther", pSender, pArgs); }
  void Record(const char* lpszName, LPDISPATCH pSender, LPDISPATCH pArgs) {
    CTKMarkupInt* pSender2 = static_cast<CTKMarkupInt*>(MarkupObjectFromDispatch(pSender, FALSE));
    CTKMarkupInt* pArgs2 = static_cast<CTKMarkupInt*>(MarkupObjectFromDispatch(pArgs, FALSE));
    m_calls.push_back(std::string(lpszName) + "(" + std::to_string(pSender2->GetValue()) + "," +
                      std::to_string(pArgs2->GetValue()) + ")");
  }
  DECLARE_DISPATCH_MAP()
};

BEGIN_DISPATCH_MAP(CHandler, CCmdTarget)
DISP_FUNCTION(CHandler, "OnClick", OnClick, VT_EMPTY, VTS_DISPATCH VTS_DISPATCH)
DISP_FUNCTION(CHandler, "OnOther", OnOther, VT_EMPTY, VTS_DISPATCH VTS_DISPATCH)
END_DISPATCH_MAP()

TEST(Context, DelegatesCallHandlerMethodsByName) {
  CTestContext context;
  CHandler* pHandler = new CHandler;
  CTKMarkupAutoPtr<> sender(new CTKMarkupInt(1)), args(new CTKMarkupInt(2));

  CTKMarkupDelegate* pClick = context->FindDelegate(L"OnClick");
  ASSERT_NE(pClick, nullptr);
  EXPECT_EQ(context->FindDelegate(L"OnClick"), pClick);
  pClick->Execute(sender, args);  // no handler object yet: nothing happens
  context->SetHandler(pHandler->GetIDispatch(FALSE));
  pClick->Execute(sender, args);
  context->FindDelegate(L"NoSuchMethod")->Execute(sender, args);

  // A method bound explicitly goes to its own object under its own name.
  CHandler* pOther = new CHandler;
  context->SetMethod(pOther->GetIDispatch(FALSE), L"OnOther");
  context->SetMethod(nullptr, L"OnClick");
  context->FindDelegate(L"OnOther")->Execute(args, sender);

  ASSERT_EQ(pHandler->m_calls.size(), 1u);
  EXPECT_EQ(pHandler->m_calls[0], "OnClick(1,2)");
  ASSERT_EQ(pOther->m_calls.size(), 1u);
  EXPECT_EQ(pOther->m_calls[0], "OnOther(2,1)");
  context->SetHandler(nullptr);
  EXPECT_EQ(pHandler->InternalRelease(), 0u);
  pOther->InternalRelease();  // the context's delegate keeps the last reference
}

class ContextDispatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestElements();
    m_pDispatch = m_context->GetInternalDispatch();
  }
  DISPID Id(const wchar_t* lpszName) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR lpszOle = const_cast<LPOLESTR>(lpszName);
    m_pDispatch->GetIDsOfNames(IID_NULL, &lpszOle, 1, 0, &id);
    return id;
  }
  // Calls a member with the arguments given first-first; the result in m_result.
  HRESULT Call(const wchar_t* lpszName, std::vector<VARIANT> args, WORD wFlags = DISPATCH_METHOD) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {reversed.data(), wFlags == DISPATCH_PROPERTYPUT ? &named : nullptr,
                         static_cast<UINT>(reversed.size()),
                         static_cast<UINT>(wFlags == DISPATCH_PROPERTYPUT ? 1 : 0)};
    VariantClear(&m_result);
    return m_pDispatch->Invoke(Id(lpszName), IID_NULL, 0, wFlags, &params, &m_result, nullptr,
                               nullptr);
  }
  static VARIANT Text(BSTR bstr) {
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = bstr;
    return v;
  }
  std::string ResultText() { return CStringA(V_BSTR(&m_result)).GetString(); }
  void TearDown() override {
    VariantClear(&m_result);
    for (BSTR bstr : m_strings) SysFreeString(bstr);
  }
  BSTR Str(const wchar_t* lpsz) {
    m_strings.push_back(SysAllocString(lpsz));
    return m_strings.back();
  }

  CTestContext m_context;
  IDispatch* m_pDispatch = nullptr;
  VARIANT m_result = {};
  std::vector<BSTR> m_strings;
};

TEST_F(ContextDispatchTest, MembersHaveTheirIds) {
  EXPECT_EQ(Id(L"SetMethod"), 1);
  EXPECT_EQ(Id(L"CreateObject"), 2);
  EXPECT_EQ(Id(L"Parse"), 5);
  EXPECT_EQ(Id(L"SetHandler"), 6);
  EXPECT_EQ(Id(L"EnableGdiPlus"), 7);
  EXPECT_EQ(Id(L"ValidateXML"), 8);
  EXPECT_EQ(Id(L"FreezeUpdates"), 41);
  EXPECT_EQ(Id(L"UnfreezeUpdates"), 42);
  EXPECT_EQ(m_context->GetInternalDispatch(), m_pDispatch);
}

TEST_F(ContextDispatchTest, ValidateXmlAnswers) {
  struct Case {
    const wchar_t* text;
    const char* answer;
  };
  const Case cases[] = {
      {L"<Grid><Leaf/></Grid>", "Done."},
      {L"<Grid><Unknown/></Grid>", "The tag 'Unknown' does not exist in XML namespace"},
      {L"hello", "No Text To Parse."},
      {L"", "No Text To Parse."},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Call(L"ValidateXML", {Text(Str(c.text))}), S_OK);
    EXPECT_EQ(ResultText(), c.answer) << CStringA(c.text).GetString();
  }
  ASSERT_EQ(Call(L"ValidateXML", {Text(nullptr)}), S_OK);
  EXPECT_EQ(ResultText(), "No Text To Parse.");
  VARIANT null;
  V_VT(&null) = VT_NULL;
  ASSERT_EQ(Call(L"ValidateXML", {null}), S_OK);
  EXPECT_EQ(ResultText(), "No Text To Parse.");
  ASSERT_EQ(Call(L"ValidateXML", {Text(Str(L"<Grid><Leaf></Grid>"))}), S_OK);
  EXPECT_EQ(ResultText().substr(0, 11), "XML Error [");
  // The validated trees are gone: the context holds the test's reference only.
  m_context->AddRef();
  EXPECT_EQ(m_context->Release(), 1u);
}

TEST_F(ContextDispatchTest, CreateObjectAndParse) {
  ASSERT_EQ(Call(L"CreateObject", {Text(Str(L"DoubleCollection"))}), S_OK);
  ASSERT_EQ(V_VT(&m_result), VT_DISPATCH);
  CTKMarkupObject* pObject = MarkupObjectFromDispatch(V_DISPATCH(&m_result), FALSE);
  ASSERT_NE(pObject, nullptr);
  EXPECT_STREQ(pObject->GetType()->GetClassName(), L"CTKMarkupDoubleCollection");
  EXPECT_EQ(pObject->GetContext(), static_cast<CTKMarkupContext*>(m_context));
  ASSERT_EQ(Call(L"CreateObject", {Text(Str(L"doublecollection"))}), S_OK);
  EXPECT_EQ(V_DISPATCH(&m_result), nullptr);
  ASSERT_EQ(Call(L"CreateObject", {Text(Str(L"Widget"))}), S_OK);
  EXPECT_EQ(V_DISPATCH(&m_result), nullptr);

  ASSERT_EQ(Call(L"Parse", {Text(Str(L"<Grid Name='g'/>"))}), S_OK);
  CTKMarkupObject* pRoot = MarkupObjectFromDispatch(V_DISPATCH(&m_result), FALSE);
  ASSERT_NE(pRoot, nullptr);
  EXPECT_EQ(pRoot->FindName(L"g"), pRoot);
  ASSERT_EQ(Call(L"Parse", {Text(Str(L"<Grid><Unknown/></Grid>"))}), S_OK);
  EXPECT_EQ(V_DISPATCH(&m_result), nullptr);
}

TEST_F(ContextDispatchTest, EnableGdiPlusAndFreezing) {
  ASSERT_EQ(Call(L"EnableGdiPlus", {}, DISPATCH_PROPERTYGET), S_OK);
  EXPECT_EQ(V_VT(&m_result), VT_BOOL);
  EXPECT_EQ(V_BOOL(&m_result), VARIANT_TRUE);
  VARIANT off;
  V_VT(&off) = VT_BOOL;
  V_BOOL(&off) = VARIANT_FALSE;
  ASSERT_EQ(Call(L"EnableGdiPlus", {off}, DISPATCH_PROPERTYPUT), S_OK);
  EXPECT_FALSE(m_context->IsGdiPlusEnabled());
  ASSERT_EQ(Call(L"FreezeUpdates", {}), S_OK);
  EXPECT_TRUE(m_context->AreUpdatesFrozen());
  ASSERT_EQ(Call(L"UnfreezeUpdates", {}), S_OK);
  EXPECT_FALSE(m_context->AreUpdatesFrozen());
}

TEST_F(ContextDispatchTest, MakesBrushesAndThicknessesAndShowsItsTipContext) {
  EXPECT_EQ(Id(L"CreateSolidBrush"), 3);
  EXPECT_EQ(Id(L"CreateThickness"), 4);
  EXPECT_EQ(Id(L"ToolTipContext"), 39);

  auto Int = [](long n) {
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = n;
    return v;
  };
  struct BrushCase {
    long nColor;
    BYTE nAlpha;
    COLORREF clr;
  };
  // A colour above 0xFFFFFF brings its own alpha; below, it is opaque.
  const BrushCase brushes[] = {
      {0x000000FF, 0xFF, RGB(255, 0, 0)},
      {static_cast<long>(0x80FF0000), 0x80, RGB(0, 0, 255)},
      {0, 0xFF, RGB(0, 0, 0)},
  };
  for (const BrushCase& c : brushes) {
    ASSERT_EQ(Call(L"CreateSolidBrush", {Int(c.nColor)}), S_OK);
    ASSERT_EQ(V_VT(&m_result), VT_DISPATCH);
    CTKMarkupSolidColorBrush* pBrush =
        MarkupCast<CTKMarkupSolidColorBrush>(MarkupObjectFromDispatch(V_DISPATCH(&m_result), FALSE));
    ASSERT_NE(pBrush, nullptr);
    ASSERT_NE(pBrush->GetColor(), nullptr);
    EXPECT_EQ(pBrush->GetColor()->GetAlpha(), c.nAlpha) << c.nColor;
    EXPECT_EQ(pBrush->GetColorRef(), c.clr) << c.nColor;
  }

  ASSERT_EQ(Call(L"CreateThickness", {Int(1), Int(2), Int(3), Int(-4)}), S_OK);
  CTKMarkupThickness* pThickness =
      MarkupCast<CTKMarkupThickness>(MarkupObjectFromDispatch(V_DISPATCH(&m_result), FALSE));
  ASSERT_NE(pThickness, nullptr);
  EXPECT_EQ(pThickness->GetLeft(), 1);
  EXPECT_EQ(pThickness->GetTop(), 2);
  EXPECT_EQ(pThickness->GetRight(), 3);
  EXPECT_EQ(pThickness->GetBottom(), -4);

  // No tips shown yet: nothing; then the tip context, with a reference.
  ASSERT_EQ(Call(L"ToolTipContext", {}, DISPATCH_PROPERTYGET), S_OK);
  EXPECT_EQ(V_VT(&m_result) == VT_DISPATCH ? V_DISPATCH(&m_result) : nullptr, nullptr);
  CTKMarkupToolTipContext* pTips = new CTKMarkupToolTipContext(m_context);
  m_context->SetToolTipRelay(pTips);
  ASSERT_EQ(Call(L"ToolTipContext", {}, DISPATCH_PROPERTYGET), S_OK);
  ASSERT_EQ(V_VT(&m_result), VT_DISPATCH);
  EXPECT_EQ(V_DISPATCH(&m_result), pTips->GetIDispatch(FALSE));
  EXPECT_NE(Call(L"ToolTipContext", {Int(0)}, DISPATCH_PROPERTYPUT), S_OK);  // read-only
  VariantClear(&m_result);
  m_context->SetToolTipRelay(nullptr);
  EXPECT_EQ(pTips->InternalRelease(), 0u);
}

TEST(Context, AutomationObjectOutlivingItsContextDoesNothing) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  IDispatch* pDispatch = pContext->GetInternalDispatch();
  pDispatch->AddRef();
  pContext->Release();
  LPOLESTR lpszName = const_cast<LPOLESTR>(L"FreezeUpdates");
  DISPID id = 0;
  ASSERT_EQ(pDispatch->GetIDsOfNames(IID_NULL, &lpszName, 1, 0, &id), S_OK);
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  EXPECT_EQ(pDispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
            S_OK);
  EXPECT_EQ(pDispatch->Release(), 0u);
}

}  // namespace
