// Documents, views and templates as a program without documents sees them:
// which document a view shows, the frame's active view and document, the
// template's strings and menu, the application's templates, OLE items
// active in a view, and the run-time classes of the control views.
#include <afxwin.h>
#include <afxcview.h>
#include <afxole.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT IDR_DOC = 500;         // a full template string and a menu
const UINT IDR_TITLE_ONLY = 501;  // a string of one part
const UINT IDR_NOTHING = 599;     // no resources at all

class CTestView : public CView {
 public:
  void OnDraw(CDC*) override {}
};

/// Counts its destruction.
class CCountedTemplate : public CMultiDocTemplate {
 public:
  CCountedTemplate(UINT nID, int* pDeleted)
      : CMultiDocTemplate(nID, RUNTIME_CLASS(CDocument), RUNTIME_CLASS(CMDIChildWnd),
                          RUNTIME_CLASS(CView)),
        m_pDeleted(pDeleted) {}
  ~CCountedTemplate() override { ++*m_pDeleted; }
  UINT ResourceID() const { return m_nIDResource; }

 private:
  int* m_pDeleted;
};

struct DocStringCase {
  UINT nIDResource;
  CDocTemplate::DocStringIndex index;
  BOOL bFound;
  const char* text;
};

TEST(DocTemplate, GetDocStringAnswersEachPartOfTheTemplatesString) {
  const DocStringCase cases[] = {
      {IDR_DOC, CDocTemplate::windowTitle, TRUE, ""},
      {IDR_DOC, CDocTemplate::docName, TRUE, "Doc"},
      {IDR_DOC, CDocTemplate::fileNewName, TRUE, "Document"},
      {IDR_DOC, CDocTemplate::filterName, TRUE, "Velm files (*.velm)"},
      {IDR_DOC, CDocTemplate::filterExt, TRUE, ".velm"},
      {IDR_DOC, CDocTemplate::regFileTypeId, TRUE, "Velm.Document"},
      {IDR_DOC, CDocTemplate::regFileTypeName, TRUE, "Velm Document"},
      {IDR_TITLE_ONLY, CDocTemplate::windowTitle, TRUE, "Title only"},
      {IDR_TITLE_ONLY, CDocTemplate::docName, FALSE, ""},
      {IDR_NOTHING, CDocTemplate::windowTitle, TRUE, ""},  // an empty string has one part
      {IDR_NOTHING, CDocTemplate::docName, FALSE, ""},
  };
  for (const DocStringCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nIDResource << " part " << c.index);
    int nDeleted = 0;
    CCountedTemplate tmpl(c.nIDResource, &nDeleted);
    tmpl.LoadTemplate();
    CString str = "stale";
    EXPECT_EQ(c.bFound, tmpl.GetDocString(str, c.index));
    EXPECT_STREQ(c.text, str);
  }
}

TEST(DocTemplate, AMultiDocTemplateLoadsItsSharedMenuAndFreesIt) {
  int nDeleted = 0;
  CCountedTemplate* pTemplate = new CCountedTemplate(IDR_DOC, &nDeleted);
  EXPECT_EQ(nullptr, pTemplate->m_hMenuShared);
  pTemplate->LoadTemplate();
  HMENU hMenu = pTemplate->m_hMenuShared;
  ASSERT_TRUE(::IsMenu(hMenu));
  delete pTemplate;
  EXPECT_FALSE(::IsMenu(hMenu));

  CCountedTemplate bare(IDR_NOTHING, &nDeleted);
  bare.LoadTemplate();
  EXPECT_EQ(nullptr, bare.m_hMenuShared);
}

TEST(DocTemplate, TheApplicationListsItsTemplatesAndDeletesThem) {
  int nDeleted = 0;
  {
    CWinApp app("Templates");
    EXPECT_EQ(nullptr, app.GetFirstDocTemplatePosition());
    CCountedTemplate* pFirst = new CCountedTemplate(IDR_DOC, &nDeleted);
    CCountedTemplate* pSecond = new CCountedTemplate(IDR_TITLE_ONLY, &nDeleted);
    app.AddDocTemplate(pFirst);
    app.AddDocTemplate(pSecond);
    CString str;
    EXPECT_TRUE(pFirst->GetDocString(str, CDocTemplate::docName));  // loaded when added
    EXPECT_STREQ("Doc", str);

    POSITION pos = app.GetFirstDocTemplatePosition();
    EXPECT_EQ(pFirst, app.GetNextDocTemplate(pos));
    EXPECT_EQ(pSecond, app.GetNextDocTemplate(pos));
    EXPECT_EQ(nullptr, pos);
    EXPECT_EQ(IDR_TITLE_ONLY, static_cast<CCountedTemplate*>(pSecond)->ResourceID());
  }
  EXPECT_EQ(2, nDeleted);
}

TEST(DocTemplate, DocumentsKnowTheirTemplateAndLeaveItWhenTheyGo) {
  int nDeleted = 0;
  CCountedTemplate tmpl(IDR_DOC, &nDeleted);
  CDocument* pDoc = new CDocument;
  EXPECT_EQ(nullptr, pDoc->GetDocTemplate());
  tmpl.AddDocument(pDoc);
  EXPECT_EQ(&tmpl, pDoc->GetDocTemplate());
  POSITION pos = tmpl.GetFirstDocPosition();
  EXPECT_EQ(pDoc, tmpl.GetNextDoc(pos));
  EXPECT_EQ(nullptr, pos);
  delete pDoc;
  EXPECT_EQ(nullptr, tmpl.GetFirstDocPosition());
}

class DocViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_pFrame = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(m_pFrame->Create(NULL, "views", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    m_hFrame = m_pFrame->m_hWnd;
  }
  void TearDown() override {
    if (::IsWindow(m_hFrame)) m_pFrame->DestroyWindow();
  }

  /// A view of pDoc in the frame's client area (deletes itself with its window).
  CView* NewView(CView* pView, CDocument* pDoc) {
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    if (!pView->Create(NULL, "", WS_VISIBLE, CRect(0, 0, 100, 100), m_pFrame, AFX_IDW_PANE_FIRST,
                       &context))
      return nullptr;
    return pView;
  }

  CFrameWnd* m_pFrame = nullptr;
  HWND m_hFrame = nullptr;
};

TEST_F(DocViewTest, AViewShowsTheDocumentOfItsContextAndTheFrameAnswersForTheActiveOne) {
  CDocument doc;
  EXPECT_EQ(nullptr, m_pFrame->GetActiveView());
  EXPECT_EQ(nullptr, m_pFrame->GetActiveDocument());
  CView* pView = NewView(new CTestView, &doc);
  ASSERT_NE(nullptr, pView);
  EXPECT_EQ(&doc, pView->GetDocument());
  POSITION pos = doc.GetFirstViewPosition();
  EXPECT_EQ(pView, doc.GetNextView(pos));
  EXPECT_EQ(nullptr, pos);

  m_pFrame->SetActiveView(pView);
  EXPECT_EQ(pView, m_pFrame->GetActiveView());
  EXPECT_EQ(&doc, m_pFrame->GetActiveDocument());

  // A view that goes leaves both its frame and its document.
  pView->DestroyWindow();
  EXPECT_EQ(nullptr, m_pFrame->GetActiveView());
  EXPECT_EQ(nullptr, m_pFrame->GetActiveDocument());
  EXPECT_EQ(nullptr, doc.GetFirstViewPosition());
}

/// A document with a menu of its own.
class CMenuDocument : public CDocument {
 public:
  HMENU m_hMenu = nullptr;
  HMENU GetDefaultMenu() override { return m_hMenu; }
};

TEST_F(DocViewTest, TheFramesMenuIsTheOneAskedForElseTheDocumentsElseItsDefault) {
  HMENU hDefault = ::CreateMenu(), hAsked = ::CreateMenu(), hDocument = ::CreateMenu();
  m_pFrame->m_hMenuDefault = hDefault;
  m_pFrame->OnUpdateFrameMenu(hAsked);
  EXPECT_EQ(hAsked, ::GetMenu(m_hFrame));
  m_pFrame->OnUpdateFrameMenu(nullptr);
  EXPECT_EQ(hDefault, ::GetMenu(m_hFrame));

  CMenuDocument doc;
  doc.m_hMenu = hDocument;
  CView* pView = NewView(new CTestView, &doc);
  ASSERT_NE(nullptr, pView);
  m_pFrame->SetActiveView(pView);
  m_pFrame->OnUpdateFrameMenu(nullptr);
  EXPECT_EQ(hDocument, ::GetMenu(m_hFrame));
  // Asked for at idle time.
  m_pFrame->m_nIdleFlags |= CFrameWnd::idleMenu;
  doc.m_hMenu = nullptr;
  m_pFrame->SendMessage(WM_IDLEUPDATECMDUI);
  EXPECT_EQ(hDefault, ::GetMenu(m_hFrame));

  pView->DestroyWindow();
  ::SetMenu(m_hFrame, nullptr);
  m_pFrame->m_hMenuDefault = nullptr;
  for (HMENU hMenu : {hDefault, hAsked, hDocument}) ::DestroyMenu(hMenu);
}

TEST_F(DocViewTest, ADocumentThatGoesFirstLeavesItsViewsWithoutOne) {
  CDocument* pDoc = new CDocument;
  CView* pView = NewView(new CTestView, pDoc);
  ASSERT_NE(nullptr, pView);
  delete pDoc;
  EXPECT_EQ(nullptr, pView->GetDocument());
  pView->DestroyWindow();
}

TEST_F(DocViewTest, AListViewIsAControlViewOfTheListViewClass) {
  CObject* pObject = RUNTIME_CLASS(CListView)->CreateObject();
  ASSERT_NE(nullptr, pObject);
  ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CListView)));
  EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCtrlView)));
  EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CView)));
  EXPECT_FALSE(pObject->IsKindOf(RUNTIME_CLASS(CListCtrl)));
  EXPECT_STREQ("CListView", pObject->GetRuntimeClass()->m_lpszClassName);

  CListView* pList = static_cast<CListView*>(pObject);
  ASSERT_NE(nullptr, NewView(pList, nullptr));
  char szClass[32] = {};
  ::GetClassNameA(pList->m_hWnd, szClass, sizeof szClass);
  EXPECT_STREQ(WC_LISTVIEWA, szClass);
  CListCtrl& list = pList->GetListCtrl();
  EXPECT_EQ(pList->m_hWnd, list.m_hWnd);
  EXPECT_EQ(0, list.InsertItem(0, "one"));
  EXPECT_EQ(1, list.GetItemCount());
  // What a header control asks of its parent.
  CWnd* pParent = CWnd::FromHandlePermanent(pList->m_hWnd);
  EXPECT_TRUE(pParent->IsKindOf(RUNTIME_CLASS(CListView)));
  pList->DestroyWindow();
}

TEST(OleDocument, TheItemActiveInPlaceInAViewIsFoundAndOnlyThatOne) {
  COleDocument doc;
  EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CDocument)));
  CWnd view, otherView;  // stand-ins: only their identity matters
  EXPECT_EQ(nullptr, doc.GetInPlaceActiveItem(&view));

  COleClientItem* pLoaded = new COleClientItem(&doc);
  pLoaded->m_nItemState = COleClientItem::loadedState;
  pLoaded->m_pView = reinterpret_cast<CView*>(&view);
  COleDocObjectItem* pActive = new COleDocObjectItem(&doc);
  EXPECT_TRUE(pActive->IsKindOf(RUNTIME_CLASS(COleClientItem)));
  pActive->m_nItemState = COleClientItem::activeUIState;
  pActive->m_pView = reinterpret_cast<CView*>(&view);
  EXPECT_EQ(&doc, pActive->GetDocument());

  EXPECT_EQ(pActive, doc.GetInPlaceActiveItem(&view));
  EXPECT_EQ(static_cast<UINT>(COleClientItem::activeUIState),
            doc.GetInPlaceActiveItem(&view)->GetItemState());
  EXPECT_EQ(nullptr, doc.GetInPlaceActiveItem(&otherView));
  pActive->m_nItemState = COleClientItem::openState;  // open in a window of its own
  EXPECT_EQ(nullptr, doc.GetInPlaceActiveItem(&view));

  // An item deleted by its owner leaves the document; the rest go with it.
  delete pLoaded;
  POSITION pos = doc.GetStartPosition();
  EXPECT_EQ(pActive, doc.GetNextClientItem(pos));
  EXPECT_EQ(nullptr, pos);
}

}  // namespace
