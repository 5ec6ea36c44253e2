// The wait cursor of CCmdTarget and CWaitCursor: nested calls keep it up
// until the outermost end, which puts the previous cursor back; an
// application shows it its own way.
#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

TEST(WaitCursor, NestedCallsShowOneWaitCursorAndRestoreThePrevious) {
  HCURSOR hcurArrow = LoadCursor(NULL, IDC_ARROW);
  HCURSOR hcurWait = LoadCursor(NULL, IDC_WAIT);
  SetCursor(hcurArrow);
  CCmdTarget outer, inner;
  outer.BeginWaitCursor();
  EXPECT_EQ(hcurWait, GetCursor());
  inner.BeginWaitCursor();
  inner.EndWaitCursor();
  EXPECT_EQ(hcurWait, GetCursor());
  outer.EndWaitCursor();
  EXPECT_EQ(hcurArrow, GetCursor());
}

TEST(WaitCursor, RestoreShowsItAgainOnlyWhileWaiting) {
  HCURSOR hcurArrow = LoadCursor(NULL, IDC_ARROW);
  HCURSOR hcurWait = LoadCursor(NULL, IDC_WAIT);
  CCmdTarget target;
  SetCursor(hcurArrow);
  target.RestoreWaitCursor();
  EXPECT_EQ(hcurArrow, GetCursor());
  target.BeginWaitCursor();
  SetCursor(hcurArrow);  // as a dialog would
  target.RestoreWaitCursor();
  EXPECT_EQ(hcurWait, GetCursor());
  target.EndWaitCursor();
  EXPECT_EQ(hcurArrow, GetCursor());
  target.EndWaitCursor();  // an unmatched End changes nothing
  EXPECT_EQ(hcurArrow, GetCursor());
}

TEST(WaitCursor, CWaitCursorShowsItForItsScopeAndNestsWithTheOthers) {
  HCURSOR hcurArrow = LoadCursor(NULL, IDC_ARROW);
  HCURSOR hcurWait = LoadCursor(NULL, IDC_WAIT);
  SetCursor(hcurArrow);
  {
    CWaitCursor wait;
    EXPECT_EQ(hcurWait, GetCursor());
    CCmdTarget target;
    target.BeginWaitCursor();
    target.EndWaitCursor();
    EXPECT_EQ(hcurWait, GetCursor());
    SetCursor(hcurArrow);
    wait.Restore();
    EXPECT_EQ(hcurWait, GetCursor());
  }
  EXPECT_EQ(hcurArrow, GetCursor());
}

/// Shows no cursor at all: only counts what it was asked.
class CCountingApp : public CWinApp {
 public:
  int m_nBegin = 0, m_nEnd = 0, m_nRestore = 0;
  void DoWaitCursor(int nCode) override {
    ++(nCode > 0 ? m_nBegin : nCode < 0 ? m_nEnd : m_nRestore);
  }
};

TEST(WaitCursor, AnApplicationShowsTheWaitCursorItsOwnWay) {
  CCountingApp app;
  HCURSOR hcurArrow = LoadCursor(NULL, IDC_ARROW);
  SetCursor(hcurArrow);
  {
    CWaitCursor wait;
    wait.Restore();
    CCmdTarget target;
    target.BeginWaitCursor();
    target.EndWaitCursor();
  }
  EXPECT_EQ(2, app.m_nBegin);
  EXPECT_EQ(2, app.m_nEnd);
  EXPECT_EQ(1, app.m_nRestore);
  EXPECT_EQ(hcurArrow, GetCursor());
}

}  // namespace
