// Views that are common controls: CListView.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"

/// A view that is a list-view control.
class CListView : public CCtrlView {
  DECLARE_DYNCREATE(CListView)

 public:
  CListView();

  /// The view's window as the list control it is.
  CListCtrl& GetListCtrl() const {
    return *reinterpret_cast<CListCtrl*>(const_cast<CListView*>(this));
  }

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
};
