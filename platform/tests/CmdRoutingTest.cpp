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
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseTarget, CCmdTarget)
ON_COMMAND(100, OnBaseOnly)
ON_COMMAND(101, OnOverridden)
ON_COMMAND(300, OnBaseEx)
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

BEGIN_MESSAGE_MAP(CDerivedTarget, CBaseTarget)
ON_COMMAND(101, OnDerived101)
ON_COMMAND_RANGE(200, 209, OnRange)
ON_COMMAND_EX(300, OnEx)
// Entries for other codes: control notification 5 of WM_COMMAND, and code 1
// of message 0x8000 (a code given as 0x80000001).
{WM_COMMAND, 5, 500, 500, AfxSigCmd_v, AFX_MSG_HANDLER(void (CCmdTarget::*)(), OnControlCode)},
    {0x8000, 1, 500, 500, AfxSigCmd_v, AFX_MSG_HANDLER(void (CCmdTarget::*)(), OnAppCode)},
    ON_UPDATE_COMMAND_UI(101, OnUpdate101) ON_UPDATE_COMMAND_UI_RANGE(200, 209, OnUpdateRange)
        ON_UPDATE_COMMAND_UI(400, OnUpdatePassOn) END_MESSAGE_MAP()

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

TEST(CmdRouting, ExtendedHandlerThatDeclinesLetsRoutingGoOn) {
  CDerivedTarget target;
  EXPECT_TRUE(target.OnCmdMsg(300, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ(Calls{"ex 300"}, target.m_calls);

  target.m_calls.clear();
  target.m_bExHandles = FALSE;
  EXPECT_TRUE(target.OnCmdMsg(300, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ((Calls{"ex 300", "base 300"}), target.m_calls);
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

TEST(CmdRouting, UpdateHandlerThatContinuesRoutingDoesNotHandle) {
  CDerivedTarget target;
  CRecordingCmdUI ui(400);
  EXPECT_FALSE(target.OnCmdMsg(400, CN_UPDATE_COMMAND_UI, &ui, nullptr));
  EXPECT_TRUE(ui.m_bContinueRouting);
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

}  // namespace
