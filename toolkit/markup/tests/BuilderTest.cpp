// The markup builder: syntax, content, property elements, conversions and
// every error text, on stand-in elements and the value classes.
#include <gtest/gtest.h>

#include "SupportMarkup.h"
#include "TKMarkupDoubleCollection.h"
#include "markup/TKMarkupParser.h"
#include "TKMarkupString.h"
#include "TKMarkupValues.h"

namespace {

const wchar_t kXmlns[] = L" xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml'";

class BuilderTest : public ::testing::Test {
 protected:
  void SetUp() override { m_types = &RegisterTestElements(); }

  CTestElement* Parse(const std::wstring& text) {
    std::string error;
    CTKMarkupObject* pRoot = ParseForTest(m_context, text, &error);
    EXPECT_NE(pRoot, nullptr) << error;
    m_root.Assign(pRoot);
    return static_cast<CTestElement*>(pRoot);
  }
  std::string Error(const std::wstring& text) { return BuildError(m_context, text); }

  const TestTypes* m_types = nullptr;
  CTestContext m_context;
  CTKMarkupAutoPtr<> m_root;
};

TEST_F(BuilderTest, ErrorTexts) {
  struct Case {
    const wchar_t* markup;
    const char* error;
  };
  const Case cases[] = {
      {L"<Grid><Frobnicate/></Grid>", "The tag 'Frobnicate' does not exist in XML namespace"},
      {L"<Grid><grid/></Grid>", "The tag 'grid' does not exist in XML namespace"},
      {L"<Grid Colour='Red'/>", "The property 'Colour' does not exist in XML namespace"},
      {L"<Grid><Border.Background>Red</Border.Background></Grid>",
       "Invalid use of dependency property Border.Background"},
      {L"<Grid><Border><Grid.Row>1</Grid.Row></Border></Grid>",
       "Invalid use of dependency property Grid.Row"},
      {L"<Border><Border.Background></Border.Background></Border>",
       "'Background' property does not have a value"},
      {L"<Border Background='grey'/>",
       "Cannot convert string in attribute 'Background' to object of type 'CTKMarkupColor'"},
      {L"<Leaf>text</Leaf>", "Cannot convert the string 'text' into a 'CTestLeaf' object"},
      {L"<Leaf><Grid/></Leaf>", "Cannot add content to an object of type 'CTestLeaf'"},
      {L"<Color>Red</Color>", "Root element have to be 'CTKMarkupUIElement' type"},
      {L"<foo:Grid xmlns:foo='urn:foo'/>", "Root element have to be 'CTKMarkupUIElement' type"},
      {L"<TextBlock Width='{x:Type TextBlock'/>", "Markup extension expressions must end with '}'"},
      {L"<TextBlock Width='{Binding Path}'/>",
       "The tag 'Binding Path' does not exist in XML namespace"},
      {L"<TextBlock Width='{x:Type Nothing}'/>", "Cannot find type 'Nothing'"},
      {L"<TextBlock FontWeight='ultralight'/>",
       "Cannot convert string in attribute 'FontWeight' to object of type 'CTKMarkupEnum'"},
      {L"<Grid><stackpanel/></Grid>", "The tag 'stackpanel' does not exist in XML namespace"},
      {L"<Grid><x:Grid/></Grid>", "The tag 'x:Grid' does not exist in XML namespace"},
  };
  for (const Case& c : cases) {
    std::wstring markup = c.markup;
    if (markup.find(L"x:") != std::wstring::npos)
      markup.insert(markup.find_first_of(L" />"), kXmlns);
    EXPECT_EQ(Error(markup), c.error) << "markup: " << CStringA(c.markup).GetString();
  }
}

TEST_F(BuilderTest, ForeignNamespaceChildIsSkippedWithItsContent) {
  CTestElement* pGrid =
      Parse(L"<Grid xmlns:foo='urn:foo'><Leaf/><foo:Widget><Nonsense/></foo:Widget><Leaf/></Grid>");
  ASSERT_NE(pGrid, nullptr);
  EXPECT_EQ(pGrid->GetContent()->GetCount(), 2);
}

TEST_F(BuilderTest, AttributesOfForeignNamespacesAndXmlAreIgnored) {
  CTestElement* pGrid = Parse(L"<Grid xmlns:foo='urn:foo' foo:Colour='x' xml:lang='en'/>");
  EXPECT_NE(pGrid, nullptr);
}

TEST_F(BuilderTest, BraceEscapeSetsTheTextAfterIt) {
  CTestElement* pGrid = Parse(std::wstring(L"<Grid") + kXmlns + L" x:Name='{}{Binding}'/>");
  ASSERT_NE(pGrid, nullptr);
  EXPECT_STREQ(MarkupStringText(pGrid->GetValue(CTKMarkupObject::NameProperty)), L"{Binding}");
}

TEST_F(BuilderTest, KeyIsAPropertyButOtherXNamesAreNot) {
  CTestElement* pGrid = Parse(std::wstring(L"<Grid") + kXmlns + L" x:Key='k' x:Name='n'/>");
  ASSERT_NE(pGrid, nullptr);
  EXPECT_STREQ(MarkupStringText(pGrid->GetValue(CTKMarkupObject::KeyProperty)), L"k");
  EXPECT_EQ(pGrid->FindName(L"n"), pGrid);
  EXPECT_EQ(Error(std::wstring(L"<Grid") + kXmlns + L" x:Foo='f'/>"),
            "The property 'x:Foo' does not exist in XML namespace");
}

TEST_F(BuilderTest, PropertyElementSetsTheParentsProperty) {
  CTestElement* pBorder =
      Parse(L"<Border><Border.Background><Color>#80FF0000</Color></Border.Background></Border>");
  ASSERT_NE(pBorder, nullptr);
  CTKMarkupColor* pColor =
      MarkupCast<CTKMarkupColor>(pBorder->GetValue(m_types->pBorderBackground));
  ASSERT_NE(pColor, nullptr);
  EXPECT_EQ(pColor->GetValue(), 0x800000FFu);
  // A string in a property element is converted when the property is set.
  pBorder = Parse(L"<Border><Border.Background> Blue </Border.Background></Border>");
  ASSERT_NE(pBorder, nullptr);
  pColor = MarkupCast<CTKMarkupColor>(pBorder->GetValue(m_types->pBorderBackground));
  ASSERT_NE(pColor, nullptr);
  EXPECT_EQ(pColor->GetValue(), 0xFFFF0000u);
}

TEST_F(BuilderTest, AttachedPropertyAsAttributeOnTheChild) {
  CTestElement* pGrid = Parse(L"<Grid><Leaf Grid.Row='2'/></Grid>");
  ASSERT_NE(pGrid, nullptr);
  CTKMarkupObject* pLeaf = pGrid->GetContent()->GetItem(0);
  CTKMarkupInt* pRow = MarkupCast<CTKMarkupInt>(pLeaf->GetValue(m_types->pGridRow));
  ASSERT_NE(pRow, nullptr);
  EXPECT_EQ(pRow->GetValue(), 2);
}

TEST_F(BuilderTest, ValuesAreConvertedByMetadataThenByTheirType) {
  CTestElement* pText = Parse(
      L"<TextBlock FontSize='12pt' FontWeight='BOLD' Cursor='hand' Dashes='1, 2.5' Width='40'/>");
  ASSERT_NE(pText, nullptr);
  EXPECT_EQ(MarkupCast<CTKMarkupInt>(pText->GetValue(m_types->pFontSize))->GetValue(), 16);
  EXPECT_EQ(MarkupCast<CTKMarkupEnum>(pText->GetValue(m_types->pFontWeight))->GetValue(), 700);
  EXPECT_EQ(MarkupCast<CTKMarkupInt>(pText->GetValue(m_types->pCursor))->GetValue(), 32649);
  CTKMarkupDoubleCollection* pDashes =
      MarkupCast<CTKMarkupDoubleCollection>(pText->GetValue(m_types->pDashes));
  ASSERT_NE(pDashes, nullptr);
  ASSERT_EQ(pDashes->GetCount(), 2);
  EXPECT_FLOAT_EQ(pDashes->GetItem(1), 2.5f);
  EXPECT_EQ(MarkupCast<CTKMarkupInt>(pText->GetValue(m_types->pWidth))->GetValue(), 40);
}

TEST_F(BuilderTest, TypeExtensionGivesTheRegisteredType) {
  CTestElement* pGrid = Parse(std::wstring(L"<Grid") + kXmlns + L" x:Key='{x:Type Border}'/>");
  ASSERT_NE(pGrid, nullptr);
  EXPECT_EQ(pGrid->GetValue(CTKMarkupObject::KeyProperty), m_types->pBorder);
}

// Hello, a blank, an inline, a blank and world: the blanks next to the inline
// stay, the ones at the ends of the whole text go, inner runs become one.
TEST_F(BuilderTest, WhiteSpaceIsNormalised) {
  CTestElement* pText =
      Parse(L"<TextBlock>\r\n   Hello \t <Bold> big\n\n  bold </Bold>  world\t\r\n</TextBlock>");
  ASSERT_NE(pText, nullptr);
  ASSERT_EQ(pText->GetContent()->GetCount(), 3);
  EXPECT_EQ(pText->DescribeContent(0), L"Hello ");
  EXPECT_EQ(pText->DescribeContent(1), L"<Bold>");
  EXPECT_EQ(pText->DescribeContent(2), L" world");
  CTestElement* pBold = static_cast<CTestElement*>(pText->GetContent()->GetItem(1));
  EXPECT_EQ(pBold->DescribeContent(0), L"big bold");
}

TEST_F(BuilderTest, BlankTextIsKeptOnlyBetweenContent) {
  CTestElement* pText = Parse(L"<TextBlock>   </TextBlock>");
  ASSERT_NE(pText, nullptr);
  EXPECT_EQ(pText->GetContent()->GetCount(), 0);
  pText = Parse(L"<TextBlock><Bold>a</Bold> <Bold>b</Bold></TextBlock>");
  ASSERT_NE(pText, nullptr);
  ASSERT_EQ(pText->GetContent()->GetCount(), 3);
  EXPECT_EQ(pText->DescribeContent(1), L" ");
  // A grid does not keep blank text even between elements.
  CTestElement* pGrid = Parse(L"<Grid><Leaf/> \n <Leaf/></Grid>");
  ASSERT_NE(pGrid, nullptr);
  EXPECT_EQ(pGrid->GetContent()->GetCount(), 2);
}

TEST_F(BuilderTest, PreservedAndCDataTextIsKeptAsItStands) {
  CTestElement* pText = Parse(L"<TextBlock xml:space='preserve'>  a  b </TextBlock>");
  ASSERT_NE(pText, nullptr);
  EXPECT_EQ(pText->DescribeContent(0), L"  a  b ");
  pText = Parse(L"<TextBlock><![CDATA[ <x>  y ]]></TextBlock>");
  ASSERT_NE(pText, nullptr);
  EXPECT_EQ(pText->DescribeContent(0), L" <x>  y ");
}

TEST_F(BuilderTest, EndInitFollowsAttributesAndContent) {
  CTestElement* pGrid = Parse(L"<Grid><Leaf/><Leaf/></Grid>");
  ASSERT_NE(pGrid, nullptr);
  EXPECT_EQ(pGrid->m_nEndInits, 1);
  EXPECT_EQ(static_cast<CTestElement*>(pGrid->GetContent()->GetItem(1))->m_nEndInits, 1);
  // Objects keep the tag as written and their XML element.
  EXPECT_STREQ(pGrid->GetTagName(), L"Grid");
  EXPECT_NE(pGrid->GetSourceElement(), nullptr);
}

TEST_F(BuilderTest, ColorElementTakesItsValueFromText) {
  CTestElement* pBorder =
      Parse(L"<Border><Border.Background><Color>transparent</Color></Border.Background></Border>");
  ASSERT_NE(pBorder, nullptr);
  EXPECT_EQ(MarkupCast<CTKMarkupColor>(pBorder->GetValue(m_types->pBorderBackground))->GetValue(),
            0x00FFFFFFu);
  EXPECT_EQ(Error(L"<Border><Border.Background><Color>grey</Color></Border.Background></Border>"),
            "Cannot convert the string 'grey' into a 'CTKMarkupColor' object");
}

TEST_F(BuilderTest, ParserFailureBecomesTheBuildersError) {
  CTKMarkupParser parser;
  const wchar_t text[] = L"<Grid><Leaf></Grid>";
  EXPECT_FALSE(parser.LoadString(text, text + wcslen(text)));
  CTKMarkupBuilder builder(m_context);
  EXPECT_EQ(builder.Parse(&parser), nullptr);
  EXPECT_STREQ(builder.GetErrorText(), parser.GetErrorText());
  EXPECT_EQ(builder.GetErrorText().Left(11), "XML Error [");
}

TEST_F(BuilderTest, LongMessagesAreCutTo255Bytes) {
  std::wstring markup = L"<Grid " + std::wstring(600, L'a') + L"='1'/>";
  std::string error = Error(markup);
  EXPECT_EQ(error.size(), 255u);
  EXPECT_EQ(error.substr(0, 15), "The property 'a");
}

// Characters the code page lacks must not stop the message from being made.
TEST_F(BuilderTest, MessagesShowForeignCharactersAsQuestionMarks) {
  EXPECT_EQ(Error(L"<Grid Colour\x4E2D='1'/>"),
            "The property 'Colour?' does not exist in XML namespace");
  EXPECT_EQ(Error(L"<Leaf>caf\x00e9 \x4E2D</Leaf>"),
            "Cannot convert the string 'caf\xe9 ?' into a 'CTestLeaf' object");
}

TEST_F(BuilderTest, FailedBuildReleasesEverythingItMade) {
  // Each object made through the context holds a reference on it: when the
  // build fails, the context is left with the test's reference only.
  EXPECT_FALSE(Error(L"<Grid><Leaf/><Border><Leaf/><Unknown/></Border></Grid>").empty());
  m_context->AddRef();
  EXPECT_EQ(m_context->Release(), 1u);
}

}  // namespace
