// Command routing through message maps: handlers, ranges, extended handlers,
// update handlers with CCmdUI, and the handler-exists query.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"

namespace {

class CBaseTarget : public CCmdTarget {
 public:
  std::vector<std::string> m_calls;

 protected:
  afx_msg void OnBaseOnly() { m_calls.push_back("base 100"); }
  afx_msg void OnOverridden() { m_calls.push_back("base 101"); }
  afx_msg void OnBaseEx() { m_calls.push_back("base 300"); }
  afx_msg void OnBaseUpdate400(CCmdUI*) { m_calls.push_back("base update 400"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
ON_COMMAND(100, OnBaseOnly)
ON_COMMAND(101, OnOverridden)
ON_COMMAND(300, OnBaseEx)
ON_UPDATE_COMMAND_UI(400, OnBaseUpdate400)
END_MESSAGE_MAP()

class CDerivedTarget : public CBaseTarget {
 public:
  BOOL m_bExHandles = TRUE;
  int m_nRangeUpdates = 0;

 protected:
  afx_msg void OnDerived101() { m_calls.push_back("derived 101"); }
  afx_msg void OnRange(UINT nID) { m_calls.push_back("range " + std::to_string(nID)); }
  afx_msg BOOL OnEx(UINT nID) {
    m_calls.push_back("ex " + std::to_string(nID));
    return m_bExHandles;
  }
  afx_msg void OnControlCode() { m_calls.push_back("control 500"); }
  afx_msg void OnAppCode() { m_calls.push_back("app 500"); }
  afx_msg void OnUpdate101(CCmdUI* pCmdUI) {
    pCmdUI->Enable(FALSE);
    pCmdUI->SetCheck(1);
    pCmdUI->SetText("Derived");
  }
  afx_msg void OnUpdateRange(CCmdUI* pCmdUI) {
    ++m_nRangeUpdates;
    pCmdUI->SetRadio(pCmdUI->m_nID == 205);
  }
  afx_msg void OnUpdatePassOn(CCmdUI* pCmdUI) { pCmdUI->ContinueRouting(); }
  DECLARE_MESSAGE_MAP()
};

// An entry for message `msg` with code `code` (the framework has macros only
// for WM_COMMAND and WM_NOTIFY).
#define ON_MESSAGE_CODE(msg, code, id, memberFxn) \
  {msg, code, id, id, AfxSigCmd_v, AFX_MSG_HANDLER(void(CCmdTarget::*)(), memberFxn)},

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
ON_COMMAND(101, OnDerived101)
ON_COMMAND_RANGE(200, 209, OnRange)
ON_COMMAND_EX(300, OnEx)
// Control notification 5 of WM_COMMAND, and code 1 of message 0x8000 (a code
// given as 0x80000001).
ON_CONTROL(5, 500, OnControlCode)
ON_MESSAGE_CODE(0x8000, 1, 500, OnAppCode)
ON_UPDATE_COMMAND_UI(101, OnUpdate101)
ON_UPDATE_COMMAND_UI_RANGE(200, 209, OnUpdateRange)
ON_UPDATE_COMMAND_UI(400, OnUpdatePassOn)
END_MESSAGE_MAP()

/// Records what an update handler asked for.
class CRecordingCmdUI : public CCmdUI {
 public:
  explicit CRecordingCmdUI(UINT nID) { m_nID = nID; }
  int m_nEnableCalls = 0;
  BOOL m_bEnabled = -1;
  int m_nCheck = -1;
  std::string m_text;

  void Enable(BOOL bOn) override {
    ++m_nEnableCalls;
    m_bEnabled = bOn;
    CCmdUI::Enable(bOn);
  }
  void SetCheck(int nCheck) override { m_nCheck = nCheck; }
  void SetText(LPCSTR lpszText) override { m_text = lpszText; }
};

typedef std::vector<std::string> Calls;

TEST(CmdRouting, CommandRunsTheMostDerivedHandler) {
  CDerivedTarget target;
  EXPECT_TRUE(target.OnCmdMsg(101, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(Calls{"derived 101"}, target.m_calls);
}

TEST(CmdRouting, CommandFallsBackToTheBaseClassMap) {
  CDerivedTarget target;
  EXPECT_TRUE(target.OnCmdMsg(100, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(Calls{"base 100"}, target.m_calls);
}

TEST(CmdRouting, UnknownCommandIsNotHandled) {
  CDerivedTarget target;
  EXPECT_FALSE(target.OnCmdMsg(999, CN_COMMAND, nullptr, nullptr));
  CCmdTarget plain;
  EXPECT_FALSE(plain.OnCmdMsg(100, CN_COMMAND, nullptr, nullptr));
  EXPECT_TRUE(target.m_calls.empty());
}

TEST(CmdRouting, RangeHandlerGetsTheIdAndOnlyItsRange) {
  CDerivedTarget target;
  EXPECT_TRUE(target.OnCmdMsg(200, CN_COMMAND, nullptr, nullptr));
  EXPECT_TRUE(target.OnCmdMsg(209, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(210, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(199, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ((Calls{"range 200", "range 209"}), target.m_calls);
}

TEST(CmdRouting, ExtendedHandlerThatDeclinesEndsTheSearchInItsObject) {
  CDerivedTarget target;
  EXPECT_TRUE(target.OnCmdMsg(300, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(Calls{"ex 300"}, target.m_calls);

  // Declined: not handled here, and the base class's handler is not asked.
  target.m_calls.clear();
  target.m_bExHandles = FALSE;
  EXPECT_FALSE(target.OnCmdMsg(300, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(Calls{"ex 300"}, target.m_calls);
}

struct CodeCase {
  UINT nCode;
  UINT nID;
  bool bHandled;
  const char* call;
};

TEST(CmdRouting, CodesSelectTheirOwnEntries) {
  const CodeCase cases[] = {
      {5, 500, true, "control 500"},
      {0x80000001, 500, true, "app 500"},
      {CN_COMMAND, 500, false, ""},
      {6, 500, false, ""},
      {0x80000002, 500, false, ""},
      {5, 100, false, ""},  // ON_COMMAND entries answer CN_COMMAND only
      {CN_EVENT, 100, false, ""},
      {CN_EVENT, 500, false, ""},
  };
  for (const CodeCase& c : cases) {
    CDerivedTarget target;
    SCOPED_TRACE(testing::Message()
                 << "code " << std::hex << c.nCode << " id " << std::dec << c.nID);
    EXPECT_EQ(c.bHandled,
              target.OnCmdMsg(c.nID, static_cast<int>(c.nCode), nullptr, nullptr) != FALSE);
    EXPECT_EQ(c.bHandled ? Calls{c.call} : Calls{}, target.m_calls);
  }
}

TEST(CmdRouting, HandlerInfoQueryAnswersWithoutCalling) {
  CDerivedTarget target;
  AFX_CMDHANDLERINFO info = {nullptr, nullptr};
  EXPECT_TRUE(target.OnCmdMsg(101, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(&target, info.pTarget);
  EXPECT_TRUE(info.pmf != nullptr);
  EXPECT_TRUE(target.OnCmdMsg(100, CN_COMMAND, nullptr, &info));
  EXPECT_TRUE(target.m_calls.empty());

  AFX_CMDHANDLERINFO none = {nullptr, nullptr};
  EXPECT_FALSE(target.OnCmdMsg(999, CN_COMMAND, nullptr, &none));
  EXPECT_EQ(nullptr, none.pTarget);
}

TEST(CmdRouting, UpdateHandlerSetsTheItemState) {
  CDerivedTarget target;
  CRecordingCmdUI ui(101);
  EXPECT_TRUE(ui.DoUpdate(&target, TRUE));
  EXPECT_EQ(1, ui.m_nEnableCalls);  // the handler's choice stands
  EXPECT_FALSE(ui.m_bEnabled);
  EXPECT_TRUE(ui.m_bEnableChanged);
  EXPECT_EQ(1, ui.m_nCheck);
  EXPECT_EQ("Derived", ui.m_text);
  EXPECT_TRUE(target.m_calls.empty());
}

TEST(CmdRouting, RangeUpdateHandlerSeesEachId) {
  CDerivedTarget target;
  CRecordingCmdUI checked(205), unchecked(204);
  EXPECT_TRUE(checked.DoUpdate(&target, FALSE));
  EXPECT_TRUE(unchecked.DoUpdate(&target, FALSE));
  EXPECT_EQ(2, target.m_nRangeUpdates);
  EXPECT_EQ(1, checked.m_nCheck);
  EXPECT_EQ(0, unchecked.m_nCheck);
}

TEST(CmdRouting, WithoutUpdateHandlerTheItemFollowsTheCommandHandler) {
  CDerivedTarget target;
  CRecordingCmdUI handled(100), unhandled(999);
  EXPECT_FALSE(handled.DoUpdate(&target, TRUE));
  EXPECT_FALSE(unhandled.DoUpdate(&target, TRUE));
  EXPECT_TRUE(handled.m_bEnabled);
  EXPECT_FALSE(unhandled.m_bEnabled);
  EXPECT_TRUE(target.m_calls.empty());  // asking ran no command

  CRecordingCmdUI untouched(999);
  EXPECT_FALSE(untouched.DoUpdate(&target, FALSE));
  EXPECT_EQ(0, untouched.m_nEnableCalls);
}

TEST(CmdRouting, UpdateHandlerThatContinuesRoutingEndsTheSearchInItsObject) {
  CDerivedTarget target;
  CRecordingCmdUI ui(400);
  EXPECT_FALSE(target.OnCmdMsg(400, CN_UPDATE_COMMAND_UI, &ui, nullptr));
  EXPECT_FALSE(ui.m_bContinueRouting);  // reset for the next target
  EXPECT_TRUE(target.m_calls.empty());  // the base class's update handler was not asked
  // No command handler either, so the item is disabled.
  EXPECT_FALSE(ui.DoUpdate(&target, TRUE));
  EXPECT_FALSE(ui.m_bEnabled);
}

TEST(CmdRouting, SeparatorIsNotUpdated) {
  CDerivedTarget target;
  CRecordingCmdUI separator(0);
  EXPECT_TRUE(separator.DoUpdate(&target, TRUE));
  EXPECT_EQ(0, separator.m_nEnableCalls);
}

// The next targets: a frame that declines passes the command to the
// application.
class CRoutingApp : public CWinApp {
 public:
  std::vector<std::string> m_calls;

 protected:
  afx_msg void OnApp300() { m_calls.push_back("app 300"); }
  afx_msg void OnAppUpdate400(CCmdUI* pCmdUI) {
    m_calls.push_back(pCmdUI->m_bContinueRouting ? "app update 400, still continuing"
                                                 : "app update 400");
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingApp, CWinApp)
ON_COMMAND(300, OnApp300)
ON_UPDATE_COMMAND_UI(400, OnAppUpdate400)
END_MESSAGE_MAP()

class CDecliningFrame : public CFrameWnd {
 public:
  std::vector<std::string>* m_pCalls = nullptr;

 protected:
  afx_msg BOOL OnEx(UINT) {
    m_pCalls->push_back("frame ex 300");
    return FALSE;
  }
  afx_msg void OnUpdatePassOn(CCmdUI* pCmdUI) {
    m_pCalls->push_back("frame update 400");
    pCmdUI->ContinueRouting();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDecliningFrame, CFrameWnd)
ON_COMMAND_EX(300, OnEx)
ON_UPDATE_COMMAND_UI(400, OnUpdatePassOn)
END_MESSAGE_MAP()

TEST(CmdRouting, WhatTheFrameDeclinesGoesOnToTheApplication) {
  CRoutingApp app;
  CDecliningFrame frame;  // no window needed for routing
  frame.m_pCalls = &app.m_calls;
  EXPECT_TRUE(frame.OnCmdMsg(300, CN_COMMAND, nullptr, nullptr));
  CRecordingCmdUI ui(400);
  EXPECT_TRUE(frame.OnCmdMsg(400, CN_UPDATE_COMMAND_UI, &ui, nullptr));
  EXPECT_EQ((Calls{"frame ex 300", "app 300", "frame update 400", "app update 400"}), app.m_calls);
}

// Notification entries in the map of a target that is not a window.
class CNotifyTarget : public CCmdTarget {
 public:
  std::vector<std::string> m_calls;
  BOOL m_bExHandles = FALSE;

 protected:
  afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult) {
    m_calls.push_back("click " + std::to_string(pNMHDR->idFrom));
    *pResult = 7;
  }
  afx_msg void OnRangeClick(UINT nID, NMHDR*, LRESULT* pResult) {
    m_calls.push_back("range click " + std::to_string(nID));
    *pResult = 8;
  }
  afx_msg BOOL OnExClick(UINT nID, NMHDR*, LRESULT*) {
    m_calls.push_back("ex click " + std::to_string(nID));
    return m_bExHandles;
  }
  afx_msg void OnBaseClick(NMHDR*, LRESULT*) { m_calls.push_back("never"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyTarget, CCmdTarget)
ON_NOTIFY(NM_CLICK, 10, OnClick)
ON_NOTIFY_RANGE(NM_CLICK, 20, 29, OnRangeClick)
ON_NOTIFY_EX(NM_DBLCLK, 10, OnExClick)
ON_NOTIFY(NM_DBLCLK, 10, OnBaseClick)  // shadowed by the entry before it
END_MESSAGE_MAP()

struct NotifyCase {
  UINT nID;
  UINT nCode;
  BOOL bExHandles;
  bool bHandled;
  LRESULT lResult;
  const char* call;
};

TEST(CmdRouting, NotifyEntriesAnswerForAnyCommandTarget) {
  const NotifyCase cases[] = {
      {10, static_cast<UINT>(NM_CLICK), FALSE, true, 7, "click 10"},
      {25, static_cast<UINT>(NM_CLICK), FALSE, true, 8, "range click 25"},
      {30, static_cast<UINT>(NM_CLICK), FALSE, false, -1, ""},
      {10, static_cast<UINT>(NM_DBLCLK), TRUE, true, -1, "ex click 10"},
      {10, static_cast<UINT>(NM_DBLCLK), FALSE, false, -1, "ex click 10"},
      {10, static_cast<UINT>(NM_RCLICK), FALSE, false, -1, ""},
  };
  for (const NotifyCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "id " << c.nID << " code " << static_cast<int>(c.nCode));
    CNotifyTarget target;
    target.m_bExHandles = c.bExHandles;
    NMHDR hdr = {nullptr, c.nID, c.nCode};
    LRESULT lResult = -1;
    AFX_NOTIFY notify = {&lResult, &hdr};
    EXPECT_EQ(c.bHandled,
              target.OnCmdMsg(c.nID, MAKELONG(c.nCode, WM_NOTIFY), &notify, nullptr) != FALSE);
    EXPECT_EQ(c.lResult, lResult);
    EXPECT_EQ(*c.call ? Calls{c.call} : Calls{}, target.m_calls);
  }
  // Plain commands of the same ids find nothing.
  CNotifyTarget target;
  EXPECT_FALSE(target.OnCmdMsg(10, CN_COMMAND, nullptr, nullptr));
}

}  // namespace
