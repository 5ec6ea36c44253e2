// CView and CCtrlView: windows that show a document inside a frame.
#include <afxwin.h>

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::CView() : m_pDocument(nullptr) {}

CView::~CView() {
  if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
  // A view lies inside its frame next to the bars; it must not paint over them.
  cs.style |= WS_CLIPSIBLINGS;
  return CWnd::PreCreateWindow(cs);
}

int CView::OnCreate(LPCREATESTRUCT lpcs) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  const CCreateContext* pContext = static_cast<const CCreateContext*>(lpcs->lpCreateParams);
  if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr)
    pContext->m_pCurrentDoc->AddView(this);
  return 0;
}

void CView::OnDestroy() {
  CFrameWnd* pFrame = GetParentFrame();
  if (pFrame != nullptr && pFrame->GetActiveView() == this) pFrame->SetActiveView(nullptr, FALSE);
  CWnd::OnDestroy();
}

void CView::OnPaint() {
  CPaintDC dc(this);
  OnDraw(&dc);
}

void CView::PostNcDestroy() { delete this; }

// CCtrlView -----------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CCtrlView, CView)
ON_WM_PAINT()
END_MESSAGE_MAP()

IMPLEMENT_DYNAMIC(CCtrlView, CView)

CCtrlView::CCtrlView(LPCTSTR lpszClass, DWORD dwStyle)
    : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle) {}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT& cs) {
  cs.lpszClass = m_strClass;
  cs.style |= m_dwDefaultStyle;
  return CView::PreCreateWindow(cs);
}

void CCtrlView::OnDraw(CDC*) {}

// The control paints itself.
void CCtrlView::OnPaint() { Default(); }
