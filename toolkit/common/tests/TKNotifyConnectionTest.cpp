// Notify connections and sinks: who is called by a send while advises change
// under it, delegates, nested sends, dropped exceptions and references.
#include "common/TKNotifyConnection.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const DWORD kChanged = 10575;
const DWORD kOther = 7;

std::vector<std::string> g_log;

/// A sink that logs its calls and runs an action on each.
class CLoggingSink : public CTKNotifySinkBase {
 public:
  explicit CLoggingSink(const char* name) : m_name(name) {}
  int OnEvent(DWORD dwEvent, WPARAM wParam, LPARAM, DWORD) override {
    g_log.push_back(m_name + ":" + std::to_string(dwEvent) + ":" + std::to_string(wParam));
    if (m_action) m_action();
    return 1;
  }
  void OnUnadvise(DWORD dwEvent) override {
    g_log.push_back(m_name + ": unadvised " + std::to_string(dwEvent));
  }
  std::string m_name;
  std::function<void()> m_action;
};

class NotifyConnection : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    m_pConnection = new CTKNotifyConnection;
  }
  void TearDown() override { m_pConnection->InternalRelease(); }
  CTKNotifyConnection* m_pConnection = nullptr;
};

TEST_F(NotifyConnection, ASendWithoutAdvisesCallsNothing) {
  CLoggingSink sink("a");
  sink.Advise(m_pConnection, kOther);
  EXPECT_FALSE(m_pConnection->SendEvent(kChanged));
  EXPECT_TRUE(g_log.empty());
}

TEST_F(NotifyConnection, SinksAreCalledInAdviseOrderWithTheParameters) {
  CLoggingSink a("a"), b("b"), c("c");
  a.Advise(m_pConnection, kChanged);
  b.Advise(m_pConnection, kOther);
  c.Advise(m_pConnection, kChanged);
  EXPECT_TRUE(m_pConnection->SendEvent(kChanged, 3));
  EXPECT_EQ((std::vector<std::string>{"a:10575:3", "c:10575:3"}), g_log);
}

TEST_F(NotifyConnection, ASinkUnadvisedDuringASendIsSkipped) {
  CLoggingSink a("a"), b("b");
  a.Advise(m_pConnection, kChanged);
  b.Advise(m_pConnection, kChanged);
  a.m_action = [&] { b.UnadviseAll(); };
  EXPECT_TRUE(m_pConnection->SendEvent(kChanged));
  EXPECT_EQ((std::vector<std::string>{"a:10575:0", "b: unadvised 10575"}), g_log);
}

TEST_F(NotifyConnection, ASinkAdvisedDuringASendIsCalledByTheNextOne) {
  CLoggingSink a("a"), late("late");
  a.Advise(m_pConnection, kChanged);
  a.m_action = [&] {
    late.Advise(m_pConnection, kChanged);
    a.m_action = nullptr;
  };
  m_pConnection->SendEvent(kChanged, 1);
  EXPECT_EQ((std::vector<std::string>{"a:10575:1"}), g_log);
  m_pConnection->SendEvent(kChanged, 2);
  EXPECT_EQ((std::vector<std::string>{"a:10575:1", "a:10575:2", "late:10575:2"}), g_log);
}

TEST_F(NotifyConnection, ASendInsideASendStacksAboveIt) {
  CLoggingSink a("a"), b("b"), other("other");
  a.Advise(m_pConnection, kChanged);
  b.Advise(m_pConnection, kChanged);
  other.Advise(m_pConnection, kOther);
  // Enough advises that the inner send grows the buffer under the outer one.
  std::vector<CLoggingSink*> crowd;
  for (int i = 0; i < 20; ++i) {
    crowd.push_back(new CLoggingSink("x"));
    crowd.back()->Advise(m_pConnection, kOther + 1);
  }
  a.m_action = [&] {
    a.m_action = nullptr;
    m_pConnection->SendEvent(kOther, 9);
  };
  EXPECT_TRUE(m_pConnection->SendEvent(kChanged));
  EXPECT_EQ((std::vector<std::string>{"a:10575:0", "other:7:9", "b:10575:0"}), g_log);
  for (CLoggingSink* p : crowd) delete p;
}

TEST_F(NotifyConnection, AnExceptionOfASinkIsDroppedAndTheSendGoesOn) {
  CLoggingSink a("a"), b("b");
  a.Advise(m_pConnection, kChanged);
  b.Advise(m_pConnection, kChanged);
  a.m_action = [] { AfxThrowMemoryException(); };
  EXPECT_TRUE(m_pConnection->SendEvent(kChanged));
  EXPECT_EQ((std::vector<std::string>{"a:10575:0", "b:10575:0"}), g_log);
}

TEST_F(NotifyConnection, AdvisesHoldTheConnectionAndGoWithTheSink) {
  EXPECT_EQ(1, m_pConnection->m_dwRef);
  {
    CLoggingSink a("a");
    a.Advise(m_pConnection, kChanged);
    a.Advise(m_pConnection, kOther);
    EXPECT_EQ(3, m_pConnection->m_dwRef);
    EXPECT_EQ(2, m_pConnection->GetConnectionCount());
    EXPECT_EQ(nullptr, a.Advise(nullptr, kChanged));
  }
  // The sink went while advised: it unadvised itself.
  EXPECT_EQ(1, m_pConnection->m_dwRef);
  EXPECT_EQ(0, m_pConnection->GetConnectionCount());
  EXPECT_FALSE(m_pConnection->SendEvent(kChanged));
}

TEST_F(NotifyConnection, UnadviseAndFindConnectionWorkByCookie) {
  CLoggingSink a("a");
  TK_NOTIFY_COOKIE first = m_pConnection->Advise(kChanged, &a);
  TK_NOTIFY_COOKIE second = m_pConnection->Advise(kChanged, &a);
  EXPECT_EQ(0, m_pConnection->FindConnection(first));
  EXPECT_EQ(1, m_pConnection->FindConnection(second));
  m_pConnection->Unadvise(first);
  m_pConnection->Unadvise(first);  // unknown now: nothing
  EXPECT_EQ(-1, m_pConnection->FindConnection(first));
  EXPECT_EQ(0, m_pConnection->FindConnection(second));
  m_pConnection->RemoveAll();
  EXPECT_EQ(0, m_pConnection->GetConnectionCount());
}

TEST_F(NotifyConnection, ItsLockObjectNeverWaits) {
  CSyncObject* pSync = m_pConnection->GetSyncObject();
  EXPECT_STREQ("TKEmptySyncObject", pSync->m_strName);
  CSingleLock outer(pSync, TRUE), inner(pSync, TRUE);
  EXPECT_TRUE(outer.IsLocked());
  EXPECT_TRUE(inner.IsLocked());
}

class CReleasedConnection : public CTKNotifyConnection {
 public:
  ~CReleasedConnection() override { g_log.push_back("connection gone"); }
};

TEST(NotifyConnectionLife, ASinkReleasingTheOwnersReferenceDuringASendIsSafe) {
  g_log.clear();
  CTKNotifyConnection* pConnection = new CReleasedConnection;
  CLoggingSink a("a");
  a.Advise(pConnection, kChanged);
  a.m_action = [&] {
    a.m_action = nullptr;
    a.UnadviseAll();                 // drops the sink's reference
    pConnection->InternalRelease();  // and the owner's
  };
  EXPECT_TRUE(pConnection->SendEvent(kChanged));
  EXPECT_EQ((std::vector<std::string>{"a:10575:0", "a: unadvised 10575", "connection gone"}),
            g_log);
}

// --- sinks with delegates ----------------------------------------------------------

class CListener {
 public:
  int OnChanged(DWORD, WPARAM wParam, LPARAM) {
    g_log.push_back("changed " + std::to_string(wParam));
    return 5;
  }
  int OnChangedAgain(DWORD, WPARAM wParam, LPARAM) {
    g_log.push_back("again " + std::to_string(wParam));
    return 6;
  }
};

class CCountedDelegate : public CTKNotifySinkClassDelegate<CListener> {
 public:
  using CTKNotifySinkClassDelegate::CTKNotifySinkClassDelegate;
  ~CCountedDelegate() override { ++s_nDeleted; }
  static int s_nDeleted;
};
int CCountedDelegate::s_nDeleted = 0;

TEST_F(NotifyConnection, ASinkRoutesEachCodeToItsDelegate) {
  CListener listener;
  CTKNotifySink* pSink = new CTKNotifySink;
  pSink->Advise(m_pConnection, kChanged,
                new CTKNotifySinkClassDelegate<CListener>(&listener, &CListener::OnChanged));
  EXPECT_EQ(5, pSink->OnEvent(kChanged, 4, 0, 0));
  EXPECT_EQ(0, pSink->OnEvent(kOther, 4, 0, 0));
  EXPECT_TRUE(m_pConnection->SendEvent(kChanged, 8));
  EXPECT_EQ((std::vector<std::string>{"changed 4", "changed 8"}), g_log);
  pSink->UnadviseAndDelete();
  EXPECT_EQ(1, m_pConnection->m_dwRef);
}

TEST_F(NotifyConnection, ASecondDelegateForACodeReplacesTheFirstButBothAdvisesStay) {
  CCountedDelegate::s_nDeleted = 0;
  CListener listener;
  CTKNotifySink* pSink = new CTKNotifySink;
  pSink->Advise(m_pConnection, kChanged, new CCountedDelegate(&listener, &CListener::OnChanged));
  pSink->Advise(m_pConnection, kChanged,
                new CCountedDelegate(&listener, &CListener::OnChangedAgain));
  EXPECT_EQ(1, CCountedDelegate::s_nDeleted);
  EXPECT_EQ(2, m_pConnection->GetConnectionCount());
  m_pConnection->SendEvent(kChanged, 1);
  EXPECT_EQ((std::vector<std::string>{"again 1", "again 1"}), g_log);
  EXPECT_EQ(3, m_pConnection->m_dwRef);
  pSink->UnadviseAndDelete();
  EXPECT_EQ(2, CCountedDelegate::s_nDeleted);
  EXPECT_EQ(1, m_pConnection->m_dwRef);
  EXPECT_EQ(0, m_pConnection->GetConnectionCount());
}

}  // namespace
