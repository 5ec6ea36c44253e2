// The window procedure of the layer: Default and the last-sent message,
// subclassing, the handle maps, the end of a window's object, and pumping
// messages through it.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A window class whose own procedure records the application messages it
// sees, so that a test can tell what Default passed on.
struct Seen {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Seen& o) const {
    return message == o.message && wParam == o.wParam && lParam == o.lParam;
  }
};
std::vector<Seen> g_seen;

LRESULT CALLBACK RecorderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_APP && message < WM_APP + 100) {
    g_seen.push_back({message, wParam, lParam});
    return static_cast<LRESULT>(wParam * 1000 + lParam);
  }
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

const char* RecorderClass() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = &RecorderProc;
  wc.hInstance = ::GetModuleHandleA(NULL);
  wc.lpszClassName = "VelmRecorder";
  ::RegisterClassA(&wc);
  return wc.lpszClassName;
}

const UINT WM_OUTER = WM_APP + 1;
const UINT WM_INNER = WM_APP + 2;

class CDefaultWnd : public CWnd {
 public:
  BOOL Make() { return CreateEx(0, RecorderClass(), "", WS_POPUP, 0, 0, 100, 100, NULL, NULL); }

 protected:
  // Sends another message first, so that Default must find its own
  // message again after the nested one.
  afx_msg LRESULT OnOuter(WPARAM, LPARAM) {
    SendMessage(WM_INNER, 7, 8);
    return Default();
  }
  afx_msg LRESULT OnInner(WPARAM, LPARAM) { return Default(); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDefaultWnd, CWnd)
ON_MESSAGE(WM_OUTER, OnOuter)
ON_MESSAGE(WM_INNER, OnInner)
END_MESSAGE_MAP()

TEST(WndProc, DefaultPassesOnTheExactMessageAlsoAfterANestedSend) {
  CDefaultWnd wnd;
  ASSERT_TRUE(wnd.Make());
  g_seen.clear();
  EXPECT_EQ(3004, wnd.SendMessage(WM_OUTER, 3, 4));
  std::vector<Seen> expected = {{WM_INNER, 7, 8}, {WM_OUTER, 3, 4}};
  EXPECT_EQ(expected, g_seen);
  EXPECT_EQ(0u, AfxGetThreadState()->m_lastSentMsg.message);  // restored after the send
}

// An object that shares a window's handle without being in the map, as an
// object that skins other windows does: it keeps the previous procedure in a
// member of its own and answers DefWindowProc itself.
class CDetachedWnd : public CWnd {
 public:
  WNDPROC m_saved = nullptr;
  std::vector<Seen> m_defaults;
  BOOL Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    _AFX_THREAD_STATE* state = AfxGetThreadState();
    MSG saved = state->m_lastSentMsg;
    state->m_lastSentMsg.hwnd = m_hWnd;
    state->m_lastSentMsg.message = message;
    state->m_lastSentMsg.wParam = wParam;
    state->m_lastSentMsg.lParam = lParam;
    BOOL bHandled = OnWndMsg(message, wParam, lParam, pResult);
    state->m_lastSentMsg = saved;
    return bHandled;
  }

 protected:
  WNDPROC* GetSuperWndProcAddr() override { return &m_saved; }
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    m_defaults.push_back({message, wParam, lParam});
    return CWnd::DefWindowProc(message, wParam, lParam);
  }
  afx_msg LRESULT OnOuter(WPARAM, LPARAM) { return Default() + 1; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDetachedWnd, CWnd)
ON_MESSAGE(WM_OUTER, OnOuter)
END_MESSAGE_MAP()

TEST(WndProc, DefaultReachesTheDefWindowProcOverrideOfAnObjectOutsideTheMap) {
  HWND hWnd =
      ::CreateWindowExA(0, RecorderClass(), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, hWnd);
  CDetachedWnd wnd;
  wnd.m_hWnd = hWnd;
  wnd.m_saved = &RecorderProc;
  g_seen.clear();
  LRESULT result = 0;
  ASSERT_TRUE(wnd.Handle(WM_OUTER, 5, 6, &result));
  EXPECT_EQ(5007, result);
  std::vector<Seen> expected = {{WM_OUTER, 5, 6}};
  EXPECT_EQ(expected, wnd.m_defaults);
  EXPECT_EQ(expected, g_seen);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  wnd.m_hWnd = nullptr;
  ::DestroyWindow(hWnd);
}

TEST(WndProc, SubclassingKeepsThePreviousProcedureWhereTheClassSaysSo) {
  HWND hWnd =
      ::CreateWindowExA(0, RecorderClass(), "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  CDetachedWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hWnd));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(&RecorderProc), wnd.m_saved);
  g_seen.clear();
  EXPECT_EQ(1003, ::SendMessageA(hWnd, WM_OUTER, 1, 2));
  EXPECT_EQ(1u, g_seen.size());
  wnd.DestroyWindow();
}

// Edit controls -----------------------------------------------------------------------

class CCountingEdit : public CWnd {
 public:
  int m_chars = 0;
  int m_creates = 0;

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    ++m_chars;
    CWnd::OnChar(nChar, nRepCnt, nFlags);
  }
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    ++m_creates;
    return CWnd::OnCreate(lpCreateStruct);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CWnd)
ON_WM_CHAR()
ON_WM_CREATE()
END_MESSAGE_MAP()

std::string TextOf(HWND hWnd) {
  char text[64] = {};
  ::GetWindowTextA(hWnd, text, sizeof text);
  return text;
}

TEST(WndProc, ASubclassedEditGetsItsMessagesThroughTheMapAndUnsubclassingRestoresIt) {
  HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 100, 20, NULL, NULL, NULL, NULL);
  ASSERT_NE(nullptr, hEdit);
  const LONG_PTR original = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
  CCountingEdit edit;
  ASSERT_TRUE(edit.SubclassWindow(hEdit));
  EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
  ::SendMessageA(hEdit, WM_CHAR, 'a', 1);
  ::SendMessageA(hEdit, WM_CHAR, 'b', 1);
  EXPECT_EQ(2, edit.m_chars);
  EXPECT_EQ("ab", TextOf(hEdit));

  EXPECT_EQ(hEdit, edit.UnsubclassWindow());
  EXPECT_EQ(original, ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
  ::SendMessageA(hEdit, WM_CHAR, 'c', 1);
  EXPECT_EQ(2, edit.m_chars);
  EXPECT_EQ("abc", TextOf(hEdit));
  ::DestroyWindow(hEdit);
}

TEST(WndProc, ASystemClassCreatedThroughTheLayerIsBoundBeforeItsFirstMessage) {
  CCountingEdit edit;
  ASSERT_TRUE(edit.CreateEx(0, "EDIT", "x", WS_POPUP, 0, 0, 100, 20, NULL, NULL));
  EXPECT_EQ(1, edit.m_creates);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()),
            ::GetWindowLongPtrA(edit.m_hWnd, GWLP_WNDPROC));
  ::SendMessageA(edit.m_hWnd, EM_SETSEL, 1, 1);
  ::SendMessageA(edit.m_hWnd, WM_CHAR, 'y', 1);
  EXPECT_EQ(1, edit.m_chars);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ("xy", text);
  EXPECT_EQ(1, ::SendMessageA(edit.m_hWnd, WM_QUERYAFXWNDPROC, 0, 0));
}

// Handle maps and the end of a window -------------------------------------------------

TEST(WndProc, FromHandleGivesTheOwnerOrOneTemporaryObjectPerHandle) {
  HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  CWnd* temp = CWnd::FromHandle(hWnd);
  ASSERT_NE(nullptr, temp);
  EXPECT_EQ(hWnd, temp->m_hWnd);
  EXPECT_EQ(temp, CWnd::FromHandle(hWnd));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
  CWnd::DeleteTempMap();
  EXPECT_TRUE(::IsWindow(hWnd));  // a temporary object never owns its window

  CWnd owner;
  ASSERT_TRUE(owner.Attach(hWnd));
  EXPECT_EQ(&owner, CWnd::FromHandle(hWnd));
  EXPECT_FALSE(CWnd().Attach(hWnd));  // one owner per handle
  EXPECT_EQ(hWnd, owner.Detach());
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  ::DestroyWindow(hWnd);
}

class CSelfDeletingWnd : public CWnd {
 public:
  static int s_deleted;
  ~CSelfDeletingWnd() override { ++s_deleted; }

 protected:
  void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::s_deleted = 0;

TEST(WndProc, DestroyingTheWindowUnbindsTheObjectAndCallsPostNcDestroy) {
  CSelfDeletingWnd* wnd = new CSelfDeletingWnd;
  ASSERT_TRUE(wnd->CreateEx(0, NULL, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  HWND hWnd = wnd->m_hWnd;
  CSelfDeletingWnd::s_deleted = 0;
  ::DestroyWindow(hWnd);
  EXPECT_EQ(1, CSelfDeletingWnd::s_deleted);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

  CWnd plain;
  ASSERT_TRUE(plain.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  hWnd = plain.m_hWnd;
  EXPECT_TRUE(plain.DestroyWindow());
  EXPECT_EQ(nullptr, plain.m_hWnd);
  EXPECT_FALSE(::IsWindow(hWnd));
}

// A handler's exception ends in the window procedure, reported through the
// application's message box, and fails the creation it happened in.
class CFailingWnd : public CWnd {
 protected:
  afx_msg int OnCreate(LPCREATESTRUCT) { AfxThrowResourceException(); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFailingWnd, CWnd)
ON_WM_CREATE()
END_MESSAGE_MAP()

int g_boxes = 0;
int AFXAPI CountingBox(LPCSTR, UINT, UINT) { return ++g_boxes, IDOK; }

TEST(WndProc, AnExceptionFromAHandlerIsReportedAndFailsTheCreation) {
  AFX_MESSAGEBOX_PROC previous = AfxSetMessageBoxProc(&CountingBox);
  g_boxes = 0;
  CFailingWnd wnd;
  EXPECT_FALSE(wnd.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(1, g_boxes);
  AfxSetMessageBoxProc(previous);
}

const UINT WM_ASK = WM_APP + 10;

/// Records what AfxGetCurrentMessage says while its handler runs.
class CAskingWnd : public CWnd {
 public:
  MSG m_current = {};
  bool m_bSameAsStatic = false;
  int m_nPreTranslated = 0;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_ASK) ++m_nPreTranslated;
    return FALSE;
  }

 protected:
  afx_msg LRESULT OnAsk(WPARAM, LPARAM) {
    m_current = *AfxGetCurrentMessage();
    m_bSameAsStatic = CWnd::GetCurrentMessage() == AfxGetCurrentMessage();
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAskingWnd, CWnd)
ON_MESSAGE(WM_ASK, OnAsk)
END_MESSAGE_MAP()

TEST(WndProc, TheCurrentMessageIsTheOneTheHandlerRunsFor) {
  CAskingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  wnd.SendMessage(WM_ASK, 3, 4);
  EXPECT_EQ(wnd.m_hWnd, wnd.m_current.hwnd);
  EXPECT_EQ(WM_ASK, wnd.m_current.message);
  EXPECT_EQ(3u, wnd.m_current.wParam);
  EXPECT_EQ(4, wnd.m_current.lParam);
  EXPECT_EQ(static_cast<DWORD>(::GetMessageTime()), wnd.m_current.time);
  EXPECT_TRUE(wnd.m_bSameAsStatic);
  EXPECT_NE(static_cast<UINT>(WM_ASK), AfxGetCurrentMessage()->message);  // over with the handler
  wnd.DestroyWindow();
}

TEST(WndProc, AfxPumpMessageDispatchesOneMessageThroughPreTranslationAndStopsAtQuit) {
  CAskingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, NULL, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
  MSG msg;
  while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {  // what creating the window left
  }
  wnd.PostMessage(WM_ASK, 5, 6);
  ::PostQuitMessage(9);
  EXPECT_TRUE(AfxPumpMessage());
  EXPECT_EQ(1, wnd.m_nPreTranslated);
  EXPECT_EQ(5u, wnd.m_current.wParam);
  EXPECT_FALSE(AfxPumpMessage());
  EXPECT_EQ(static_cast<UINT>(WM_QUIT), AfxGetThreadState()->m_msgCur.message);
  EXPECT_EQ(9u, AfxGetThreadState()->m_msgCur.wParam);
  wnd.DestroyWindow();
}

}  // namespace
