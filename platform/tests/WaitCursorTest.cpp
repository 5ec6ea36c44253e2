// The wait cursor of CCmdTarget: nested calls keep it up until the outermost
// EndWaitCursor, which puts the previous cursor back.
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

}  // namespace
