// Keyboard navigation: the attached properties are read and stored, focus
// requests move nothing, and the keyboard stays with the host window.
#include <gtest/gtest.h>

#include <limits.h>

#include <string>

#include "SupportMarkup.h"
#include "TKMarkupBorder.h"
#include "TKMarkupCanvas.h"
#include "TKMarkupKeyboardNavigation.h"

namespace {

class KeyboardNavigationTest : public ::testing::Test {
 protected:
  CTestContext m_context;
};

TEST_F(KeyboardNavigationTest, AttachedPropertiesAreStoredWithTheirDefaults) {
  std::string error;
  CTKMarkupAutoPtr<> root(ParseForTest(m_context,
                                       L"<Canvas KeyboardNavigation.TabNavigation='cycle'>"
                                       L" <Border x:Name='first' KeyboardNavigation.TabIndex='3' "
                                       L"KeyboardNavigation.IsTabStop='False'/>"
                                       L" <Border x:Name='second'/>"
                                       L"</Canvas>",
                                       &error));
  ASSERT_NE(root.Get(), nullptr) << error;
  CTKMarkupObject* pFirst = root->FindName(L"first");
  CTKMarkupObject* pSecond = root->FindName(L"second");
  ASSERT_NE(pFirst, nullptr);
  ASSERT_NE(pSecond, nullptr);
  EXPECT_EQ(CTKMarkupKeyboardNavigation::GetTabIndex(pFirst), 3);
  EXPECT_EQ(CTKMarkupKeyboardNavigation::GetTabIndex(pSecond), INT_MAX);
  EXPECT_FALSE(CTKMarkupKeyboardNavigation::GetIsTabStop(pFirst));
  EXPECT_TRUE(CTKMarkupKeyboardNavigation::GetIsTabStop(pSecond));
  EXPECT_EQ(CTKMarkupKeyboardNavigation::GetTabNavigation(root), 2);
  EXPECT_EQ(CTKMarkupKeyboardNavigation::GetTabNavigation(pSecond), -1);  // not inherited

  EXPECT_EQ(BuildError(m_context, L"<Canvas KeyboardNavigation.TabNavigation='Around'/>"),
            "Cannot convert string in attribute 'TabNavigation' to object of type 'CTKMarkupEnum'");
}

TEST_F(KeyboardNavigationTest, FocusAndKeysStayWithTheHostWindow) {
  CTKMarkupKeyboardNavigation* pNavigation = m_context->GetKeyboardNavigation();
  ASSERT_NE(pNavigation, nullptr);
  EXPECT_EQ(pNavigation->GetOwnerContext(), static_cast<CTKMarkupContext*>(m_context));

  CTKMarkupAutoPtr<CTKMarkupBorder> first(
      static_cast<CTKMarkupBorder*>(m_context->CreateMarkupObject(CTKMarkupBorder::StaticType())));
  CTKMarkupAutoPtr<CTKMarkupBorder> second(
      static_cast<CTKMarkupBorder*>(m_context->CreateMarkupObject(CTKMarkupBorder::StaticType())));
  first->Focus();
  second->Focus();
  EXPECT_FALSE(first->IsKeyboardFocused());
  EXPECT_FALSE(second->IsKeyboardFocused());

  const UINT kMessages[] = {WM_SETFOCUS, WM_KILLFOCUS, WM_KEYDOWN};
  const WPARAM kKeys[] = {VK_TAB, VK_LEFT, VK_DOWN};
  for (UINT nMessage : kMessages) {
    for (WPARAM nKey : kKeys) {
      LRESULT lResult = 12345;
      EXPECT_FALSE(pNavigation->OnWndMsg(nMessage, nKey, 0, &lResult));
      EXPECT_EQ(lResult, 12345);
    }
  }
}

}  // namespace
