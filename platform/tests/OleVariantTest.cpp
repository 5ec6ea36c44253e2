// COleVariant: typed construction, deep copies, comparison, conversion with
// exceptions, ownership transfer and the archive form.
#include <gtest/gtest.h>

#include "afxdisp.h"

namespace {

TEST(OleVariant, ConstructorsChooseTheirTypes) {
  EXPECT_EQ(VT_EMPTY, COleVariant().vt);
  COleVariant text("abc");
  ASSERT_EQ(VT_BSTR, text.vt);
  EXPECT_STREQ(L"abc", text.bstrVal);
  EXPECT_STREQ(L"wide", COleVariant(L"wide").bstrVal);
  EXPECT_STREQ(L"str", COleVariant(CString("str")).bstrVal);
  EXPECT_EQ(VT_UI1, COleVariant(static_cast<BYTE>(7)).vt);
  EXPECT_EQ(VT_I2, COleVariant(static_cast<short>(7)).vt);
  COleVariant flag(static_cast<short>(3), VT_BOOL);
  EXPECT_EQ(VT_BOOL, flag.vt);
  EXPECT_EQ(VARIANT_TRUE, flag.boolVal);
  EXPECT_EQ(VT_I4, COleVariant(7).vt);
  EXPECT_EQ(VT_I4, COleVariant(7L).vt);
  COleVariant error(static_cast<long>(DISP_E_PARAMNOTFOUND), VT_ERROR);
  EXPECT_EQ(VT_ERROR, error.vt);
  EXPECT_EQ(DISP_E_PARAMNOTFOUND, error.scode);
  EXPECT_EQ(VT_I8, COleVariant(static_cast<LONGLONG>(1) << 40).vt);
  EXPECT_EQ(VT_R4, COleVariant(1.5f).vt);
  EXPECT_EQ(VT_R8, COleVariant(1.5).vt);
  COleVariant date(2.25, VT_DATE);
  EXPECT_EQ(VT_DATE, date.vt);
  EXPECT_EQ(2.25, date.date);
  COleVariant fromDate(COleDateTime(2005, 2, 1, 0, 0, 0));
  EXPECT_EQ(VT_DATE, fromDate.vt);
  EXPECT_EQ(38384.0, fromDate.date);
}

TEST(OleVariant, CopiesOwnTheirStrings) {
  COleVariant original("shared?");
  COleVariant copy(original);
  COleVariant assigned;
  assigned = original;
  EXPECT_NE(original.bstrVal, copy.bstrVal);
  EXPECT_NE(original.bstrVal, assigned.bstrVal);
  original = "changed";
  EXPECT_STREQ(L"shared?", copy.bstrVal);
  EXPECT_STREQ(L"shared?", assigned.bstrVal);
}

TEST(OleVariant, EqualityNeedsTheSameTypeAndValue) {
  EXPECT_TRUE(COleVariant("a") == COleVariant("a"));
  EXPECT_FALSE(COleVariant("a") == COleVariant("A"));
  EXPECT_TRUE(COleVariant(5) == COleVariant(5L));
  EXPECT_FALSE(COleVariant(5) == COleVariant(static_cast<short>(5)));
  EXPECT_FALSE(COleVariant(5) == COleVariant(6));
  EXPECT_TRUE(COleVariant(0.5) == COleVariant(0.5));
  EXPECT_TRUE(COleVariant() == COleVariant());
  EXPECT_TRUE(COleVariant(1) != COleVariant("1"));
}

TEST(OleVariant, NumberAssignedToABooleanStaysBoolean) {
  COleVariant flag(static_cast<short>(0), VT_BOOL);
  flag = 5L;
  EXPECT_EQ(VT_BOOL, flag.vt);
  EXPECT_EQ(VARIANT_TRUE, flag.boolVal);
  COleVariant text("x");
  text = 5L;
  EXPECT_EQ(VT_I4, text.vt);
  EXPECT_EQ(5, text.lVal);
}

TEST(OleVariant, ChangeTypeConvertsInPlaceOrFromASource) {
  COleVariant value("12");
  value.ChangeType(VT_I4);
  EXPECT_EQ(VT_I4, value.vt);
  EXPECT_EQ(12, value.lVal);

  COleVariant source(3.0);
  COleVariant target;
  target.ChangeType(VT_BSTR, &source);
  EXPECT_STREQ(L"3", target.bstrVal);
  EXPECT_EQ(VT_R8, source.vt);
}

TEST(OleVariant, FailedChangeTypeThrowsTheOleError) {
  COleVariant value("not a number");
  SCODE sc = S_OK;
  try {
    value.ChangeType(VT_I4);
  } catch (COleException* e) {
    sc = e->m_sc;
    e->Delete();
  }
  EXPECT_EQ(DISP_E_TYPEMISMATCH, sc);
  EXPECT_EQ(VT_BSTR, value.vt);
}

TEST(OleVariant, AttachAndDetachHandOverTheValue) {
  VARIANT raw;
  raw.vt = VT_BSTR;
  raw.bstrVal = SysAllocString(L"owned");
  COleVariant holder;
  holder.Attach(raw);
  EXPECT_EQ(VT_EMPTY, raw.vt);
  EXPECT_STREQ(L"owned", holder.bstrVal);
  VARIANT out = holder.Detach();
  EXPECT_EQ(VT_EMPTY, holder.vt);
  EXPECT_STREQ(L"owned", out.bstrVal);
  VariantClear(&out);
}

TEST(OleVariant, ArchiveRoundTripKeepsTypeAndValue) {
  const COleVariant values[] = {COleVariant(),
                                COleVariant(-7),
                                COleVariant(L"t\u00e9xt \u4e2d"),
                                COleVariant(2.5),
                                COleVariant(static_cast<short>(1), VT_BOOL),
                                COleVariant(40000.25, VT_DATE),
                                COleVariant(static_cast<BYTE>(200)),
                                COleVariant(static_cast<LONGLONG>(-1) << 40),
                                COleVariant("")};
  CMemFile file;
  {
    CArchive ar(&file, CArchive::store);
    for (const COleVariant& v : values) ar << v;
  }
  file.SeekToBegin();
  CArchive ar(&file, CArchive::load);
  for (const COleVariant& expected : values) {
    COleVariant loaded("previous");
    ar >> loaded;
    EXPECT_TRUE(loaded == expected) << "type " << expected.vt;
  }
}

TEST(OleVariant, ObjectsHaveNoArchiveForm) {
  CCmdTarget target;
  target.EnableAutomation();
  COleVariant object;
  object.vt = VT_DISPATCH;
  object.pdispVal = target.GetIDispatch(TRUE);
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  SCODE sc = S_OK;
  try {
    ar << object;
  } catch (COleException* e) {
    sc = e->m_sc;
    e->Delete();
  }
  EXPECT_EQ(DISP_E_TYPEMISMATCH, sc);
  object.Clear();
  EXPECT_EQ(1, target.m_dwRef);
}

}  // namespace
