// Styles, setters, triggers and resource dictionaries as markup authors use
// them: setters resolved against the target type, based-on styles, triggers
// that set and restore values, and dictionaries found up the tree.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SupportMarkup.h"
#include "TKMarkupBorder.h"
#include "TKMarkupBrush.h"
#include "TKMarkupProperties.h"
#include "TKMarkupResourceDictionary.h"
#include "TKMarkupString.h"
#include "TKMarkupStyle.h"
#include "TKMarkupValues.h"

namespace {

const COLORREF kNone = static_cast<COLORREF>(-1);

COLORREF BrushColor(CTKMarkupBrush* pBrush) {
  return pBrush != nullptr ? pBrush->GetColorRef() : kNone;
}

/// Records the Background changes a border is told about.
class CRecordingBorder : public CTKMarkupBorder {
 public:
  void OnPropertyChanged(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pOld,
                         CTKMarkupObject* pNew) override {
    if (pProperty == BackgroundProperty) m_changes.push_back({pOld, pNew});
    CTKMarkupBorder::OnPropertyChanged(pProperty, pOld, pNew);
  }
  std::vector<std::pair<CTKMarkupObject*, CTKMarkupObject*>> m_changes;
};

class StylesTest : public ::testing::Test {
 protected:
  CTKMarkupObject* Parse(const std::wstring& text) {
    std::string error;
    CTKMarkupObject* pRoot = ParseForTest(m_context, text, &error);
    EXPECT_NE(pRoot, nullptr) << error;
    return pRoot;
  }
  CTKMarkupBorder* FindBorder(CTKMarkupObject* pRoot, LPCWSTR lpszName) {
    CTKMarkupBorder* pBorder = MarkupCast<CTKMarkupBorder>(pRoot->FindName(lpszName));
    EXPECT_NE(pBorder, nullptr) << "no border named " << CStringA(lpszName).GetString();
    return pBorder;
  }

  CTestContext m_context;
};

TEST_F(StylesTest, TypeStyleFromAnOuterDictionaryConvertsItsSetterValues) {
  CTKMarkupAutoPtr<> root(
      Parse(L"<Border x:Name='outer'>"
            L" <Border.Resources>"
            L"  <Style TargetType='Border'>"
            L"   <Setter Property='Background' Value='Red'/>"
            L"   <Setter Property='FrameworkElement.Width' Value='40'/>"
            L"  </Style>"
            L" </Border.Resources>"
            L" <Border x:Name='inner' BorderBrush='Blue'/>"
            L"</Border>"));
  ASSERT_NE(root.Get(), nullptr);
  CTKMarkupBorder* pInner = FindBorder(root, L"inner");
  ASSERT_NE(pInner, nullptr);
  ASSERT_NE(pInner->GetStyle(), nullptr);
  EXPECT_TRUE(pInner->GetStyle()->IsSealed());
  EXPECT_EQ(pInner->GetStyle()->GetParent(), nullptr);  // sealed styles stand alone
  EXPECT_EQ(BrushColor(pInner->GetBackground()), RGB(255, 0, 0));
  EXPECT_EQ(pInner->GetWidth(), 40);
  EXPECT_EQ(BrushColor(pInner->GetBorderBrush()), RGB(0, 0, 255));

  // A local value wins over the style's.
  pInner->SetBackground(new CTKMarkupSolidColorBrush(RGB(0, 255, 0)));
  pInner->GetBackground()->Release();
  EXPECT_EQ(BrushColor(pInner->GetBackground()), RGB(0, 255, 0));
}

TEST_F(StylesTest, BasedOnStyleSeesTheBaseSettersAndOwnSettersWin) {
  CTKMarkupAutoPtr<> root(
      Parse(L"<Border>"
            L" <Border.Resources>"
            L"  <Style x:Key='Base' TargetType='Border'>"
            L"   <Setter Property='Background' Value='Red'/>"
            L"   <Setter Property='BorderBrush' Value='Blue'/>"
            L"  </Style>"
            L"  <Style x:Key='Derived' TargetType='Border' BasedOn='{StaticResource Base}'>"
            L"   <Setter Property='Background' Value='Lime'/>"
            L"  </Style>"
            L" </Border.Resources>"
            L" <Border x:Name='styled' Style='{StaticResource Derived}'/>"
            L"</Border>"));
  ASSERT_NE(root.Get(), nullptr);
  CTKMarkupBorder* pStyled = FindBorder(root, L"styled");
  ASSERT_NE(pStyled, nullptr);
  EXPECT_EQ(BrushColor(pStyled->GetBackground()), RGB(0, 255, 0));
  EXPECT_EQ(BrushColor(pStyled->GetBorderBrush()), RGB(0, 0, 255));
  // Keyed styles do not apply by type.
  EXPECT_EQ(static_cast<CTKMarkupBorder*>(root.Get())->GetBackground(), nullptr);
}

TEST_F(StylesTest, MouseOverTriggerSetsAndRestoresTheValue) {
  CTKMarkupAutoPtr<> root(
      Parse(L"<Border>"
            L" <Border.Resources>"
            L"  <Style x:Key='Base' TargetType='Border'>"
            L"   <Setter Property='Background' Value='Red'/>"
            L"   <Style.Triggers>"
            L"    <Trigger Property='IsMouseOver' Value='True'>"
            L"     <Trigger.Setters>"
            L"      <Setter Property='Background' Value='Blue'/>"
            L"     </Trigger.Setters>"
            L"    </Trigger>"
            L"   </Style.Triggers>"
            L"  </Style>"
            L"  <Style TargetType='Border' BasedOn='{StaticResource Base}'/>"
            L" </Border.Resources>"
            L" <Border x:Name='hot' Width='10' Height='10'/>"
            L"</Border>"));
  ASSERT_NE(root.Get(), nullptr);
  CTKMarkupBorder* pHot = FindBorder(root, L"hot");
  ASSERT_NE(pHot, nullptr);
  EXPECT_EQ(BrushColor(pHot->GetBackground()), RGB(255, 0, 0));

  // The trigger lives in the base style.
  pHot->OnMouseEnter(nullptr);
  EXPECT_EQ(BrushColor(pHot->GetBackground()), RGB(0, 0, 255));
  ASSERT_NE(pHot->GetActiveTriggers(), nullptr);
  EXPECT_EQ(pHot->GetActiveTriggers()->GetCount(), 1);
  pHot->OnMouseEnter(nullptr);  // the same value again stacks nothing
  EXPECT_EQ(pHot->GetActiveTriggers()->GetCount(), 1);

  pHot->OnMouseLeave(nullptr);
  EXPECT_EQ(BrushColor(pHot->GetBackground()), RGB(255, 0, 0));
  EXPECT_EQ(pHot->GetActiveTriggers()->GetCount(), 0);
  pHot->OnMouseEnter(nullptr);
  EXPECT_EQ(BrushColor(pHot->GetBackground()), RGB(0, 0, 255));
}

TEST_F(StylesTest, TriggerChangeIsReportedWithTheTriggerValues) {
  CTKMarkupStyle* pStyle = new CTKMarkupStyle;
  CTKMarkupTrigger* pTrigger = new CTKMarkupTrigger(CTKMarkupInputElement::IsMouseOverProperty,
                                                    CTKMarkupBool::CreateTrueValue());
  CTKMarkupSolidColorBrush* pBlue = new CTKMarkupSolidColorBrush(RGB(0, 0, 255));
  CTKMarkupSetterCollection* pSetters = new CTKMarkupSetterCollection;
  pBlue->AddRef();
  pSetters->Add(new CTKMarkupSetter(CTKMarkupBorder::BackgroundProperty, pBlue));
  pTrigger->SetSetters(pSetters);
  pSetters->Release();
  CTKMarkupTriggerCollection* pTriggers = new CTKMarkupTriggerCollection;
  pTriggers->Add(pTrigger);
  pStyle->SetTriggers(pTriggers);
  pTriggers->Release();

  // Applied as the type's default style: every border without its own style.
  CTKMarkupBorder::StaticType()->SetDefaultStyle(pStyle);
  pStyle->Release();
  CTKMarkupAutoPtr<CRecordingBorder> border(new CRecordingBorder);
  border->UpdateStyle();
  EXPECT_EQ(border->GetBackground(), nullptr);
  border->OnMouseEnter(nullptr);
  EXPECT_EQ(border->GetBackground(), pBlue);
  EXPECT_EQ(border->GetTriggerValues()->Get(CTKMarkupBorder::BackgroundProperty), pBlue);
  border->OnMouseLeave(nullptr);
  EXPECT_EQ(border->GetBackground(), nullptr);
  using Change = std::pair<CTKMarkupObject*, CTKMarkupObject*>;
  ASSERT_EQ(border->m_changes.size(), 2u);
  EXPECT_EQ(border->m_changes[0], Change(nullptr, pBlue));
  EXPECT_EQ(border->m_changes[1], Change(pBlue, nullptr));
  CTKMarkupBorder::StaticType()->SetDefaultStyle(nullptr);
  pBlue->Release();
}

TEST_F(StylesTest, NestedDictionariesInnermostWinsAndKeysAreCaseSensitive) {
  CTKMarkupAutoPtr<> root(Parse(
      L"<Border>"
      L" <Border.Resources>"
      L"  <SolidColorBrush x:Key='Fill' Color='Red'/>"
      L"  <SolidColorBrush x:Key='fill' Color='Lime'/>"
      L" </Border.Resources>"
      L" <Border x:Name='middle'>"
      L"  <Border.Resources>"
      L"   <ResourceDictionary><SolidColorBrush x:Key='Fill' Color='Blue'/></ResourceDictionary>"
      L"  </Border.Resources>"
      L"  <Border x:Name='leaf' Background='{StaticResource Fill}'"
      L"          BorderBrush='{StaticResource fill}'/>"
      L" </Border>"
      L"</Border>"));
  ASSERT_NE(root.Get(), nullptr);
  CTKMarkupBorder* pLeaf = FindBorder(root, L"leaf");
  ASSERT_NE(pLeaf, nullptr);
  EXPECT_EQ(BrushColor(pLeaf->GetBackground()), RGB(0, 0, 255));
  EXPECT_EQ(BrushColor(pLeaf->GetBorderBrush()), RGB(0, 255, 0));

  // After the build the same search runs through the attached tree.
  CTKMarkupAutoPtr<> key(CTKMarkupString::CreateValue(L"Fill"));
  EXPECT_EQ(BrushColor(MarkupCast<CTKMarkupBrush>(pLeaf->FindResource(key))), RGB(0, 0, 255));
  CTKMarkupAutoPtr<> other(CTKMarkupString::CreateValue(L"FILL"));
  EXPECT_EQ(pLeaf->FindResource(other), nullptr);
}

TEST_F(StylesTest, BuildErrors) {
  struct Case {
    const wchar_t* text;
    const char* error;
  };
  const Case kCases[] = {
      {L"<Border><Border.Resources><Style TargetType='Border'><Setter Property='Background'/>"
       L"</Style></Border.Resources></Border>",
       "Must specify both Property and Value for Setter."},
      {L"<Border><Border.Resources><Style TargetType='Border'><Setter Value='Red'/>"
       L"</Style></Border.Resources></Border>",
       "Must specify both Property and Value for Setter."},
      {L"<Border><Border.Resources><Style TargetType='Border'>"
       L"<Setter Property='Foreground' Value='Red'/></Style></Border.Resources></Border>",
       "Cannot find the Style Property 'Foreground'"},
      {L"<Border><Border.Resources><Style><Setter Property='Background' Value='Red'/>"
       L"</Style></Border.Resources></Border>",
       "Cannot find the Style Property 'Background'"},
      {L"<Border><Border.Resources><Style TargetType='Border'>"
       L"<Setter Property='Background' Value='NoSuchColour'/></Style></Border.Resources></Border>",
       "Cannot convert string in attribute 'Background' to object of type 'CTKMarkupBrush'"},
      {L"<Border><Border.Resources><Style TargetType='Border'><Border/></Style>"
       L"</Border.Resources></Border>",
       "Cannot add content to an object of type 'CTKMarkupStyle'"},
      {L"<Border><Border.Resources><SolidColorBrush Color='Red'/></Border.Resources></Border>",
       "Objects added to Dictionary must have Key attribute or some other type of associated Key"},
      {L"<Border><Border.Resources><SolidColorBrush x:Key='A' Color='Red'/>"
       L"<SolidColorBrush x:Key='A' Color='Blue'/></Border.Resources></Border>",
       "Dictionary key is already used. Key attributes must be unique."},
      {L"<Border><Border.Resources><Style TargetType='Border'/><Style TargetType='Border'/>"
       L"</Border.Resources></Border>",
       "Dictionary key is already used. Key attributes must be unique."},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(BuildError(m_context, c.text), c.error) << CStringA(c.text).GetString();
  }
}

TEST_F(StylesTest, StyleSealedOnUseIgnoresLaterSetters) {
  CTKMarkupStyle* pStyle = new CTKMarkupStyle;
  pStyle->GetSetters()->Add(new CTKMarkupSetter(CTKMarkupBorder::BackgroundProperty,
                                                new CTKMarkupSolidColorBrush(RGB(255, 0, 0))));
  CTKMarkupAutoPtr<CTKMarkupBorder> border(new CTKMarkupBorder);
  border->SetValue(CTKMarkupInputElement::StyleProperty, pStyle);
  EXPECT_TRUE(pStyle->IsSealed());
  pStyle->GetSetters()->Add(new CTKMarkupSetter(CTKMarkupBorder::BorderBrushProperty,
                                                new CTKMarkupSolidColorBrush(RGB(0, 0, 255))));
  EXPECT_EQ(BrushColor(border->GetBackground()), RGB(255, 0, 0));
  EXPECT_EQ(border->GetBorderBrush(), nullptr);

  // Taking the style away leaves no dangling style behind.
  border->SetValue(CTKMarkupInputElement::StyleProperty, nullptr);
  EXPECT_EQ(border->GetStyle(), nullptr);
  EXPECT_EQ(border->GetBackground(), nullptr);
}

}  // namespace
