// Dependency properties: registration and lookup by name, the reading order
// (local, inherited, default), change notifications, value stores and the
// value classes' equality and shared instances.
#include <gtest/gtest.h>

#include "SupportMarkup.h"
#include "TKMarkupProperties.h"
#include "TKMarkupString.h"
#include "TKMarkupTypeTable.h"
#include "TKMarkupValues.h"

namespace {

class PropertiesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_types = &RegisterTestElements();
    m_root.Assign(ParseForTest(m_context, L"<Grid><TextBlock><Bold/></TextBlock><Leaf/></Grid>"));
    ASSERT_NE(m_root, nullptr);
  }
  CTestElement* Root() { return static_cast<CTestElement*>(m_root.Get()); }
  CTestElement* Child(CTestElement* pParent, int nIndex) {
    return static_cast<CTestElement*>(pParent->GetContent()->GetItem(nIndex));
  }
  static DWORD ColorOf(CTKMarkupObject* pValue) {
    CTKMarkupColor* pColor = MarkupCast<CTKMarkupColor>(pValue);
    return pColor != nullptr ? pColor->GetValue() : 0;
  }

  const TestTypes* m_types = nullptr;
  CTestContext m_context;
  CTKMarkupAutoPtr<> m_root;
};

TEST_F(PropertiesTest, LookupByNameClimbsTheBaseTypes) {
  EXPECT_EQ(FindMarkupProperty(m_types->pTextBlock, L"Name"), CTKMarkupObject::NameProperty);
  EXPECT_EQ(FindMarkupProperty(m_types->pTextBlock, L"x:Name"), CTKMarkupObject::NameProperty);
  EXPECT_EQ(FindMarkupProperty(m_types->pTextBlock, L"X:Name"), nullptr);
  EXPECT_EQ(FindMarkupProperty(m_types->pTextBlock, L"name"), nullptr);
  EXPECT_EQ(FindMarkupProperty(m_types->pTextBlock, L"FontSize"), m_types->pFontSize);
  // An attached property is found from its owner's type only.
  EXPECT_EQ(FindMarkupProperty(m_types->pGrid, L"Row"), m_types->pGridRow);
  EXPECT_EQ(FindMarkupProperty(m_types->pLeaf, L"Row"), nullptr);
  EXPECT_TRUE(m_types->pGridRow->IsAttached());
  EXPECT_EQ(FindMarkupProperty(nullptr, L"Name"), nullptr);
  EXPECT_EQ(FindMarkupProperty(m_types->pGrid, nullptr), nullptr);
}

TEST_F(PropertiesTest, PropertiesHaveSlotsEventsDoNot) {
  EXPECT_GE(CTKMarkupObject::NameProperty->GetIndex(), 0);
  EXPECT_NE(CTKMarkupObject::NameProperty->GetIndex(), CTKMarkupObject::KeyProperty->GetIndex());
  EXPECT_LT(m_types->pWidth->GetIndex(), CTKMarkupDependencyProperty::GetIndexedPropertyCount());
  // A second context registers nothing again.
  const int nCount = CTKMarkupDependencyProperty::GetIndexedPropertyCount();
  CTestContext second;
  EXPECT_EQ(CTKMarkupDependencyProperty::GetIndexedPropertyCount(), nCount);
}

TEST_F(PropertiesTest, AddOwnerSharesTheProperty) {
  CTKMarkupDependencyProperty* pShared = m_types->pForeground->AddOwner(m_types->pBold);
  EXPECT_EQ(pShared, m_types->pForeground);
  EXPECT_EQ(FindMarkupProperty(m_types->pBold, L"Foreground"), m_types->pForeground);
}

TEST_F(PropertiesTest, InheritedValuesComeFromTheNearestAncestor) {
  CTestElement* pText = Child(Root(), 0);
  CTestElement* pBold = Child(pText, 0);
  EXPECT_EQ(ColorOf(pBold->GetValue(m_types->pForeground)), 0xFF030201u);  // the default
  EXPECT_TRUE(Root()->SetValue(m_types->pForeground, new CTKMarkupColor(RGB(9, 9, 9))));
  EXPECT_EQ(ColorOf(pBold->GetValue(m_types->pForeground)), 0xFF090909u);
  EXPECT_TRUE(pText->SetValue(m_types->pForeground, new CTKMarkupColor(RGB(7, 7, 7))));
  EXPECT_EQ(ColorOf(pBold->GetValue(m_types->pForeground)), 0xFF070707u);
  EXPECT_TRUE(pText->SetValue(m_types->pForeground, nullptr));
  EXPECT_TRUE(Root()->SetValue(m_types->pForeground, nullptr));
  EXPECT_EQ(ColorOf(pBold->GetValue(m_types->pForeground)), 0xFF030201u);
}

TEST_F(PropertiesTest, InheritedChangesReachDescendantsOfTheOwnerType) {
  CTestElement* pText = Child(Root(), 0);
  CTestElement* pBold = Child(pText, 0);
  CTestElement* pLeaf = Child(Root(), 1);
  Root()->SetValue(m_types->pForeground, new CTKMarkupColor(RGB(9, 9, 9)));
  Root()->SetValue(m_types->pForeground, nullptr);
  EXPECT_EQ(Root()->m_changes, L"Foreground;Foreground;");
  EXPECT_EQ(pText->m_changes, L"Foreground;Foreground;");  // a TextBlock
  EXPECT_EQ(pBold->m_changes, L"");                        // not a TextBlock
  EXPECT_EQ(pLeaf->m_changes, L"");
}

TEST_F(PropertiesTest, NonInheritedValuesStayOnTheirObject) {
  CTestElement* pText = Child(Root(), 0);
  Root()->SetValue(m_types->pWidth, new CTKMarkupInt(5));
  EXPECT_EQ(pText->GetValue(m_types->pWidth), nullptr);
  EXPECT_EQ(pText->m_changes, L"");
}

CString g_callbacks;
void RecordChange(CTKMarkupObject*, const TK_MARKUP_PROPERTY_CHANGE& change) {
  auto text = [](CTKMarkupObject* p) {
    CTKMarkupInt* pInt = MarkupCast<CTKMarkupInt>(p);
    return pInt != nullptr ? CString(std::to_string(pInt->GetValue()).c_str()) : CString("null");
  };
  g_callbacks += text(change.pOldValue) + ">" + text(change.pNewValue) + " ";
}

TEST_F(PropertiesTest, ChangeCallbackSeesOldAndNewEffectiveValues) {
  CTKMarkupDependencyProperty* pProperty = CTKMarkupDependencyProperty::Register(
      L"Counter", CTKMarkupInt::StaticType(), m_types->pLeaf,
      new CTKMarkupPropertyMetadata(new CTKMarkupInt(0), &RecordChange, 0));
  CTestElement* pLeaf = Child(Root(), 1);
  g_callbacks.Empty();
  CTKMarkupInt* pFive = new CTKMarkupInt(5);
  pFive->AddRef();
  pLeaf->SetValue(pProperty, pFive);
  pFive->AddRef();
  pLeaf->SetValue(pProperty, pFive);  // the same value again still notifies
  pLeaf->SetValue(pProperty, nullptr);
  EXPECT_STREQ(g_callbacks, "0>5 5>5 5>0 ");
  pFive->Release();
}

TEST_F(PropertiesTest, ClearingAnUnsetValueWithoutDefaultIsSilent) {
  CTestElement* pLeaf = Child(Root(), 1);
  EXPECT_TRUE(pLeaf->SetValue(m_types->pWidth, nullptr));
  EXPECT_EQ(pLeaf->m_changes, L"");
}

TEST_F(PropertiesTest, ValuesOfTheWrongTypeAreRefused) {
  CTestElement* pLeaf = Child(Root(), 1);
  CTKMarkupAutoPtr<CTKMarkupString> text(CTKMarkupString::CreateValue(L"5"));
  EXPECT_FALSE(pLeaf->SetValue(m_types->pWidth, text));
  EXPECT_FALSE(pLeaf->SetValue(nullptr, nullptr));
  EXPECT_EQ(pLeaf->GetValue(m_types->pWidth), nullptr);
  // The Key property takes any object.
  text->AddRef();
  EXPECT_TRUE(pLeaf->SetValue(CTKMarkupObject::KeyProperty, text));
}

TEST_F(PropertiesTest, StoredValuesAreParentedToTheirOwner) {
  CTestElement* pLeaf = Child(Root(), 1);
  CTKMarkupInt* pValue = new CTKMarkupInt(3);
  pValue->AddRef();
  pLeaf->SetValue(m_types->pWidth, pValue);
  EXPECT_EQ(pValue->GetParent(), pLeaf);
  pLeaf->SetValue(m_types->pWidth, nullptr);
  EXPECT_EQ(pValue->GetParent(), nullptr);
  EXPECT_EQ(pValue->Release(), 0u);
}

TEST_F(PropertiesTest, StoreCopiesReferencesAndIgnoresEventsAndUnknownSlots) {
  CTKMarkupProperties* pFrom = new CTKMarkupProperties(nullptr);
  CTKMarkupInt* pValue = new CTKMarkupInt(8);
  pValue->AddRef();
  pFrom->Set(m_types->pWidth, pValue);
  CTKMarkupProperties* pTo = new CTKMarkupProperties(nullptr);
  pTo->CopyFrom(pFrom);
  EXPECT_EQ(pTo->Get(m_types->pWidth), pValue);
  EXPECT_EQ(pValue->AddRef(), 4u);  // the test's two, one per store
  pValue->Release();
  pFrom->Release();
  pTo->Release();
  EXPECT_EQ(pValue->Release(), 0u);
  EXPECT_EQ(pTo->GetSize(), CTKMarkupDependencyProperty::GetIndexedPropertyCount());
}

TEST(ValueClasses, EqualityIsByExactClassAndValue) {
  CTKMarkupAutoPtr<> five(new CTKMarkupInt(5)), otherFive(new CTKMarkupInt(5));
  CTKMarkupAutoPtr<> enumFive(new CTKMarkupEnum(5)), six(new CTKMarkupInt(6));
  EXPECT_TRUE(five->IsEqual(otherFive));
  EXPECT_FALSE(five->IsEqual(enumFive));
  EXPECT_FALSE(enumFive->IsEqual(five));
  EXPECT_FALSE(five->IsEqual(six));
  EXPECT_FALSE(five->IsEqual(nullptr));
  CTKMarkupAutoPtr<> red(new CTKMarkupColor(RGB(255, 0, 0))),
      halfRed(new CTKMarkupColor(0x80, 0xFF));
  EXPECT_FALSE(red->IsEqual(halfRed));
  EXPECT_EQ(static_cast<CTKMarkupColor*>(halfRed.Get())->GetValue(), 0x800000FFu);
  CTKMarkupAutoPtr<> key(new CTKMarkupColorKey(5)), otherKey(new CTKMarkupColorKey(5));
  EXPECT_FALSE(key->IsEqual(otherKey));  // keys are equal only to themselves
  EXPECT_TRUE(key->IsEqual(key));
}

TEST(ValueClasses, SharedEnumAndBoolValues) {
  CTKMarkupEnum* pThree = CTKMarkupEnum::CreateValue(3);
  CTKMarkupEnum* pThreeAgain = CTKMarkupEnum::CreateValue(3);
  EXPECT_EQ(pThree, pThreeAgain);
  CTKMarkupEnum* pEight = CTKMarkupEnum::CreateValue(8);
  CTKMarkupEnum* pEightAgain = CTKMarkupEnum::CreateValue(8);
  EXPECT_NE(pEight, pEightAgain);
  CTKMarkupBool* pTrue = CTKMarkupBool::CreateValue(42);
  EXPECT_EQ(pTrue, CTKMarkupBool::CreateTrueValue());
  EXPECT_TRUE(pTrue->GetValue());
  EXPECT_EQ(pTrue->GetHashKey(), 1u);
  EXPECT_NE(pTrue, CTKMarkupBool::CreateFalseValue());
  for (CTKMarkupObject* p :
       {static_cast<CTKMarkupObject*>(pThree), static_cast<CTKMarkupObject*>(pThreeAgain),
        static_cast<CTKMarkupObject*>(pEight), static_cast<CTKMarkupObject*>(pEightAgain),
        static_cast<CTKMarkupObject*>(pTrue), static_cast<CTKMarkupObject*>(pTrue)})
    p->Release();
  CTKMarkupBool::CreateFalseValue()->Release();
}

}  // namespace
