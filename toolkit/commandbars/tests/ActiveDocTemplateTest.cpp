// Which document template's controls an MDI frame shows: the default without
// an active child, the child's own id without a document, else the template
// of the active document.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <afxdocview.h>

#include "SupportPaintManager.h"
#include "commandbars/TKCommandBars.h"

namespace {

class CPlainView : public CView {
 public:
  void OnDraw(CDC*) override {}
};

TEST(ActiveDocTemplateTest, FollowsTheActiveChildOfAnMdiFrame) {
  CTestGlobalPaintManager paintManager;
  CMDIFrameWnd* pFrame = new CMDIFrameWnd;  // deletes itself with its window
  ASSERT_TRUE(pFrame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW));
  CTKCommandBars* pCommandBars = new CTKCommandBars;
  pCommandBars->SetSite(pFrame);
  pCommandBars->SetDefaultDocTemplate(300);
  EXPECT_EQ(300u, pCommandBars->GetActiveDocTemplate()) << "no child: the default";

  CMDIChildWnd* pChild = new CMDIChildWnd;  // deletes itself with its window
  ASSERT_TRUE(pChild->Create(NULL, "child", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                             CRect(0, 0, 100, 80), pFrame));
  ASSERT_EQ(pChild, pFrame->MDIGetActive());
  pChild->m_nIDHelp = 301;
  EXPECT_EQ(301u, pCommandBars->GetActiveDocTemplate()) << "no document: the child's own id";

  CMultiDocTemplate* pTemplate = new CMultiDocTemplate(
      302, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CView));
  {
    CDocument document;
    pTemplate->AddDocument(&document);
    CPlainView view;
    document.AddView(&view);
    pChild->SetActiveView(&view);
    struct Case {
      UINT childId;
      UINT expected;
    } cases[] = {
        {0, 302},  // the document's template
        {302, 302},
        {303, 0},  // the child names a template the application does not have
    };
    for (const Case& c : cases) {
      pChild->m_nIDHelp = c.childId;
      EXPECT_EQ(c.expected, pCommandBars->GetActiveDocTemplate()) << c.childId;
    }
    pChild->SetActiveView(nullptr);
    pTemplate->RemoveDocument(&document);
  }
  delete pTemplate;
  pFrame->DestroyWindow();
  pCommandBars->SetSite(nullptr);
  EXPECT_EQ(0u, pCommandBars->GetActiveDocTemplate()) << "no MDI frame: none";
  pCommandBars->InternalRelease();
}

}  // namespace
