// The markup type table: its rows, tag lookup, derivation through base-type
// accessors and the once-per-process property registration.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "markup/TKMarkupContext.h"
#include "markup/TKMarkupObject.h"
#include "TKMarkupString.h"
#include "TKMarkupType.h"
#include "TKMarkupTypeTable.h"

namespace {

const wchar_t* const kTags[] = {L"Color",
                                L"DoubleCollection",
                                L"GradientStop",
                                L"LinearGradientBrush",
                                L"SolidColorBrush",
                                L"TextBlock",
                                L"Border",
                                L"Shape",
                                L"Canvas",
                                L"Trigger",
                                L"Style",
                                L"Setter",
                                L"ResourceDictionary",
                                L"KeyboardNavigation",
                                L"FrameworkElement",
                                L"FrameworkContentElement",
                                L"RenderTransform",
                                L"TranslateTransform",
                                L"SkewTransform",
                                L"ScaleTransform",
                                L"RotateTransform",
                                L"Underline",
                                L"TextElement",
                                L"Span",
                                L"Run",
                                L"LineBreak",
                                L"Italic",
                                L"InlineUIContainer",
                                L"Hyperlink",
                                L"Bold",
                                L"Rectangle",
                                L"Polyline",
                                L"Polygon",
                                L"Figures",
                                L"PathGeometry",
                                L"Data",
                                L"Path",
                                L"Line",
                                L"Ellipse",
                                L"tk:Script",
                                L"WrapPanel",
                                L"UniformGrid",
                                L"StackPanel",
                                L"ScrollViewer",
                                L"RowDefinition",
                                L"RadioButton",
                                L"Panel",
                                L"Page",
                                L"WindowContainer",
                                L"Image",
                                L"Grid",
                                L"DockPanel",
                                L"DefinitionBase",
                                L"Control",
                                L"ColumnDefinition",
                                L"CheckBox",
                                L"Button"};

CTKMarkupType* Row(TKMarkupTypeRowId nRow) { return TKMarkupTypeRow(nRow); }

TEST(TypeTable, NinetySixTypesListedLastRowFirst) {
  int nCount = 0;
  std::set<std::wstring> classes;
  CTKMarkupType* pType = GetFirstMarkupType();
  EXPECT_EQ(pType, Row(TKMarkupRow_ColumnDefinitionCollection));
  for (; pType != nullptr; pType = pType->GetNextType()) {
    ++nCount;
    classes.insert(pType->GetClassName());
  }
  EXPECT_EQ(nCount, 96);
  EXPECT_EQ(classes.size(), 96u);
  EXPECT_STREQ(Row(TKMarkupRow_DependencyProperty)->GetClassName(), L"CTKMarkupDependencyProperty");
  EXPECT_STREQ(Row(TKMarkupRow_GdiPlusRotateTransform)->GetTag(), L"RotateTransform");
  EXPECT_EQ(Row(TKMarkupRow_Object)->GetBaseType(), nullptr);
}

TEST(TypeTable, EveryTagIsFoundByItsExactSpellingOnly) {
  EXPECT_EQ(sizeof(kTags) / sizeof(kTags[0]), 57u);
  for (const wchar_t* lpszTag : kTags) {
    CTKMarkupType* pType = FindMarkupType(lpszTag);
    ASSERT_NE(pType, nullptr) << CStringA(lpszTag).GetString();
    EXPECT_STREQ(pType->GetTag(), lpszTag);
    CStringW upper(lpszTag);
    upper.MakeUpper();
    EXPECT_EQ(FindMarkupType(upper), nullptr) << CStringA(upper).GetString();
  }
  EXPECT_EQ(FindMarkupType(L"Script"), nullptr);
  EXPECT_EQ(FindMarkupType(L""), nullptr);  // although GradientStops has the empty tag
  EXPECT_EQ(FindMarkupType(nullptr), nullptr);
  EXPECT_EQ(FindMarkupType(L"TranslateTransform"), Row(TKMarkupRow_GdiPlusTranslateTransform));
}

TEST(TypeTable, DerivationFollowsAccessorsNotTableOrder) {
  CTKMarkupType* pStackPanel = FindMarkupType(L"StackPanel");
  for (TKMarkupTypeRowId nBase :
       {TKMarkupRow_Panel, TKMarkupRow_FrameworkElement, TKMarkupRow_UIElement, TKMarkupRow_Visual,
        TKMarkupRow_InputElement, TKMarkupRow_Object}) {
    EXPECT_TRUE(pStackPanel->IsDerivedFrom(Row(nBase))) << Row(nBase)->GetClassName();
  }
  EXPECT_FALSE(pStackPanel->IsDerivedFrom(Row(TKMarkupRow_Grid)));
  EXPECT_FALSE(Row(TKMarkupRow_Panel)->IsDerivedFrom(pStackPanel));
  EXPECT_TRUE(Row(TKMarkupRow_RadioButton)->IsDerivedFrom(Row(TKMarkupRow_ContentControl)));
  EXPECT_TRUE(Row(TKMarkupRow_LineBreak)->IsDerivedFrom(Row(TKMarkupRow_FrameworkContentElement)));
}

TEST(TypeTable, OnlyTheClassesBuiltInCanBeMade) {
  for (TKMarkupTypeRowId nRow :
       {TKMarkupRow_Object, TKMarkupRow_Int, TKMarkupRow_Double, TKMarkupRow_Enum, TKMarkupRow_Bool,
        TKMarkupRow_Color, TKMarkupRow_ColorKey, TKMarkupRow_Collection,
        TKMarkupRow_DoubleCollection, TKMarkupRow_String}) {
    EXPECT_TRUE(Row(nRow)->CanCreate()) << Row(nRow)->GetClassName();
  }
  EXPECT_FALSE(Row(TKMarkupRow_Type)->CanCreate());
  EXPECT_FALSE(Row(TKMarkupRow_Extension)->CanCreate());
  EXPECT_TRUE(Row(TKMarkupRow_StackPanel)->CanCreate());
}

TEST(TypeTable, ObjectsReportTheirRow) {
  CTKMarkupContext* pContext = new CTKMarkupContext;
  CTKMarkupObject* pString = pContext->CreateMarkupObject(Row(TKMarkupRow_String));
  ASSERT_NE(pString, nullptr);
  EXPECT_EQ(pString->GetType(), CTKMarkupString::StaticType());
  EXPECT_EQ(pString->GetType(), Row(TKMarkupRow_String));
  EXPECT_EQ(pString->GetContext(), pContext);
  EXPECT_EQ(Row(TKMarkupRow_Type)->GetType(), Row(TKMarkupRow_Type));
  pString->Release();
  pContext->Release();
}

// A later type with a tag replaces the earlier one in the tag map; a type
// without a tag is listed all the same, and its properties are registered.
int g_nRegistrations = 0;
void CountRegistration() { ++g_nRegistrations; }
CTKMarkupType* ObjectType() { return Row(TKMarkupRow_Object); }

TEST(TypeTable, LaterTagsReplaceEarlierOnesAndRegistrationRunsOnce) {
  CTKMarkupType* pFirst =
      new CTKMarkupType(L"TestTag", L"CTestFirst", nullptr, &ObjectType, &CountRegistration);
  CTKMarkupType* pSecond =
      new CTKMarkupType(L"TestTag", L"CTestSecond", nullptr, &ObjectType, &CountRegistration);
  CTKMarkupType* pUntagged =
      new CTKMarkupType(nullptr, L"CTestUntagged", nullptr, &ObjectType, &CountRegistration);
  EXPECT_EQ(FindMarkupType(L"TestTag"), pSecond);
  EXPECT_EQ(GetFirstMarkupType(), pUntagged);
  EXPECT_EQ(pUntagged->GetNextType(), pSecond);
  EXPECT_EQ(pSecond->GetNextType(), pFirst);

  RegisterAllTypeProperties();
  RegisterAllTypeProperties();
  EXPECT_EQ(g_nRegistrations, 3);
  EXPECT_TRUE(pUntagged->ArePropertiesRegistered());
}

TEST(TypeTable, TypeConvertsFromItsTag) {
  CTKMarkupAutoPtr<CTKMarkupString> tag(CTKMarkupString::CreateValue(L"Border"));
  CTKMarkupAutoPtr<> type(Row(TKMarkupRow_Type)->ConvertFrom(nullptr, tag));
  EXPECT_EQ(type.Get(), Row(TKMarkupRow_Border));
  CTKMarkupAutoPtr<CTKMarkupString> unknown(CTKMarkupString::CreateValue(L"border"));
  EXPECT_EQ(Row(TKMarkupRow_Type)->ConvertFrom(nullptr, unknown), nullptr);
}

}  // namespace
