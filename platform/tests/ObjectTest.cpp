#include <afx.h>

#include <gtest/gtest.h>

#include <memory>

class CShape : public CObject {
  DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CPolygon : public CShape {
  DECLARE_DYNCREATE(CPolygon)
};
IMPLEMENT_DYNCREATE(CPolygon, CShape)

class CSquare : public CPolygon {
  DECLARE_SERIAL(CSquare)
 public:
  int m_side = 7;
};
IMPLEMENT_SERIAL(CSquare, CPolygon, 1)

namespace {

TEST(ObjectTest, IsKindOfFollowsTheBaseChainOnly) {
  CSquare square;
  CPolygon polygon;
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CSquare)));
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CPolygon)));
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CShape)));
  EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(polygon.IsKindOf(RUNTIME_CLASS(CSquare)));
  EXPECT_EQ(DYNAMIC_DOWNCAST(CSquare, &polygon), nullptr);
  EXPECT_EQ(DYNAMIC_DOWNCAST(CPolygon, &square), &square);
}

TEST(ObjectTest, RuntimeClassDescribesTheClass) {
  CRuntimeClass* p = RUNTIME_CLASS(CSquare);
  EXPECT_STREQ(p->m_lpszClassName, "CSquare");
  EXPECT_EQ(p->m_nObjectSize, static_cast<int>(sizeof(CSquare)));
  EXPECT_EQ(p->m_wSchema, 1u);
  EXPECT_EQ(p->m_pBaseClass, RUNTIME_CLASS(CPolygon));
  EXPECT_TRUE(CSquare().IsSerializable());
  EXPECT_FALSE(CPolygon().IsSerializable());
}

TEST(ObjectTest, CreatesObjectsByClassAndByStoredName) {
  std::unique_ptr<CObject> byClass(RUNTIME_CLASS(CSquare)->CreateObject());
  ASSERT_NE(byClass, nullptr);
  EXPECT_EQ(byClass->GetRuntimeClass(), RUNTIME_CLASS(CSquare));
  EXPECT_EQ(static_cast<CSquare*>(byClass.get())->m_side, 7);

  EXPECT_EQ(CRuntimeClass::FromName("CSquare"), RUNTIME_CLASS(CSquare));
  EXPECT_EQ(CRuntimeClass::FromName(L"CPolygon"), RUNTIME_CLASS(CPolygon));
  std::unique_ptr<CObject> byName(CRuntimeClass::CreateObject("CPolygon"));
  ASSERT_NE(byName, nullptr);
  EXPECT_EQ(byName->GetRuntimeClass(), RUNTIME_CLASS(CPolygon));
}

TEST(ObjectTest, UnknownOrAbstractClassesCreateNothing) {
  EXPECT_EQ(CRuntimeClass::FromName("csquare"), nullptr);  // names are case-sensitive
  EXPECT_EQ(CRuntimeClass::CreateObject("CNoSuchClass"), nullptr);
  EXPECT_EQ(RUNTIME_CLASS(CShape)->CreateObject(), nullptr);
}

}  // namespace
