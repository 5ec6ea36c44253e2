// The hook manager on hidden windows: who sees a message in which order, what
// each answer does, rewritten parameters, WM_NCDESTROY, Unicode windows, two
// managers on one window, and Windows hooks per id and thread.
#include "common/TKHookManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const UINT WM_PROBE = WM_USER + 1;

std::vector<std::string> g_log;
WPARAM g_lastWParam = 0;

LRESULT CALLBACK RecordingProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  if (nMessage == WM_PROBE) {
    g_log.push_back("window");
    g_lastWParam = wParam;
    return 100;
  }
  if (nMessage == WM_NCDESTROY) g_log.push_back("window: ncdestroy");
  return ::DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

std::wstring g_lastWideText;

LRESULT CALLBACK WideRecordingProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam) {
  if (nMessage == WM_SETTEXT) g_lastWideText = reinterpret_cast<LPCWSTR>(lParam);
  return ::DefWindowProcW(hWnd, nMessage, wParam, lParam);
}

class HiddenWindow {
 public:
  HiddenWindow() {
    static ATOM s_atom = 0;
    if (s_atom == 0) {
      WNDCLASSA wc = {};
      wc.lpfnWndProc = &RecordingProc;
      wc.hInstance = ::GetModuleHandleA(NULL);
      wc.lpszClassName = "TKHookTestWindow";
      s_atom = ::RegisterClassA(&wc);
    }
    m_hWnd = ::CreateWindowExA(0, "TKHookTestWindow", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                               ::GetModuleHandleA(NULL), NULL);
  }
  ~HiddenWindow() {
    if (::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
  }
  operator HWND() const { return m_hWnd; }
  WNDPROC Proc() const {
    return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
  }

 private:
  HWND m_hWnd;
};

/// Logs what it is told and answers as it was set up to.
class CListener : public CTKHookManagerHookAble {
 public:
  explicit CListener(const char* name, int answer = 0, int postAnswer = 0)
      : m_name(name), m_nAnswer(answer), m_nPostAnswer(postAnswer) {}
  ~CListener() override {
    if (m_bLogDeletion) g_log.push_back(m_name + ": deleted");
  }
  int OnHookMessage(HWND, UINT nMessage, WPARAM& wParam, LPARAM&, LRESULT& lResult) override {
    if (nMessage != WM_PROBE) return 0;
    g_log.push_back(m_name);
    if (m_newWParam) wParam = m_newWParam;
    lResult = m_lResult;
    return m_nAnswer;
  }
  int OnPostHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT& lResult) override {
    if (nMessage != WM_PROBE) return 0;
    g_log.push_back(m_name + ": post " + std::to_string(lResult));
    return m_nPostAnswer;
  }
  void OnHookAttached(HWND hWnd) override {
    m_hAttached = hWnd;
    ++m_nAttached;
  }
  void OnHookDetached() override {
    g_log.push_back(m_name + ": detached");
    ++m_nDetached;
  }

  std::string m_name;
  int m_nAnswer;
  int m_nPostAnswer;
  LRESULT m_lResult = 0;
  WPARAM m_newWParam = 0;
  bool m_bLogDeletion = false;
  HWND m_hAttached = reinterpret_cast<HWND>(-1);
  int m_nAttached = 0;
  int m_nDetached = 0;
};

class HookManager : public ::testing::Test {
 protected:
  void SetUp() override { g_log.clear(); }
};

struct AnswerCase {
  int laterAnswer;
  LRESULT expectedResult;
  std::vector<std::string> expectedLog;
};

class HookAnswers : public HookManager, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(HookAnswers, TheLaterListenerIsAskedFirst) {
  const AnswerCase& c = GetParam();
  HiddenWindow window;
  CListener earlier("earlier"), later("later", c.laterAnswer);
  later.m_lResult = 42;
  TKHookManager()->SetHook(window, &earlier);
  TKHookManager()->SetHook(window, &later);
  EXPECT_EQ(c.expectedResult, ::SendMessageA(window, WM_PROBE, 0, 0));
  EXPECT_EQ(c.expectedLog, g_log);
  TKHookManager()->RemoveHook(window, &later);
  TKHookManager()->RemoveHook(window, &earlier);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, HookAnswers,
    ::testing::Values(
        // 0: everyone, then the window, then the post passes (later first).
        AnswerCase{0, 100, {"later", "earlier", "window", "later: post 100", "earlier: post 100"}},
        // 1: handled; nobody else, no post pass.
        AnswerCase{1, 42, {"later"}},
        // 2: the earlier listener is skipped, the window and both post passes run.
        AnswerCase{2, 100, {"later", "window", "later: post 100", "earlier: post 100"}}));

TEST_F(HookManager, APostAnswerOfOneEndsThePostPass) {
  HiddenWindow window;
  CListener earlier("earlier"), later("later", 0, 1);
  TKHookManager()->SetHook(window, &earlier);
  TKHookManager()->SetHook(window, &later);
  ::SendMessageA(window, WM_PROBE, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"later", "earlier", "window", "later: post 100"}), g_log);
  TKHookManager()->RemoveAll(&later);
  TKHookManager()->RemoveAll(&earlier);
}

TEST_F(HookManager, ARewrittenParameterReachesThePreviousProcedure) {
  HiddenWindow window;
  CListener rewriter("rewriter");
  rewriter.m_newWParam = 7;
  TKHookManager()->SetHook(window, &rewriter);
  ::SendMessageA(window, WM_PROBE, 3, 0);
  EXPECT_EQ(7u, g_lastWParam);
  TKHookManager()->RemoveHook(window, &rewriter);
}

TEST_F(HookManager, SubclassingLastsFromTheFirstListenerToTheLast) {
  HiddenWindow window;
  WNDPROC original = window.Proc();
  CListener a("a"), b("b");
  TKHookManager()->SetHook(window, &a);
  TKHookManager()->SetHook(window, &a);  // once only
  TKHookManager()->SetHook(window, &b);
  EXPECT_EQ(1, a.m_nAttached);
  EXPECT_EQ(static_cast<HWND>(window), a.m_hAttached);
  CTKHookManager::CHookSink* pSink = TKHookManager()->Lookup(window);
  ASSERT_NE(nullptr, pSink);
  EXPECT_EQ(2, pSink->GetSize());
  EXPECT_EQ(original, pSink->GetPreviousProc());
  EXPECT_EQ(TKHookManager()->GetWindowProc(), window.Proc());
  TKHookManager()->RemoveHook(window, &a);
  EXPECT_EQ(1, a.m_nDetached);
  EXPECT_EQ(TKHookManager()->GetWindowProc(), window.Proc());
  TKHookManager()->RemoveHook(window, &a);  // not attached: nothing
  EXPECT_EQ(1, a.m_nDetached);
  TKHookManager()->RemoveHook(window, &b);
  EXPECT_EQ(original, window.Proc());
  EXPECT_EQ(nullptr, TKHookManager()->Lookup(window));
}

TEST_F(HookManager, NcDestroyDetachesAndDeletesBeforeTheWindowSeesIt) {
  CListener kept("kept");
  CListener* pOwned = new CListener("owned");
  pOwned->m_bAutoDelete = TRUE;
  pOwned->m_bLogDeletion = true;
  HWND hWnd;
  {
    HiddenWindow window;
    hWnd = window;
    TKHookManager()->SetHook(window, &kept);
    TKHookManager()->SetHook(window, pOwned);
  }
  EXPECT_EQ((std::vector<std::string>{"owned: detached", "kept: detached", "owned: deleted",
                                      "window: ncdestroy"}),
            g_log);
  EXPECT_EQ(nullptr, TKHookManager()->Lookup(hWnd));
}

TEST_F(HookManager, AListenerMayRemoveItselfWhileItIsCalled) {
  struct CSelfRemover : CListener {
    using CListener::CListener;
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& w, LPARAM& l, LRESULT& r) override {
      int answer = CListener::OnHookMessage(hWnd, nMessage, w, l, r);
      if (nMessage == WM_PROBE) TKHookManager()->RemoveHook(hWnd, this);
      return answer;
    }
  };
  HiddenWindow window;
  WNDPROC original = window.Proc();
  CSelfRemover remover("remover");
  TKHookManager()->SetHook(window, &remover);
  EXPECT_EQ(100, ::SendMessageA(window, WM_PROBE, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"remover", "remover: detached", "window"}), g_log);
  EXPECT_EQ(original, window.Proc());
}

class CDefaultCaller : public CTKHookManagerHookAble {
 public:
  int OnHookMessage(HWND, UINT nMessage, WPARAM&, LPARAM&, LRESULT& lResult) override {
    if (nMessage != WM_PROBE) return 0;
    lResult = m_bWithParams ? TKHookManager()->DefaultWithParams(9, 0) : TKHookManager()->Default();
    return 1;
  }
  bool m_bWithParams = false;
};

TEST_F(HookManager, DefaultRunsThePreviousProcedureInsideAListener) {
  HiddenWindow window;
  CDefaultCaller caller;
  TKHookManager()->SetHook(window, &caller);
  EXPECT_EQ(100, ::SendMessageA(window, WM_PROBE, 5, 0));
  EXPECT_EQ(5u, g_lastWParam);
  caller.m_bWithParams = true;
  EXPECT_EQ(100, ::SendMessageA(window, WM_PROBE, 5, 0));
  EXPECT_EQ(9u, g_lastWParam);
  EXPECT_EQ((std::vector<std::string>{"window", "window"}), g_log);
  TKHookManager()->RemoveHook(window, &caller);
  EXPECT_EQ(0, TKHookManager()->DefaultWindowProc(window, WM_PROBE, 0, 0));
}

TEST_F(HookManager, AUnicodeWindowGetsItsTextUnchanged) {
  WNDCLASSW wc = {};
  wc.lpfnWndProc = &WideRecordingProc;
  wc.hInstance = ::GetModuleHandleA(NULL);
  wc.lpszClassName = L"TKHookTestWideWindow";
  ::RegisterClassW(&wc);
  HWND hWnd = ::CreateWindowExW(0, L"TKHookTestWideWindow", L"", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                                wc.hInstance, NULL);
  ASSERT_TRUE(::IsWindowUnicode(hWnd));
  CListener listener("listener");
  TKHookManager()->SetHook(hWnd, &listener);
  ASSERT_TRUE(TKHookManager()->Lookup(hWnd)->IsUnicode());
  const wchar_t text[] = L"Gr\u00FC\u00DFe \u0416";
  ::SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(std::wstring(text), g_lastWideText);
  TKHookManager()->RemoveHook(hWnd, &listener);
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(&WideRecordingProc),
            ::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
  ::DestroyWindow(hWnd);
}

TEST_F(HookManager, TwoManagersRepairTheChainWhenTheLowerOneLetsGo) {
  HiddenWindow window;
  WNDPROC original = window.Proc();
  CTKHookManager other;
  ASSERT_NE(TKHookManager()->GetWindowProc(), other.GetWindowProc());
  CListener lower("lower"), upper("upper");
  TKHookManager()->SetHook(window, &lower);
  other.SetHook(window, &upper);
  EXPECT_EQ(other.GetWindowProc(), window.Proc());
  EXPECT_EQ(TKHookManager()->GetWindowProc(), other.Lookup(window)->GetPreviousProc());
  // The lower one goes: the upper one takes over its previous procedure and
  // the window's procedure is left alone.
  TKHookManager()->RemoveHook(window, &lower);
  EXPECT_EQ(other.GetWindowProc(), window.Proc());
  EXPECT_EQ(original, other.Lookup(window)->GetPreviousProc());
  g_log.clear();
  EXPECT_EQ(100, ::SendMessageA(window, WM_PROBE, 0, 0));
  EXPECT_EQ((std::vector<std::string>{"upper", "window", "upper: post 100"}), g_log);
  other.RemoveHook(window, &upper);
  EXPECT_EQ(original, window.Proc());
}

TEST_F(HookManager, TheUpperManagerRestoresTheLowerOnesProcedure) {
  HiddenWindow window;
  CTKHookManager other;
  CListener lower("lower"), upper("upper");
  TKHookManager()->SetHook(window, &lower);
  other.SetHook(window, &upper);
  other.RemoveHook(window, &upper);  // nobody below answers: restored
  EXPECT_EQ(TKHookManager()->GetWindowProc(), window.Proc());
  g_log.clear();
  ::SendMessageA(window, WM_PROBE, 0, 0);
  EXPECT_EQ((std::vector<std::string>{"lower", "window", "lower: post 100"}), g_log);
  TKHookManager()->RemoveHook(window, &lower);
}

TEST_F(HookManager, DestroyingAManagerUnsubclassesItsWindows) {
  HiddenWindow window;
  WNDPROC original = window.Proc();
  CListener listener("listener");
  {
    CTKHookManager local;
    local.SetHook(window, &listener);
  }
  EXPECT_EQ(1, listener.m_nDetached);
  EXPECT_EQ(original, window.Proc());
}

// --- Windows hooks -------------------------------------------------------------

class CHookListener : public CTKHookManagerHookAble {
 public:
  int OnHookMessage(HWND hWnd, UINT nCode, WPARAM&, LPARAM& lParam, LRESULT&) override {
    const CWPSTRUCT* pCwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (hWnd == NULL && nCode == HC_ACTION && pCwp->message == WM_PROBE) ++m_nSeen;
    return m_nAnswer;
  }
  void OnHookAttached(HWND hWnd) override { m_hAttached = hWnd; }
  int m_nSeen = 0;
  int m_nAnswer = 0;
  HWND m_hAttached = reinterpret_cast<HWND>(-1);
};

int g_nRawHookSeen = 0;
LRESULT CALLBACK RawCallWndProcHook(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_PROBE)
    ++g_nRawHookSeen;
  return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

TEST_F(HookManager, OneWindowsHookPerIdAndThreadServesEveryListener) {
  HiddenWindow window;
  CHookListener first, second;
  ASSERT_TRUE(TKHookManager()->AddWindowsHookSink(WH_CALLWNDPROC, &first));
  ASSERT_TRUE(TKHookManager()->AddWindowsHookSink(WH_CALLWNDPROC, &second, ::GetCurrentThreadId()));
  EXPECT_EQ(nullptr, first.m_hAttached);
  CTKHookManager::CHookSink* pSink = TKHookManager()->LookupWindowsHookSink(WH_CALLWNDPROC);
  ASSERT_NE(nullptr, pSink);
  EXPECT_NE(nullptr, pSink->GetHook());
  EXPECT_EQ(2, pSink->GetSize());
  ::SendMessageA(window, WM_PROBE, 0, 0);
  EXPECT_EQ(1, first.m_nSeen);
  EXPECT_EQ(1, second.m_nSeen);
  TKHookManager()->RemoveAll(&first);
  EXPECT_EQ(pSink, TKHookManager()->LookupWindowsHookSink(WH_CALLWNDPROC));
  TKHookManager()->RemoveAll(&second);
  EXPECT_EQ(nullptr, TKHookManager()->LookupWindowsHookSink(WH_CALLWNDPROC));
  ::SendMessageA(window, WM_PROBE, 0, 0);
  EXPECT_EQ(1, second.m_nSeen);
}

TEST_F(HookManager, TheOtherHooksOfTheThreadStillSeeEveryEvent) {
  HiddenWindow window;
  g_nRawHookSeen = 0;
  HHOOK raw =
      ::SetWindowsHookExA(WH_CALLWNDPROC, &RawCallWndProcHook, NULL, ::GetCurrentThreadId());
  ASSERT_NE(nullptr, raw);
  CHookListener taker;
  taker.m_nAnswer = 1;
  ASSERT_TRUE(TKHookManager()->AddWindowsHookSink(WH_CALLWNDPROC, &taker));
  ::SendMessageA(window, WM_PROBE, 0, 0);
  EXPECT_EQ(1, taker.m_nSeen);
  EXPECT_EQ(1, g_nRawHookSeen);
  TKHookManager()->RemoveWindowsHookSinks(WH_CALLWNDPROC);
  EXPECT_EQ(nullptr, TKHookManager()->LookupWindowsHookSink(WH_CALLWNDPROC));
  ::UnhookWindowsHookEx(raw);
}

TEST_F(HookManager, HookIdsWithoutAProcedureAreRefused) {
  CHookListener listener;
  for (int id : {-2, 0, 1, 6, 13, 14}) {
    EXPECT_FALSE(TKHookManager()->AddWindowsHookSink(id, &listener)) << id;
    EXPECT_EQ(nullptr, TKHookManager()->LookupWindowsHookSink(id)) << id;
  }
  EXPECT_EQ(reinterpret_cast<HWND>(-1), listener.m_hAttached);
}

TEST_F(HookManager, RemoveAllTakesAListenerOffWindowsAndHooks) {
  HiddenWindow window;
  WNDPROC original = window.Proc();
  CListener listener("listener");
  TKHookManager()->SetHook(window, &listener);
  ASSERT_TRUE(TKHookManager()->AddWindowsHookSink(WH_GETMESSAGE, &listener));
  TKHookManager()->RemoveAll(&listener);
  EXPECT_EQ(2, listener.m_nDetached);
  EXPECT_EQ(original, window.Proc());
  EXPECT_EQ(nullptr, TKHookManager()->LookupWindowsHookSink(WH_GETMESSAGE));
}

}  // namespace
