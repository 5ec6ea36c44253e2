// Hostile markup: deep nesting, huge values, malformed text and a short fuzz
// run, through the real elements, laid out and drawn. Each gives a tree or an
// error text; none crashes, hangs or leaks the objects it made.
#include <gtest/gtest.h>

#include <string>

#include "../tools/MarkupMutator.h"
#include "SupportExercise.h"
#include "SupportMarkup.h"
#include "markup/TKMarkupParser.h"
#include "TKMarkupString.h"

namespace {

class HostileTextTest : public ::testing::Test {
 protected:
  HostileTextTest() { m_context->SetGdiPlusEnabled(FALSE); }
  void TearDown() override {
    // Everything made through the context is gone again.
    EXPECT_EQ(References(), 1u);
  }
  DWORD References() {
    m_context->AddRef();
    return m_context->Release();
  }
  /// "Done." for a tree (laid out and drawn), else the error.
  std::string Validate(const std::wstring& text) {
    const TK_MARKUP_EXERCISE outcome = ExerciseMarkup(m_context, text);
    return outcome.bBuilt ? "Done." : outcome.error;
  }
  static std::wstring Nested(int nDepth, const std::wstring& inner = L"") {
    std::wstring text;
    for (int i = 0; i < nDepth; ++i) text += L"<Grid>";
    text += inner;
    for (int i = 0; i < nDepth; ++i) text += L"</Grid>";
    return text;
  }
  CTestContext m_context;
};

TEST_F(HostileTextTest, ModerateNestingBuilds) {
  EXPECT_EQ(Validate(Nested(200, L"<Rectangle/>")), "Done.");
}

TEST_F(HostileTextTest, DeepNestingIsAnError) {
  for (int nDepth : {300, 5000, 100000}) {
    std::string answer = Validate(Nested(nDepth));
    EXPECT_NE(answer, "Done.") << nDepth;
    EXPECT_FALSE(answer.empty()) << nDepth;
  }
}

TEST_F(HostileTextTest, HugeValuesAndNames) {
  const std::wstring huge(300000, L'y');
  CTKMarkupAutoPtr<> root(ParseForTest(m_context, L"<Grid Name='" + huge + L"'/>"));
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->FindName(huge.c_str()), root.Get());
  root.Assign(nullptr);
  EXPECT_EQ(Validate(L"<TextBlock>" + huge + L"</TextBlock>"), "Done.");
  // Errors quoting huge texts are cut to the builder's 255 bytes.
  for (const std::wstring& text :
       {L"<Grid " + huge + L"='1'/>", L"<Grid><" + huge + L"/></Grid>",
        L"<TextBlock FontWeight='" + huge + L"'/>", L"<Rectangle>" + huge + L"</Rectangle>"}) {
    std::string answer = Validate(text);
    EXPECT_NE(answer, "Done.");
    EXPECT_LE(answer.size(), 255u);
    EXPECT_FALSE(answer.empty());
  }
}

TEST_F(HostileTextTest, MalformedTextIsAnError) {
  const wchar_t* const texts[] = {
      L"<",
      L"<Grid",
      L"<Grid>",
      L"<Grid></Leaf>",
      L"<Grid><Leaf></Grid></Leaf>",
      L"<Grid Name='a' Name='b'/>",
      L"<Grid Name='a/>",
      L"<Grid>&undefined;</Grid>",
      L"<Grid>&#0;</Grid>",
      L"<Grid/><Grid/>",
      L"<Grid></Grid>trailing",
      L"<1Grid/>",
      L"<Grid xmlns:x='urn:a' xmlns:x='urn:b'/>",
      L"<!DOCTYPE a [<!ENTITY a '&a;'>]><Grid>&a;</Grid>",
      L"<Grid>\xD800</Grid>",
      L"<Grid Name='{'/>",
      L"<Grid Name='{x:Type'/>",
  };
  for (const wchar_t* lpszText : texts) {
    std::string answer = Validate(lpszText);
    EXPECT_NE(answer, "Done.") << CStringA(lpszText).GetString();
    EXPECT_FALSE(answer.empty()) << CStringA(lpszText).GetString();
  }
}

TEST_F(HostileTextTest, EntityExpansionIsRefused) {
  std::wstring text = L"<!DOCTYPE Grid [<!ENTITY a 'aaaaaaaaaa'>";
  wchar_t previous = L'a';
  for (wchar_t name = L'b'; name <= L'k'; ++name) {
    text += std::wstring(L"<!ENTITY ") + name + L" '";
    for (int i = 0; i < 10; ++i) text += std::wstring(L"&") + previous + L";";
    text += L"'>";
    previous = name;
  }
  text += L"]><TextBlock>&k;</TextBlock>";
  EXPECT_NE(Validate(text), "Done.");
}

TEST_F(HostileTextTest, NestedExtensionsShareTheNestingLimit) {
  auto nested = [](int nDepth) {
    std::wstring text = L"<Border Tag='";
    for (int i = 0; i < nDepth; ++i) text += L"{StaticResource ";
    return text + L"{x:Null}" + std::wstring(nDepth, L'}') + L"'/>";
  };
  EXPECT_EQ(Validate(nested(255)),
            "Cannot find resource named '{x:Null}'. Resource names are case sensitive");
  for (int nDepth : {256, 12000})
    EXPECT_EQ(Validate(nested(nDepth)), "Markup extensions are nested more than 256 levels deep")
        << nDepth;
}

TEST_F(HostileTextTest, NarrowTextWithBrokenEncodingIsAnError) {
  for (const char* text :
       {"<Grid>\xFF\xFE</Grid>", "<?xml version='1.0' encoding='nonsense'?><Grid/>"}) {
    CTKMarkupParser parser;
    const BYTE* p = reinterpret_cast<const BYTE*>(text);
    parser.LoadBuffer(p, p + strlen(text));
    CTKMarkupBuilder builder(m_context);
    CTKMarkupAutoPtr<> root(builder.Parse(&parser));
    EXPECT_EQ(root, nullptr) << text;
    EXPECT_EQ(builder.GetErrorText().Left(11), "XML Error [") << text;
  }
}

TEST_F(HostileTextTest, ShortFuzzRun) {
  CMarkupMutator mutator(20240611u);
  int nBuilt = 0;
  for (int i = 0; i < 1500; ++i) {
    const std::wstring text = mutator.Next();
    const TK_MARKUP_EXERCISE outcome = ExerciseMarkup(m_context, text);
    if (outcome.bBuilt) {
      ++nBuilt;
      EXPECT_TRUE(outcome.error.empty()) << "case " << i;
      EXPECT_GE(outcome.desired.cx, 0) << "case " << i;
      EXPECT_GE(outcome.desired.cy, 0) << "case " << i;
      EXPECT_LE(outcome.arranged.left, outcome.arranged.right) << "case " << i;
      EXPECT_LE(outcome.arranged.top, outcome.arranged.bottom) << "case " << i;
    } else {
      // A refusal says why, on one line.
      EXPECT_FALSE(outcome.error.empty()) << "case " << i;
      EXPECT_EQ(outcome.error.find_first_of("\r\n"), std::string::npos) << "case " << i;
    }
    // Nothing of the case stays behind, and the next reading of the same
    // text gives the same answer.
    ASSERT_EQ(References(), 1u) << "case " << i;
    if (i % 10 == 0) {
      const TK_MARKUP_EXERCISE again = ExerciseMarkup(m_context, text);
      EXPECT_EQ(again.bBuilt, outcome.bBuilt) << "case " << i;
      EXPECT_EQ(again.error, outcome.error) << "case " << i;
    }
  }
  // Enough texts must stay sound for the builder to be exercised beyond the reader.
  EXPECT_GT(nBuilt, 50);
}

}  // namespace
