// Reflection: a control's notifications to its parent come back to the
// control first, and reach the parent when the control does not take them.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

const UINT IDC_CHILD = 201;

class CNotifyParent : public CWnd {
 public:
  int m_clicks = 0;
  int m_changes = 0;
  BOOL Make() { return CreateEx(0, NULL, "", WS_POPUP, 0, 0, 200, 100, NULL, NULL); }

 protected:
  afx_msg void OnChildClick(NMHDR*, LRESULT* pResult) {
    ++m_clicks;
    *pResult = 20;
  }
  afx_msg void OnChildChange() { ++m_changes; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyParent, CWnd)
ON_NOTIFY(NM_CLICK, IDC_CHILD, OnChildClick)
ON_EN_CHANGE(IDC_CHILD, OnChildChange)
END_MESSAGE_MAP()

/// A control that tells its parent NM_CLICK the way common controls do.
class CNotifyingChild : public CWnd {
 public:
  int m_clicks = 0;
  BOOL Make(CWnd* pParent) { return Create(NULL, "", 0, CRect(0, 0, 20, 20), pParent, IDC_CHILD); }
  LRESULT Click() {
    NMHDR hdr = {m_hWnd, IDC_CHILD, static_cast<UINT>(NM_CLICK)};
    return ::SendMessage(::GetParent(m_hWnd), WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&hdr));
  }
};

class CReflectingChild : public CNotifyingChild {
 protected:
  afx_msg void OnReflectedClick(NMHDR*, LRESULT* pResult) {
    ++m_clicks;
    *pResult = 10;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CNotifyingChild)
ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
END_MESSAGE_MAP()

/// Handles the click but lets the parent have it as well.
class CSharingChild : public CNotifyingChild {
 protected:
  afx_msg BOOL OnReflectedClick(NMHDR*, LRESULT*) {
    ++m_clicks;
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSharingChild, CNotifyingChild)
ON_NOTIFY_REFLECT_EX(NM_CLICK, OnReflectedClick)
END_MESSAGE_MAP()

struct ReflectCase {
  const char* name;
  CNotifyingChild* (*make)();
  int childClicks;
  int parentClicks;
  LRESULT result;
};

TEST(WndReflect, ANotifyGoesToTheChildFirstAndToTheParentWhenTheChildLetsItGo) {
  const ReflectCase cases[] = {
      {"reflect", [] { return static_cast<CNotifyingChild*>(new CReflectingChild); }, 1, 0, 10},
      {"no handler", [] { return new CNotifyingChild; }, 0, 1, 20},
      {"reflect ex declining", [] { return static_cast<CNotifyingChild*>(new CSharingChild); }, 1,
       1, 20},
  };
  for (const ReflectCase& c : cases) {
    SCOPED_TRACE(c.name);
    CNotifyParent parent;
    ASSERT_TRUE(parent.Make());
    CNotifyingChild* child = c.make();
    ASSERT_TRUE(child->Make(&parent));
    EXPECT_EQ(c.result, child->Click());
    EXPECT_EQ(c.childClicks, child->m_clicks);
    EXPECT_EQ(c.parentClicks, parent.m_clicks);
    delete child;
  }
}

class CReflectingEdit : public CWnd {
 public:
  int m_changes = 0;

 protected:
  afx_msg void OnReflectedChange() { ++m_changes; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingEdit, CWnd)
ON_CONTROL_REFLECT(EN_CHANGE, OnReflectedChange)
END_MESSAGE_MAP()

TEST(WndReflect, AControlReflectEntryTakesTheEditsOwnChangeNotification) {
  CNotifyParent parent;
  ASSERT_TRUE(parent.Make());
  CReflectingEdit edit;
  ASSERT_TRUE(edit.Create("EDIT", "", 0, CRect(0, 0, 80, 20), &parent, IDC_CHILD));
  edit.SetWindowText("changed");
  EXPECT_EQ(1, edit.m_changes);
  EXPECT_EQ(0, parent.m_changes);
}

class CColouredStatic : public CWnd {
 public:
  HBRUSH m_brush = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  UINT m_type = 99;

 protected:
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
    m_type = nCtlColor;
    ::SetTextColor(pDC->GetSafeHdc(), RGB(1, 2, 3));
    return m_brush;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredStatic, CWnd)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(WndReflect, AControlChoosesItsOwnColoursThroughItsParentsCtlColor) {
  CNotifyParent parent;
  ASSERT_TRUE(parent.Make());
  CColouredStatic label;
  ASSERT_TRUE(label.Create("STATIC", "x", 0, CRect(0, 0, 80, 20), &parent, IDC_CHILD));
  HDC hDC = ::GetDC(label.m_hWnd);
  LRESULT brush = ::SendMessage(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                reinterpret_cast<LPARAM>(label.m_hWnd));
  EXPECT_EQ(reinterpret_cast<LRESULT>(label.m_brush), brush);
  EXPECT_EQ(static_cast<UINT>(CTLCOLOR_STATIC), label.m_type);
  EXPECT_EQ(RGB(1, 2, 3), ::GetTextColor(hDC));

  // Without a brush of its own the control leaves it to the parent's default.
  label.m_brush = NULL;
  brush = ::SendMessage(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                        reinterpret_cast<LPARAM>(label.m_hWnd));
  EXPECT_NE(0, brush);
  ::ReleaseDC(label.m_hWnd, hDC);
}

}  // namespace
