// CListView: a view that is a list-view control.
#include "afxcview.h"

IMPLEMENT_DYNCREATE(CListView, CCtrlView)

CListView::CListView() : CCtrlView(WC_LISTVIEW, AFX_WS_DEFAULT_VIEW) {}

BOOL CListView::PreCreateWindow(CREATESTRUCT& cs) {
  // comctl32 registers the class only when asked.
  INITCOMMONCONTROLSEX init = {sizeof(init), ICC_LISTVIEW_CLASSES};
  if (!::InitCommonControlsEx(&init)) return FALSE;
  return CCtrlView::PreCreateWindow(cs);
}
