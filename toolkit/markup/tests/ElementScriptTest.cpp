// What scripts see of the elements: the automation members of input
// elements, visuals, UI elements, framework elements and images, and event
// attributes whose handlers a script registered.
#include <gtest/gtest.h>

#include <string>

#include "SupportManualTimers.h"
#include "SupportMarkup.h"
#include "SupportPictures.h"
#include "TKMarkupDelegate.h"
#include "markup/TKMarkupDrawingContext.h"
#include "markup/TKMarkupImage.h"
#include "TKMarkupString.h"
#include "TKMarkupThickness.h"
#include "testsupport/TempFolder.h"

namespace {

class ElementScriptTest : public ::testing::Test {
 protected:
  void SetUp() override { CoInitialize(nullptr); }
  void TearDown() override {
    m_root.Assign(nullptr);
    m_context->CloseScripts();
    CoUninitialize();
  }
  // A page of one image named "img" (with `attributes`) and a script; the
  // script's result, if any, goes to the image's Tag.
  std::string Build(const std::wstring& attributes, const std::wstring& script) {
    std::string error;
    m_root.Assign(ParseForTest(m_context,
                               L"<Image xmlns:tk='urn:tk' Name='img' " + attributes +
                                   L"><tk:Script><![CDATA[" + script + L"]]></tk:Script></Image>",
                               &error));
    return error;
  }
  CTKMarkupImage* Image() { return MarkupCast<CTKMarkupImage>(m_root); }
  std::wstring Tag() {
    LPCWSTR lpszTag = Image() != nullptr ? MarkupStringText(Image()->GetTag()) : nullptr;
    return lpszTag != nullptr ? lpszTag : L"<none>";
  }

  CManualTimers m_timers;
  CTestContext m_context{nullptr, TRUE};
  CTKMarkupAutoPtr<> m_root;
};

TEST_F(ElementScriptTest, ScriptsReadTheMembersOfEachLayerWithTheirDefaults) {
  ASSERT_EQ(
      Build(L"Cursor='Hand' ToolTip='tip' Width='30'",
            L"img.Tag = [img.Name, img.Cursor, img.ToolTip, img.IsMouseOver, "
            L"img.MouseEnterEvent.Name, img.FindName('img') != null, img.FindName('x'), "
            L"img.VisualParent, img.ActualWidth, img.ClipToBounds, img.Visibility, "
            L"img.Focusable, img.IsEnabled, img.RenderTransform, img.MinWidth, img.Width, "
            L"img.MaxWidth, img.Height, img.MaxHeight, img.HorizontalAlignment, "
            L"img.VerticalAlignment, img.Margin != null, img.Source, img.Stretch].join('|');"),
      "");
  EXPECT_EQ(Tag(),
            L"img|32649|tip|false|MouseEnter|true|||0|false|0|false|true||0|30|2147483647|0|"
            L"2147483647|3|3|"
            L"true||0");
}

TEST_F(ElementScriptTest, ScriptsSetPropertiesOfEachLayer) {
  ASSERT_EQ(Build(L"",
                  L"img.Width = 40; img.MaxHeight = 20; img.HorizontalAlignment = 0; "
                  L"img.Visibility = 2; img.ClipToBounds = true; img.IsEnabled = false; "
                  L"img.Cursor = 32513; img.ToolTip = 'new tip'; img.Name = 'renamed'; "
                  L"img.Margin = MarkupContext.CreateObject('Image').Margin; "
                  L"img.Source = '7'; img.Stretch = 1; img.Tag = 'done';"),
            "");
  CTKMarkupImage* pImage = Image();
  EXPECT_EQ(pImage->GetWidth(), 40);
  EXPECT_EQ(pImage->GetMaxHeight(), 20);
  EXPECT_EQ(pImage->GetHorizontalAlignment(), TKMarkupAlignment_Near);
  EXPECT_EQ(pImage->GetVisibility(), TKMarkupVisibility_Collapsed);
  EXPECT_TRUE(pImage->GetClipToBounds());
  EXPECT_FALSE(pImage->GetIsEnabled());
  int nCursor = 0;
  EXPECT_TRUE(pImage->GetCursor(&nCursor));
  EXPECT_EQ(nCursor, 32513);
  EXPECT_STREQ(MarkupStringText(pImage->GetToolTip()), L"new tip");
  EXPECT_STREQ(pImage->GetName(), L"renamed");
  EXPECT_EQ(pImage->GetSourceText(), "7");
  EXPECT_EQ(pImage->GetStretch(), TKMarkupStretch_Fill);
  EXPECT_EQ(Tag(), L"done");
}

// Text elements carry a Tag as framework elements do.
TEST_F(ElementScriptTest, TextElementsHaveATag) {
  std::string error;
  m_root.Assign(
      ParseForTest(m_context,
                   L"<TextBlock xmlns:tk='urn:tk' Name='tb'><Run Name='r' Tag='first'>x</Run>"
                   L"<tk:Script><![CDATA[var before = r.Tag; r.Tag = 'second'; "
                   L"tb.Tag = before + '|' + r.Tag;]]></tk:Script></TextBlock>",
                   &error));
  ASSERT_EQ(error, "");
  CTKMarkupFrameworkElement* pBlock = MarkupCast<CTKMarkupFrameworkElement>(m_root);
  ASSERT_NE(pBlock, nullptr);
  EXPECT_STREQ(MarkupStringText(pBlock->GetTag()), L"first|second");
}

TEST_F(ElementScriptTest, ReadOnlyMembersAndWrongValuesAreRefused) {
  struct Case {
    const wchar_t* lpszStatement;
  };
  const Case cases[] = {
      {L"img.IsMouseOver = true;"},   {L"img.ActualWidth = 5;"},
      {L"img.VisualParent = img;"},   {L"img.MouseEnterEvent = null;"},
      {L"img.Margin = { left: 1 };"},  // no markup object
      {L"img.ToolTip = img;"},         // a tooltip set by script is text
  };
  for (const Case& c : cases) {
    const std::wstring script = std::wstring(L"try { ") + c.lpszStatement +
                                L" img.Tag = 'accepted'; } catch (e) { img.Tag = 'refused'; }";
    ASSERT_EQ(Build(L"", script), "") << c.lpszStatement;
    EXPECT_EQ(Tag(), L"refused") << c.lpszStatement;
  }
}

TEST_F(ElementScriptTest, BoundingRectAndActualSizeFollowTheLayout) {
  CTempFolder folder;
  ASSERT_TRUE(folder.MakeFile("red.bmp", BitmapFile(6, 4, RGB(255, 0, 0))));
  const std::string path = folder.PathOf("red.bmp");
  ASSERT_EQ(Build(L"Width='30' Height='20' Margin='5' Stretch='Fill' Source='file://" +
                      std::wstring(path.begin(), path.end()) + L"'",
                  L"MarkupContext.SetHandler({ Report: function(s, a) { "
                  L"s.Tag = s.ActualWidth + 'x' + s.ActualHeight; "
                  L"} });"),
            "");
  CTKMarkupImage* pImage = Image();
  CTKMarkupDrawingContext dc(m_context);
  pImage->Measure(&dc, 100, 100);
  pImage->Arrange(CRect(0, 0, 100, 100));
  m_context->FindDelegate(L"Report")->Execute(pImage, nullptr);
  EXPECT_EQ(Tag(), L"30x20");

  // The bounding rectangle through the method's four out-arguments.
  DISPID dispid = 0;
  LPOLESTR lpszName = const_cast<LPOLESTR>(L"GetBoundingRect");
  IDispatch* pDispatch = pImage->GetIDispatch(FALSE);
  ASSERT_EQ(pDispatch->GetIDsOfNames(IID_NULL, &lpszName, 1, 0, &dispid), S_OK);
  EXPECT_EQ(dispid, 201);
  long values[4] = {-1, -1, -1, -1};
  VARIANT args[4];
  for (int i = 0; i < 4; ++i) {
    V_VT(&args[i]) = VT_I4 | VT_BYREF;
    V_I4REF(&args[i]) = &values[3 - i];
  }
  DISPPARAMS params = {args, nullptr, 4, 0};
  ASSERT_EQ(
      pDispatch->Invoke(dispid, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr),
      S_OK);
  // Centred in 100 x 100 (the margin of 5 included): 35, 40 to 65, 60.
  EXPECT_EQ(CRect(values[0], values[1], values[2], values[3]), CRect(35, 40, 65, 60));
}

TEST_F(ElementScriptTest, AnEventAttributeRunsTheHandlerTheScriptRegistered) {
  ASSERT_EQ(Build(L"MouseLeftButtonUp='OnUp' MouseEnter='OnEnter'",
                  L"MarkupContext.SetHandler({ OnUp: function(sender, args) { "
                  L"sender.Width = 77; sender.Tag = 'up'; } });"),
            "");
  CTKMarkupImage* pImage = Image();
  CTKMarkupAutoPtr<CTKMarkupMouseButtonEventArgs> up(
      new CTKMarkupMouseButtonEventArgs(CTKMarkupInputElement::MouseLeftButtonUpEvent));
  up->SetSource(pImage);
  pImage->RaiseEvent(up);
  EXPECT_EQ(pImage->GetWidth(), 77);
  EXPECT_EQ(Tag(), L"up");

  // A handler name the registered object lacks does nothing.
  CTKMarkupAutoPtr<CTKMarkupMouseEventArgs> enter(
      new CTKMarkupMouseEventArgs(CTKMarkupInputElement::MouseEnterEvent));
  pImage->RaiseEvent(enter);
  EXPECT_EQ(Tag(), L"up");
}

TEST_F(ElementScriptTest, ATimeoutChangesAnElementLater) {
  ASSERT_EQ(Build(L"", L"setTimeout(function() { img.Source = '9'; }, 15);"), "");
  EXPECT_EQ(Image()->GetSourceText(), "");
  ASSERT_EQ(m_timers.DelayOf(m_timers.OnlyTimer()), 15u);
  m_timers.Fire(m_timers.OnlyTimer());
  EXPECT_EQ(Image()->GetSourceText(), "9");
}

}  // namespace
