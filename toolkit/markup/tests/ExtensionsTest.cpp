// Markup extensions: x:Static names of the static-value tree, resources
// found by key while the tree is read, x:Type and x:Null.
#include <gtest/gtest.h>

#include <string>

#include "SupportMarkup.h"
#include "TKMarkupBorder.h"
#include "TKMarkupBrush.h"
#include "TKMarkupStaticExtension.h"
#include "TKMarkupString.h"
#include "TKMarkupValues.h"

namespace {

class ExtensionsTest : public ::testing::Test {
 protected:
  /// The value an attribute expression gives, through a real build.
  CTKMarkupObject* Provide(const std::wstring& expression, std::string* pError) {
    CTKMarkupBuilder builder(m_context);
    try {
      return builder.ProvideMarkupExtension(expression.c_str());
    } catch (CTKMarkupBuilderException* e) {
      *pError = e->GetMessage();
      e->Delete();
    }
    return nullptr;
  }

  CTestContext m_context;
};

TEST_F(ExtensionsTest, StaticNamesAndTheirErrors) {
  struct Case {
    const wchar_t* expression;  // the text after the opening brace
    const char* error;          // null: a value is expected
  };
  const Case kCases[] = {
      {L"x:Static SystemColors.WindowBrush}", nullptr},
      {L"x:Static SystemColors.ControlTextColor}", nullptr},
      {L"x:Static  SystemColors.WindowBrush}",
       "Cannot find the static extension ' SystemColors.WindowBrush'"},
      {L"x:Static SystemColors}", "Cannot find the static extension 'SystemColors'"},
      {L"x:Static SystemColors.Window2Brush}",
       "Cannot find the static extension 'SystemColors.Window2Brush'"},
      {L"x:Static systemcolors.WindowBrush}",
       "Cannot find the static extension 'systemcolors.WindowBrush'"},
      {L"x:Static SystemColors.WindowBrush.More}",
       "Cannot find the static extension 'SystemColors.WindowBrush.More'"},
      {L"x:Static SystemColors.WindowBrush", "Markup extension expressions must end with '}'"},
      {L"x:Type Border}", nullptr},
      {L"x:Type border}", "Cannot find type 'border'"},
      {L"Binding Path}", "The tag 'Binding Path' does not exist in XML namespace"},
  };
  for (const Case& c : kCases) {
    std::string error;
    CTKMarkupAutoPtr<> value(Provide(c.expression, &error));
    if (c.error == nullptr) {
      EXPECT_NE(value.Get(), nullptr) << CStringA(c.expression).GetString() << ": " << error;
    } else {
      EXPECT_EQ(error, c.error) << CStringA(c.expression).GetString();
    }
  }
}

TEST_F(ExtensionsTest, SystemColorsAreTakenOnceAndKeysAreKeys) {
  std::string error;
  CTKMarkupAutoPtr<> first(Provide(L"x:Static SystemColors.WindowBrush}", &error));
  CTKMarkupAutoPtr<> second(Provide(L"x:Static SystemColors.WindowBrush}", &error));
  CTKMarkupSolidColorBrush* pBrush = MarkupCast<CTKMarkupSolidColorBrush>(first);
  ASSERT_NE(pBrush, nullptr);
  EXPECT_EQ(pBrush->GetColorRef(), ::GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(first.Get(), second.Get());

  CTKMarkupAutoPtr<> color(Provide(L"x:Static SystemColors.HighlightColor}", &error));
  ASSERT_NE(MarkupCast<CTKMarkupColor>(color), nullptr);
  EXPECT_EQ(MarkupCast<CTKMarkupColor>(color)->GetValue(),
            0xFF000000 | ::GetSysColor(COLOR_HIGHLIGHT));
  CTKMarkupAutoPtr<> key(Provide(L"x:Static SystemColors.ControlBrushKey}", &error));
  ASSERT_NE(MarkupCast<CTKMarkupBrushKey>(key), nullptr);
  EXPECT_EQ(MarkupCast<CTKMarkupBrushKey>(key)->GetIndex(), COLOR_BTNFACE);
}

TEST_F(ExtensionsTest, NodesAddedToTheRootResolve) {
  CTKMarkupStaticExtension* pNode = new CTKMarkupStaticExtension(L"Theme_Colors");
  pNode->AddExtension(new CTKMarkupStaticExtensionBrushProperty(L"Accent", RGB(1, 2, 3)));
  m_context->GetExtensionRoot()->AddExtension(pNode);
  std::string error;
  CTKMarkupAutoPtr<> value(Provide(L"x:Static Theme_Colors.Accent}", &error));
  ASSERT_NE(MarkupCast<CTKMarkupSolidColorBrush>(value), nullptr) << error;
  EXPECT_EQ(MarkupCast<CTKMarkupSolidColorBrush>(value)->GetColorRef(), RGB(1, 2, 3));
  EXPECT_EQ(m_context->GetExtensionRoot()->Resolve(L"Theme_Colors"), nullptr);  // inner node
}

TEST_F(ExtensionsTest, StaticResourceSearchAndSystemKeyFallBack) {
  std::string error;
  CTKMarkupAutoPtr<> root;
  root.Assign(ParseForTest(
      m_context,
      L"<Border><Border.Resources>"
      L"  <SolidColorBrush x:Key='MyBrush' Color='#102030'/>"
      L"  <SolidColorBrush x:Key='{x:Static SystemColors.InfoBrushKey}' Color='#405060'/>"
      L" </Border.Resources>"
      L" <Border Background='{StaticResource MyBrush}' BorderBrush='{DynamicResource  MyBrush}'>"
      L"  <Border Background='{StaticResource {x:Static SystemColors.ControlBrushKey}}'"
      L"          BorderBrush='{StaticResource {x:Static SystemColors.InfoBrushKey}}'/>"
      L" </Border>"
      L"</Border>",
      &error));
  ASSERT_NE(root.Get(), nullptr) << error;
  CTKMarkupBorder* pA =
      MarkupCast<CTKMarkupBorder>(static_cast<CTKMarkupBorder*>(root.Get())->GetChild());
  ASSERT_NE(pA, nullptr);
  CTKMarkupBorder* pB = MarkupCast<CTKMarkupBorder>(pA->GetChild());
  ASSERT_NE(pB, nullptr);
  EXPECT_EQ(pA->GetBackground()->GetColorRef(), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(pA->GetBorderBrush(), pA->GetBackground());  // blanks before the key are skipped
  // No entry for the control key: a brush of the current system colour.
  EXPECT_EQ(pB->GetBackground()->GetColorRef(), ::GetSysColor(COLOR_BTNFACE));
  // The same key object is in the dictionary: the entry wins.
  EXPECT_EQ(pB->GetBorderBrush()->GetColorRef(), RGB(0x40, 0x50, 0x60));
}

TEST_F(ExtensionsTest, ResourceNamesAreCaseSensitive) {
  EXPECT_EQ(
      BuildError(m_context,
                 L"<Border><Border.Resources><SolidColorBrush x:Key='MyBrush' Color='Red'/>"
                 L"</Border.Resources><Border Background='{StaticResource mybrush}'/></Border>"),
      "Cannot find resource named 'mybrush'. Resource names are case sensitive");
  EXPECT_EQ(BuildError(m_context, L"<Border Background='{StaticResource Anything}'/>"),
            "Cannot find resource named 'Anything'. Resource names are case sensitive");
  // A resource is found only once it has been read.
  EXPECT_EQ(BuildError(m_context,
                       L"<Border Background='{StaticResource Late}'><Border.Resources>"
                       L"<SolidColorBrush x:Key='Late' Color='Red'/></Border.Resources></Border>"),
            "Cannot find resource named 'Late'. Resource names are case sensitive");
}

TEST_F(ExtensionsTest, NullClearsThePropertyAndEscapedBracesStayText) {
  std::string error;
  CTKMarkupAutoPtr<> root(
      ParseForTest(m_context, L"<Border Background='{x:Null}' Tag='{}{x:Null}'/>", &error));
  ASSERT_NE(root.Get(), nullptr) << error;
  CTKMarkupBorder* pBorder = static_cast<CTKMarkupBorder*>(root.Get());
  EXPECT_EQ(pBorder->GetBackground(), nullptr);
  EXPECT_STREQ(MarkupStringText(pBorder->GetTag()), L"{x:Null}");
  EXPECT_EQ(BuildError(m_context, L"<Border Background='{x:Null }'/>"),
            "The tag 'x:Null ' does not exist in XML namespace");
}

}  // namespace
