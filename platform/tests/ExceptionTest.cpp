// Exceptions: their messages, the throw helpers and the handler macros.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

CString g_shown;
UINT g_type = 0;

int AFXAPI RecordMessage(LPCSTR lpszText, UINT nType, UINT) {
  g_shown = lpszText;
  g_type = nType;
  return IDOK;
}

// Replaces the message box for one test.
class ExceptionTest : public ::testing::Test {
 protected:
  void SetUp() override { m_previous = AfxSetMessageBoxProc(&RecordMessage); }
  void TearDown() override { AfxSetMessageBoxProc(m_previous); }
  AFX_MESSAGEBOX_PROC m_previous = nullptr;
};

TEST_F(ExceptionTest, ReportErrorShowsTheMessage) {
  CArchiveException e(CArchiveException::badSchema, "layout.bin");
  e.m_bAutoDelete = FALSE;
  EXPECT_EQ(e.ReportError(MB_ICONSTOP), IDOK);
  EXPECT_EQ(g_shown, "layout.bin contains an incorrect schema.");
  EXPECT_EQ(g_type, static_cast<UINT>(MB_ICONSTOP));
}

TEST_F(ExceptionTest, ReportErrorWithoutTextFallsBack) {
  CException plain(FALSE);
  plain.ReportError();
  EXPECT_EQ(g_shown, "No error message is available.");
}

TEST_F(ExceptionTest, ThrowHelpersThrowTheirClass) {
  struct Case {
    void (*thrower)();
    CRuntimeClass* cls;
  } cases[] = {
      {[] { AfxThrowMemoryException(); }, RUNTIME_CLASS(CMemoryException)},
      {[] { AfxThrowResourceException(); }, RUNTIME_CLASS(CResourceException)},
      {[] { AfxThrowNotSupportedException(); }, RUNTIME_CLASS(CNotSupportedException)},
      {[] { AfxThrowInvalidArgException(); }, RUNTIME_CLASS(CInvalidArgException)},
      {[] { AfxThrowFileException(CFileException::diskFull); }, RUNTIME_CLASS(CFileException)},
      {[] { AfxThrowArchiveException(CArchiveException::endOfFile); },
       RUNTIME_CLASS(CArchiveException)},
  };
  for (const Case& c : cases) {
    try {
      c.thrower();
      ADD_FAILURE() << c.cls->m_lpszClassName;
    } catch (CException* e) {
      EXPECT_EQ(e->GetRuntimeClass(), c.cls);
      char text[128];
      EXPECT_TRUE(e->GetErrorMessage(text, sizeof text)) << c.cls->m_lpszClassName;
      e->Delete();
    }
  }
}

// A subclass that says everything through GetErrorMessage alone.
class CQuotaException : public CSimpleException {
 public:
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const override {
    if (pnHelpContext != nullptr) *pnHelpContext = 77;
    lstrcpynA(lpszError, "Quota exceeded.", static_cast<int>(nMaxError));
    return TRUE;
  }
};

TEST_F(ExceptionTest, SimpleExceptionsAreConcreteAndPlainOnesHaveNoMessage) {
  CSimpleException plain(FALSE);
  char text[64] = "untouched";
  UINT nHelp = 5;
  EXPECT_FALSE(plain.GetErrorMessage(text, sizeof text, &nHelp));
  EXPECT_STREQ("", text);
  EXPECT_EQ(0u, nHelp);
  plain.ReportError();
  EXPECT_EQ(g_shown, "No error message is available.");

  CSimpleException* pQuota = new CQuotaException;
  EXPECT_TRUE(pQuota->IsKindOf(RUNTIME_CLASS(CSimpleException)));
  pQuota->ReportError();
  EXPECT_EQ(g_shown, "Quota exceeded.");
  pQuota->Delete();
}

LONG g_deleted = 0;

class CTracked : public CException {
 public:
  ~CTracked() override { ++g_deleted; }
};

TEST(ExceptionMacrosTest, HandlersDeleteUnlessTheyRethrow) {
  g_deleted = 0;
  TRY { throw new CTracked; }
  CATCH(CMemoryException, e) { ADD_FAILURE() << "wrong handler"; }
  AND_CATCH_ALL(e) { EXPECT_EQ(g_deleted, 0); }
  END_CATCH
  EXPECT_EQ(g_deleted, 1);

  bool rethrown = false;
  try {
    TRY { throw new CTracked; }
    CATCH_ALL(e) { THROW_LAST(); }
    END_CATCH_ALL
  } catch (CException* e) {
    rethrown = true;
    EXPECT_EQ(g_deleted, 1);
    e->Delete();
  }
  EXPECT_TRUE(rethrown);
  EXPECT_EQ(g_deleted, 2);
}

}  // namespace
