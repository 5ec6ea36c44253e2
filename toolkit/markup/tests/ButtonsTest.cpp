// Buttons in a hidden host window: Click and its bubbling, the pressed
// state, check boxes and radio groups, layout and drawing, and the theme
// handle's lifetime.
#include <gtest/gtest.h>

#include <string>

#include "SupportElements.h"
#include "SupportMarkup.h"
#include "common/TKWinThemeWrapper.h"
#include "TKMarkupBrush.h"
#include "TKMarkupButton.h"
#include "markup/TKMarkupDrawingContext.h"
#include "TKMarkupScrollBar.h"
#include "markup/TKMarkupScrollViewer.h"
#include "TKMarkupToggleButton.h"
#include "TKMarkupTriggerCollection.h"
#include "TKMarkupTypeTable.h"
#include "testsupport/DibSurface.h"

namespace {

typedef CTKMarkupInputElement IE;
typedef CTKMarkupToggleButton TB;

class Buttons : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.Create(300, 300)); }
  void Load(const std::wstring& text) {
    std::string error;
    ASSERT_TRUE(m_host.Load(text, &error)) << error;
  }
  template <class T = CTKMarkupButtonBase>
  T* Find(LPCWSTR name) {
    return static_cast<T*>(m_host.Find(name));
  }
  std::string TakeLog() {
    std::string log = m_log;
    m_log.clear();
    return log;
  }
  CMarkupHostWindow m_host;
  std::string m_log;
};

TEST_F(Buttons, ClickBubblesUntilAHandlerMarksItHandled) {
  Load(L"<TestStack Name='Panel'><Button Name='B' Height='30'/></TestStack>");
  CTKMarkupObject* pPanel = m_host.Find(L"Panel");
  CTKMarkupButtonBase* pButton = Find(L"B");
  Record(pButton, CTKMarkupButtonBase::ClickEvent, &m_log, "B");
  Record(pPanel, CTKMarkupButtonBase::ClickEvent, &m_log, "Panel");
  CRecordingDelegate* pGlobal = new CRecordingDelegate(&m_log, "Context");
  m_host.GetContext()->AddHandler(CTKMarkupButtonBase::ClickEvent, pGlobal);
  pGlobal->Release();
  m_host.Click(pButton);
  EXPECT_EQ("B:Click Panel:Click Context:Click", TakeLog());

  Record(pButton, CTKMarkupButtonBase::ClickEvent, &m_log, "Stop", TRUE);
  m_host.Click(pButton);
  EXPECT_EQ("B:Click Stop:Click", TakeLog());
}

TEST_F(Buttons, APressOnAButtonNeverReachesThePanelsHandler) {
  Load(L"<TestStack Name='Panel' Background='White'><Button Name='B' Height='30'/></TestStack>");
  Record(m_host.Find(L"Panel"), IE::MouseLeftButtonDownEvent, &m_log, "Panel");
  m_host.Click(Find(L"B"));
  EXPECT_EQ("", TakeLog());
  m_host.Mouse(WM_MOUSEMOVE, 10, 100);  // the panel itself
  m_host.Mouse(WM_LBUTTONDOWN, 10, 100);
  EXPECT_EQ("Panel:MouseLeftButtonDown", TakeLog());
}

TEST_F(Buttons, ReleasingOutsideCancelsTheClickAndComingBackRestoresIt) {
  Load(L"<TestStack Background='White'><Button Name='B' Height='30'/></TestStack>");
  CTKMarkupButtonBase* pButton = Find(L"B");
  Record(pButton, CTKMarkupButtonBase::ClickEvent, &m_log, "B");
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  m_host.Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  EXPECT_TRUE(pButton->GetIsPressed());
  m_host.Mouse(WM_MOUSEMOVE, 10, 100, MK_LBUTTON);
  EXPECT_FALSE(pButton->GetIsPressed());
  EXPECT_TRUE(pButton->IsPressed());  // still pressed, only looks released
  EXPECT_TRUE(pButton->IsMouseOver());
  m_host.Mouse(WM_LBUTTONUP, 10, 100);
  EXPECT_EQ("", TakeLog());
  EXPECT_FALSE(pButton->IsPressed());
  EXPECT_FALSE(pButton->IsMouseOver());

  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  m_host.Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  m_host.Mouse(WM_MOUSEMOVE, 10, 100, MK_LBUTTON);
  m_host.Mouse(WM_MOUSEMOVE, 10, 12, MK_LBUTTON);
  EXPECT_TRUE(pButton->GetIsPressed());
  m_host.Mouse(WM_LBUTTONUP, 10, 12);
  EXPECT_EQ("B:Click", TakeLog());
  EXPECT_TRUE(pButton->IsMouseOver());
}

TEST_F(Buttons, ADisabledButtonSwallowsThePress) {
  Load(
      L"<TestStack Name='Panel' Background='White'>"
      L"<Button Name='B' Height='30' IsEnabled='False'/></TestStack>");
  Record(m_host.Find(L"Panel"), IE::MouseLeftButtonDownEvent, &m_log, "Panel");
  CTKMarkupButtonBase* pButton = Find(L"B");
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  m_host.Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  EXPECT_TRUE(m_host.m_bHandled);
  EXPECT_FALSE(pButton->IsPressed());
  EXPECT_EQ(nullptr, m_host.GetContext()->GetCaptureElement());
  EXPECT_EQ("", TakeLog());
}

TEST_F(Buttons, AThreeStateCheckBoxCyclesThroughItsEvents) {
  Load(L"<TestStack><CheckBox Name='C' IsThreeState='True'/></TestStack>");
  TB* pBox = Find<TB>(L"C");
  for (CTKMarkupRoutedEvent* pEvent : {TB::CheckedEvent, TB::IndeterminateEvent, TB::UncheckedEvent,
                                       CTKMarkupButtonBase::ClickEvent})
    Record(pBox, pEvent, &m_log, "C");
  int states[3];
  for (int& nState : states) {
    m_host.Click(pBox);
    nState = pBox->GetIsChecked();
  }
  EXPECT_EQ(1, states[0]);
  EXPECT_EQ(2, states[1]);
  EXPECT_EQ(0, states[2]);
  EXPECT_EQ("C:Checked C:Click C:Indeterminate C:Click C:Unchecked C:Click", TakeLog());
}

TEST_F(Buttons, ATwoStateCheckBoxGoesBackToUnchecked) {
  Load(L"<TestStack><CheckBox Name='C' IsChecked='True'/></TestStack>");
  TB* pBox = Find<TB>(L"C");
  m_host.Click(pBox);
  EXPECT_EQ(TKMarkupCheck_Unchecked, pBox->GetIsChecked());
}

TEST_F(Buttons, RadioButtonsUncheckTheirSiblingsOnly) {
  Load(
      L"<TestStack>"
      L"<TestStack><RadioButton Name='R1' IsChecked='True' Height='20'/>"
      L"<RadioButton Name='R2' Height='20'/><RadioButton Name='R3' Height='20'/></TestStack>"
      L"<TestStack><RadioButton Name='S1' IsChecked='True' Height='20'/></TestStack>"
      L"</TestStack>");
  for (LPCWSTR name : {L"R1", L"R2", L"R3", L"S1"})
    for (CTKMarkupRoutedEvent* pEvent :
         {TB::CheckedEvent, TB::UncheckedEvent, CTKMarkupButtonBase::ClickEvent})
      Record(m_host.Find(name), pEvent, &m_log, CStringA(name).GetString());
  m_host.Click(Find(L"R2"));
  EXPECT_EQ("R1:Unchecked R2:Checked R2:Click", TakeLog());
  m_host.Click(Find(L"R2"));  // a radio button is never unchecked by a click
  EXPECT_EQ("R2:Checked R2:Click", TakeLog());
  EXPECT_EQ(TKMarkupCheck_Unchecked, Find<TB>(L"R1")->GetIsChecked());
  EXPECT_EQ(TKMarkupCheck_Checked, Find<TB>(L"R2")->GetIsChecked());
  EXPECT_EQ(TKMarkupCheck_Checked, Find<TB>(L"S1")->GetIsChecked());

  // Setting the value from code runs the same rules.
  Find<TB>(L"R3")->SetIsChecked(TKMarkupCheck_Checked);
  EXPECT_EQ("R2:Unchecked R3:Checked", TakeLog());
}

TEST(ButtonMarkup, IsCheckedTextAndContentRules) {
  CTestContext context;
  CTestStack::Register();
  struct {
    const wchar_t* text;
    int nState;  // -1: the build fails
  } cases[] = {{L"<CheckBox IsChecked=''/>", 2},
               {L"<CheckBox IsChecked='TRUE'/>", 1},
               {L"<CheckBox IsChecked='false'/>", 0},
               {L"<CheckBox IsChecked='Maybe'/>", -1}};
  for (const auto& c : cases) {
    std::string error;
    CTKMarkupObject* pRoot = ParseForTest(context, c.text, &error);
    if (c.nState < 0) {
      EXPECT_EQ(nullptr, pRoot);
      EXPECT_FALSE(error.empty());
      continue;
    }
    ASSERT_NE(nullptr, pRoot) << error;
    EXPECT_EQ(c.nState, static_cast<TB*>(pRoot)->GetIsChecked());
    pRoot->Release();
  }
  EXPECT_EQ(
      "'CTKMarkupButton' already has a child and cannot add 'CTKMarkupControl'. "
      "'CTKMarkupButton' can accept only one child.",
      BuildError(context, L"<Button><Control/><Control/></Button>"));
  EXPECT_EQ(
      "'CTKMarkupSolidColorBrush' object cannot be added to 'CTKMarkupButton'. Object cannot be "
      "converted to type 'CTKMarkupUIElement'",
      BuildError(context, L"<Button><SolidColorBrush/></Button>"));
}

// --- layout and drawing ----------------------------------------------------------------

TEST_F(Buttons, EmptyButtonsMeasureTheirChrome) {
  Load(
      L"<TestStack><Button Name='B' HorizontalAlignment='Left'/>"
      L"<CheckBox Name='C' HorizontalAlignment='Left'/>"
      L"<RadioButton Name='R' HorizontalAlignment='Left'/>"
      L"<Button Name='P' Padding='1,2,3,4' HorizontalAlignment='Left'/></TestStack>");
  EXPECT_EQ(CSize(8, 8), Find(L"B")->GetDesiredSize());
  EXPECT_EQ(CSize(16, 13), Find(L"C")->GetDesiredSize());
  EXPECT_EQ(CSize(16, 13), Find(L"R")->GetDesiredSize());
  EXPECT_EQ(CSize(12, 14), Find(L"P")->GetDesiredSize());
}

TEST_F(Buttons, APressedClassicButtonMovesItsContent) {
  Load(
      L"<TestStack Background='White'>"
      L"<Button Name='B' Background='#808080' Height='40'><Control Name='In'/></Button>"
      L"<Button Name='T' Height='40'><Control Name='In2'/></Button></TestStack>");
  CTKMarkupVisual* pIn = static_cast<CTKMarkupVisual*>(m_host.Find(L"In"));
  EXPECT_EQ(CPoint(4, 4), pIn->GetVisualOffset());
  m_host.Mouse(WM_MOUSEMOVE, 10, 10);
  m_host.Mouse(WM_LBUTTONDOWN, 10, 10, MK_LBUTTON);
  m_host.Layout();
  EXPECT_EQ(CPoint(5, 5), pIn->GetVisualOffset());
  m_host.Mouse(WM_LBUTTONUP, 10, 10);

  CTKMarkupButtonBase* pThemed = Find(L"T");
  if (!pThemed->IsThemed()) return;
  // Drawn through the theme, the content stays where it is.
  m_host.Mouse(WM_MOUSEMOVE, 10, 50);
  m_host.Mouse(WM_LBUTTONDOWN, 10, 50, MK_LBUTTON);
  m_host.Layout();
  EXPECT_EQ(CPoint(4, 4), static_cast<CTKMarkupVisual*>(m_host.Find(L"In2"))->GetVisualOffset());
  m_host.Mouse(WM_LBUTTONUP, 10, 50);
}

/// Renders an element alone on a surface of its size.
void RenderOn(CDibSurface& surface, CTKMarkupContext* pContext, CTKMarkupUIElement* pElement) {
  pContext->SetGdiPlusEnabled(FALSE);
  CTKMarkupDrawingContext dc(pContext, surface.GetSafeHdc());
  pElement->Measure(&dc, surface.GetWidth(), surface.GetHeight());
  pElement->Arrange(CRect(0, 0, surface.GetWidth(), surface.GetHeight()));
  pElement->Render(&dc);
}

TEST(ButtonDrawing, ABackgroundGivesTheFrameItsOwnShades) {
  CTestContext context;
  CTKMarkupAutoPtr<> pRoot(ParseForTest(context, L"<Button Background='#808080'/>"));
  ASSERT_NE(nullptr, pRoot.Get());
  CDibSurface surface(40, 20, RGB(1, 2, 3));
  RenderOn(surface, context, static_cast<CTKMarkupUIElement*>(pRoot.Get()));
  COLORREF clrLight, clrShadow, clrDark;
  CTKMarkupButton::GetFrameColors(RGB(128, 128, 128), &clrLight, &clrShadow, &clrDark);
  EXPECT_GT(GetRValue(clrLight), 128);
  EXPECT_LT(GetRValue(clrShadow), 128);
  EXPECT_EQ(RGB(128, 128, 128), surface.GetPixel(20, 10));  // face
  EXPECT_EQ(clrLight, surface.GetPixel(20, 0));             // top
  EXPECT_EQ(clrLight, surface.GetPixel(0, 10));             // left
  EXPECT_EQ(clrShadow, surface.GetPixel(20, 18));           // inner bottom
  EXPECT_EQ(clrShadow, surface.GetPixel(38, 10));           // inner right
  EXPECT_EQ(clrDark, surface.GetPixel(20, 19));             // bottom
  EXPECT_EQ(clrDark, surface.GetPixel(39, 10));             // right
}

TEST(ButtonDrawing, ThemedButtonsDrawTheirPartAndClassicGlyphsTheirFrameControl) {
  CTestContext context;
  CTKMarkupAutoPtr<> pButton(ParseForTest(context, L"<Button/>"));
  CTKMarkupAutoPtr<> pBox(ParseForTest(context, L"<CheckBox IsChecked='True'/>"));
  ASSERT_NE(nullptr, pButton.Get());
  ASSERT_NE(nullptr, pBox.Get());
  CTKMarkupButtonBase* pThemed = static_cast<CTKMarkupButtonBase*>(pButton.Get());
  if (pThemed->IsThemed()) {
    CDibSurface surface(40, 20, RGB(1, 2, 3)), expected(40, 20, RGB(1, 2, 3));
    RenderOn(surface, context, pThemed);
    RECT rc = {0, 0, 40, 20};
    pThemed->GetTheme()->DrawThemeBackground(expected.GetSafeHdc(), 1, 1, &rc, nullptr);
    int nDiffering = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 40; ++x) nDiffering += surface.GetPixel(x, y) != expected.GetPixel(x, y);
    EXPECT_EQ(0, nDiffering);
  }

  // Without visual styles the check box draws the system's checked glyph.
  CTKMarkupButtonBase* pCheck = static_cast<CTKMarkupButtonBase*>(pBox.Get());
  pCheck->GetTheme()->UsePrivateFunctionTable("no-such-uxtheme.dll");
  ASSERT_FALSE(pCheck->IsThemed());
  CDibSurface surface(40, 20, RGB(1, 2, 3)), expected(13, 13, RGB(1, 2, 3));
  RenderOn(surface, context, pCheck);
  RECT rc = {0, 0, 13, 13};
  ::DrawFrameControl(expected.GetSafeHdc(), &rc, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
  int nDiffering = 0;
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x)
      nDiffering += surface.GetPixel(x, y + 4) != expected.GetPixel(x, y);  // 20 / 2 - 6
  EXPECT_EQ(0, nDiffering);
}

// --- the theme handle -------------------------------------------------------------------

TEST_F(Buttons, TheThemeIsOpenedOncePerThemeChangeAndClosedWhenReplaced) {
  CTKMarkupContext* pContext = m_host.GetContext();
  CTKMarkupButtonBase* pButton = static_cast<CTKMarkupButtonBase*>(
      pContext->CreateMarkupObject(CTKMarkupButton::StaticType()));
  CountThemeCalls(pButton->GetTheme());

  CTKMarkupDrawingContext dc(pContext);
  for (int i = 0; i < 3; ++i) pButton->Measure(&dc, 100 + i, 100);
  EXPECT_EQ(0, g_nThemeOpens);  // opened before, kept since

  m_host.SendMessage(WM_THEMECHANGED);
  pButton->Measure(&dc, 200, 100);
  pButton->Measure(&dc, 201, 100);
  EXPECT_EQ(1, g_nThemeOpens);
  EXPECT_EQ(0, g_nThemeCloses);
  m_host.SendMessage(WM_THEMECHANGED);
  pButton->Measure(&dc, 202, 100);
  EXPECT_EQ(2, g_nThemeOpens);
  EXPECT_EQ(1, g_nThemeCloses);  // the replaced handle
  pButton->Release();
  EXPECT_EQ(2, g_nThemeCloses);
}

// --- the rows of the type table -----------------------------------------------------

TEST(ControlTypes, EveryRowMakesAnObjectOfItsClass) {
  CTestContext context;
  struct {
    TKMarkupTypeRowId nRow;
    const wchar_t* tag;  // null: markup cannot name it
    CTKMarkupType* pType;
  } rows[] = {
      {TKMarkupRow_Control, L"Control", CTKMarkupControl::StaticType()},
      {TKMarkupRow_ContentControl, nullptr, CTKMarkupContentControl::StaticType()},
      {TKMarkupRow_ButtonBase, nullptr, CTKMarkupButtonBase::StaticType()},
      {TKMarkupRow_Button, L"Button", CTKMarkupButton::StaticType()},
      {TKMarkupRow_ToggleButton, nullptr, CTKMarkupToggleButton::StaticType()},
      {TKMarkupRow_CheckBox, L"CheckBox", CTKMarkupCheckBox::StaticType()},
      {TKMarkupRow_RadioButton, L"RadioButton", CTKMarkupRadioButton::StaticType()},
      {TKMarkupRow_ScrollBar, nullptr, CTKMarkupScrollBar::StaticType()},
      {TKMarkupRow_ScrollViewer, L"ScrollViewer", CTKMarkupScrollViewer::StaticType()},
      {TKMarkupRow_ScrollBarGripper, nullptr, CTKMarkupScrollBarGripper::StaticType()},
      {TKMarkupRow_TriggerCollection, nullptr, CTKMarkupTriggerCollection::StaticType()},
      {TKMarkupRow_SetterCollection, nullptr, CTKMarkupSetterCollection::StaticType()},
  };
  for (const auto& row : rows) {
    CTKMarkupType* pType = TKMarkupTypeRow(row.nRow);
    EXPECT_EQ(row.pType, pType);
    CTKMarkupAutoPtr<> pObject(context->CreateMarkupObject(pType));
    ASSERT_NE(nullptr, pObject.Get()) << CStringA(pType->GetClassName()).GetString();
    EXPECT_EQ(pType, pObject->GetType());
    EXPECT_EQ(context.operator CTKMarkupContext*(), pObject->GetContext());
    if (row.tag != nullptr) {
      EXPECT_EQ(pType, FindMarkupType(row.tag));
    }
  }
  EXPECT_TRUE(CTKMarkupRadioButton::StaticType()->IsDerivedFrom(CTKMarkupButtonBase::StaticType()));
  EXPECT_TRUE(
      CTKMarkupScrollViewer::StaticType()->IsDerivedFrom(CTKMarkupContentControl::StaticType()));
}

TEST(ControlTypes, StyleCollectionsTakeTheirOwnItemsAndLookUpLeniently) {
  CTestContext context;
  CTKMarkupAutoPtr<CTKMarkupTriggerCollection> triggers(new CTKMarkupTriggerCollection);
  CTKMarkupAutoPtr<CTKMarkupSetterCollection> setters(new CTKMarkupSetterCollection);
  EXPECT_EQ(TKMarkupTypeRow(TKMarkupRow_Trigger), triggers->GetElementType());
  EXPECT_EQ(TKMarkupTypeRow(TKMarkupRow_Setter), setters->GetElementType());
  EXPECT_FALSE(triggers->Add(context->CreateMarkupObject(CTKMarkupControl::StaticType())));
  EXPECT_EQ(0, triggers->GetCount());
  EXPECT_EQ(nullptr, triggers->GetAt(0));
  EXPECT_EQ(nullptr, setters->GetAt(-1));
}

// --- what scripts see -----------------------------------------------------------------

/// Reads or writes one property through IDispatch, as a script would.
VARIANT Dispatch(CTKMarkupObject* pObject, LPCWSTR name, WORD wFlags, VARIANT* pValue = nullptr) {
  LPDISPATCH pDispatch = pObject->GetIDispatch(FALSE);
  DISPID dispid = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  VARIANT result;
  ::VariantInit(&result);
  EXPECT_EQ(S_OK, pDispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid));
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params = {pValue, pValue != nullptr ? &put : nullptr, pValue != nullptr ? 1u : 0u,
                       pValue != nullptr ? 1u : 0u};
  pDispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params, &result, nullptr,
                    nullptr);
  return result;
}

TEST(ScriptMembers, AScriptCanMarkAnEventHandledButNeverClearTheMark) {
  CTestContext context;
  CTKMarkupAutoPtr<> pButton(context->CreateMarkupObject(CTKMarkupButton::StaticType()));
  CTKMarkupAutoPtr<CTKMarkupRoutedEventArgs> args(
      new CTKMarkupRoutedEventArgs(CTKMarkupButtonBase::ClickEvent));
  args->SetSource(pButton);
  VARIANT value;
  value.vt = VT_BOOL;
  value.boolVal = VARIANT_TRUE;
  Dispatch(args, L"Handled", DISPATCH_PROPERTYPUT, &value);
  EXPECT_TRUE(args->GetHandled());
  value.boolVal = VARIANT_FALSE;
  Dispatch(args, L"Handled", DISPATCH_PROPERTYPUT, &value);
  EXPECT_TRUE(args->GetHandled());

  VARIANT source = Dispatch(args, L"Source", DISPATCH_PROPERTYGET);
  ASSERT_EQ(VT_DISPATCH, source.vt);
  EXPECT_EQ(pButton.Get(), MarkupObjectFromDispatch(source.pdispVal, FALSE));
  ::VariantClear(&source);
}

TEST(ScriptMembers, ToggleButtonsAndViewersShowTheirState) {
  CTestContext context;
  CTKMarkupAutoPtr<> pBox(context->CreateMarkupObject(CTKMarkupCheckBox::StaticType()));
  VARIANT value;
  value.vt = VT_I4;
  value.lVal = 2;
  Dispatch(pBox, L"IsChecked", DISPATCH_PROPERTYPUT, &value);
  EXPECT_EQ(TKMarkupCheck_Indeterminate, static_cast<TB*>(pBox.Get())->GetIsChecked());
  VARIANT checked = Dispatch(pBox, L"IsChecked", DISPATCH_PROPERTYGET);
  EXPECT_EQ(VT_I4, checked.vt);
  EXPECT_EQ(2, checked.lVal);

  CTKMarkupAutoPtr<> pViewer(context->CreateMarkupObject(CTKMarkupScrollViewer::StaticType()));
  value.lVal = -5;
  Dispatch(pViewer, L"VerticalOffset", DISPATCH_PROPERTYPUT, &value);
  VARIANT offset = Dispatch(pViewer, L"VerticalOffset", DISPATCH_PROPERTYGET);
  EXPECT_EQ(0, offset.lVal);
}

}  // namespace
