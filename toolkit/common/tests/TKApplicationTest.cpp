// The application object, its observers and the singleton holders. What
// happens at exit is watched in a program of its own, so that shutting the
// application down there leaves this program's application alive.
#include "common/TKSingletonPointer.h"

#include <afxdisp.h>

#include <gtest/gtest.h>

#include "testsupport/TestProcess.h"

#include <string>
#include <vector>

namespace {

// --- observers -------------------------------------------------------------

class CSource;
class CRecorder {
 public:
  CRecorder(std::vector<std::string>* pLog, const char* name) : m_pLog(pLog), m_name(name) {}
  void OnEvent(CSource* pSource);
  std::vector<std::string>* m_pLog;
  std::string m_name;
  CRecorder* m_pRemoveOnEvent = nullptr;
  CRecorder* m_pAddOnEvent = nullptr;
  bool m_bNest = false;
  CRecorder* m_pWatch = nullptr;
  INT_PTR m_nFoundAfterInner = -2;
};

class CSource : public CTKObservable<CSource, CRecorder> {};

void CRecorder::OnEvent(CSource* pSource) {
  m_pLog->push_back(m_name);
  if (m_pRemoveOnEvent) pSource->RemoveObserver(m_pRemoveOnEvent);
  if (m_pAddOnEvent) pSource->AddObserver(m_pAddOnEvent);
  m_pAddOnEvent = nullptr;
  if (m_bNest) {
    m_bNest = false;
    pSource->NotifyObservers(&CRecorder::OnEvent);
    m_nFoundAfterInner = pSource->FindObserver(m_pWatch);
  }
}

TEST(TKObservable, ARemovalDuringAPassMarksTheEntryAndLaterObserversAreStillCalled) {
  std::vector<std::string> log;
  CRecorder a(&log, "a"), b(&log, "b"), c(&log, "c");
  CSource source;
  source.AddObserver(&a);
  source.AddObserver(&b);
  source.AddObserver(&c);
  source.AddObserver(&a);   // once only
  a.m_pRemoveOnEvent = &a;  // removes itself
  b.m_pRemoveOnEvent = &c;  // removes a later one, which is then skipped
  source.NotifyObservers(&CRecorder::OnEvent);
  EXPECT_EQ((std::vector<std::string>{"a", "b"}), log);
  EXPECT_EQ(1, source.GetObserverCount());
  EXPECT_EQ(0, source.FindObserver(&b));
  EXPECT_EQ(0, source.GetNotifyDepth());
}

TEST(TKObservable, AnObserverAddedDuringAPassIsCalledByIt) {
  std::vector<std::string> log;
  CRecorder a(&log, "a"), late(&log, "late");
  CSource source;
  source.AddObserver(&a);
  a.m_pAddOnEvent = &late;
  source.NotifyObservers(&CRecorder::OnEvent);
  EXPECT_EQ((std::vector<std::string>{"a", "late"}), log);
}

TEST(TKObservable, MarkedEntriesStayUntilTheOutermostPassEnds) {
  std::vector<std::string> log;
  CRecorder a(&log, "a"), b(&log, "b");
  CSource source;
  source.AddObserver(&a);
  source.AddObserver(&b);
  a.m_bNest = true;
  a.m_pWatch = &b;
  b.m_pRemoveOnEvent = &b;
  source.NotifyObservers(&CRecorder::OnEvent);
  // Outer a, inner a and b (which removes itself); the outer pass skips b.
  EXPECT_EQ((std::vector<std::string>{"a", "a", "b"}), log);
  EXPECT_EQ(1, a.m_nFoundAfterInner);
  EXPECT_EQ(-1, source.FindObserver(&b));
  EXPECT_EQ(1, source.GetObserverCount());
}

// --- singleton holders -------------------------------------------------------

struct CCounted {
  static LONG s_nConstructed;
  static LONG s_nDestroyed;
  static bool s_bFailNext;
  static bool s_bMemoryWasZero;
  BYTE m_payload[64];
};
LONG CCounted::s_nConstructed = 0;
LONG CCounted::s_nDestroyed = 0;
bool CCounted::s_bFailNext = false;
bool CCounted::s_bMemoryWasZero = false;

BOOL CreateCounted(void* pMemory) {
  const BYTE* p = static_cast<const BYTE*>(pMemory);
  CCounted::s_bMemoryWasZero = true;
  for (size_t i = 0; i < sizeof(CCounted); ++i) CCounted::s_bMemoryWasZero &= p[i] == 0;
  if (CCounted::s_bFailNext) {
    CCounted::s_bFailNext = false;
    return FALSE;
  }
  ::InterlockedIncrement(&CCounted::s_nConstructed);
  // Give racing threads every chance to get in between.
  ::SwitchToThread();
  new (pMemory) CCounted();
  return TRUE;
}

void DestroyCounted(void*) { ::InterlockedIncrement(&CCounted::s_nDestroyed); }

class SingletonPointer : public ::testing::Test {
 protected:
  void SetUp() override {
    CCounted::s_nConstructed = 0;
    CCounted::s_nDestroyed = 0;
    CCounted::s_bFailNext = false;
  }
};

TEST_F(SingletonPointer, RacingThreadsGetOneObjectInZeroedMemory) {
  CTKSingletonPointer holder(sizeof(CCounted), &CreateCounted, &DestroyCounted);
  const int kThreads = 8;
  HANDLE start = ::CreateEventA(NULL, TRUE, FALSE, NULL);
  struct Arg {
    CTKSingletonPointer* pHolder;
    HANDLE hStart;
    void* pResult;
  } args[kThreads];
  HANDLE threads[kThreads];
  for (int i = 0; i < kThreads; ++i) {
    args[i] = {&holder, start, nullptr};
    threads[i] = ::CreateThread(
        NULL, 0,
        [](void* p) -> DWORD {
          Arg* arg = static_cast<Arg*>(p);
          ::WaitForSingleObject(arg->hStart, INFINITE);
          arg->pResult = arg->pHolder->GetInstance();
          return 0;
        },
        &args[i], 0, NULL);
  }
  ::SetEvent(start);
  ::WaitForMultipleObjects(kThreads, threads, TRUE, INFINITE);
  for (int i = 0; i < kThreads; ++i) {
    ::CloseHandle(threads[i]);
    EXPECT_EQ(args[0].pResult, args[i].pResult);
  }
  ::CloseHandle(start);
  EXPECT_NE(nullptr, args[0].pResult);
  EXPECT_EQ(1, CCounted::s_nConstructed);
  EXPECT_TRUE(CCounted::s_bMemoryWasZero);
}

TEST_F(SingletonPointer, AFailedCreationRaisesAndIsTriedAgain) {
  CTKSingletonPointer holder(sizeof(CCounted), &CreateCounted, &DestroyCounted);
  CCounted::s_bFailNext = true;
  bool raised = false;
  try {
    holder.GetInstance();
  } catch (CMemoryException* e) {
    raised = true;
    e->Delete();
  }
  EXPECT_TRUE(raised);
  EXPECT_FALSE(holder.IsDestroyed());
  EXPECT_NE(nullptr, holder.GetInstance());
  EXPECT_EQ(1, CCounted::s_nConstructed);
}

BOOL CreateThrowing(void*) { AfxThrowNotSupportedException(); }

TEST_F(SingletonPointer, AnExceptionOfTheCreationPassesAndLeavesItUsable) {
  CTKSingletonPointer holder(sizeof(CCounted), &CreateThrowing, &DestroyCounted);
  for (int attempt = 0; attempt < 2; ++attempt) {
    bool raised = false;
    try {
      holder.GetInstance();
    } catch (CNotSupportedException* e) {
      raised = true;
      e->Delete();
    }
    EXPECT_TRUE(raised);  // the second attempt would hang on a section left held
  }
}

TEST_F(SingletonPointer, DestroyRunsOnceUnregistersAndForbidsLaterUse) {
  INT_PTR observersBefore = TKApplication()->GetObserverCount();
  {
    CTKSingletonPointer holder(sizeof(CCounted), &CreateCounted, &DestroyCounted);
    EXPECT_GE(TKApplication()->FindObserver(&holder), 0);
    EXPECT_EQ(observersBefore + 1, TKApplication()->GetObserverCount());
    holder.GetInstance();
    holder.Destroy();
    holder.Destroy();
    EXPECT_EQ(1, CCounted::s_nDestroyed);
    EXPECT_TRUE(holder.IsDestroyed());
    EXPECT_EQ(-1, TKApplication()->FindObserver(&holder));
    bool raised = false;
    try {
      holder.GetInstance();
    } catch (CMemoryException* e) {
      raised = true;
      e->Delete();
    }
    EXPECT_TRUE(raised);
  }
  EXPECT_EQ(1, CCounted::s_nDestroyed);
  EXPECT_EQ(observersBefore, TKApplication()->GetObserverCount());
}

TEST_F(SingletonPointer, AHolderThatNeverMadeItsObjectDestroysNothing) {
  { CTKSingletonPointer holder(sizeof(CCounted), &CreateCounted, &DestroyCounted); }
  EXPECT_EQ(0, CCounted::s_nDestroyed);
}

class CTKSample {
 public:
  CTKSample() : m_nMagic(0x5A5A) {}
  int m_nMagic;
};
CTKSample* TKSample();
TK_IMPLEMENT_SINGLETON(CTKSample, TKSample)

TEST(TKImplementSingleton, TheAccessorMakesOneObjectWithItsDefaultConstructor) {
  CTKSample* pSample = TKSample();
  ASSERT_NE(nullptr, pSample);
  EXPECT_EQ(0x5A5A, pSample->m_nMagic);
  EXPECT_EQ(pSample, TKSample());
}

// --- the end of a process ----------------------------------------------------

/// Runs the exit program with `mode` and returns its output lines.
std::vector<std::string> RunExitApp(const char* mode, DWORD* pExitCode) {
  ChildProcessOptions options;
  options.captureOutput = true;
  options.creationFlags = CREATE_NO_WINDOW;
  ChildProcessResult result = RunChildProcess(
      "\"" + PathBesideThisProgram("common_ApplicationExitApp.exe") + "\" " + mode, options);
  *pExitCode = result.exitCode;
  std::vector<std::string> lines;
  size_t begin = 0;
  for (size_t end; (end = result.output.find('\n', begin)) != std::string::npos; begin = end + 1) {
    std::string line = result.output.substr(begin, end - begin);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

TEST(TKApplicationExit, SingletonsGoInReverseOrderOfFirstUseAndTheApplicationLast) {
  DWORD exitCode = 1;
  std::vector<std::string> expected = {
      "make B",       "make A",          "make C",
      "main returns", "destroy C",       "destroy A",
      "destroy B",    "before shutdown", "shutdown: 1 observers, depth 1"};
  EXPECT_EQ(expected, RunExitApp("exit", &exitCode));
  EXPECT_EQ(0u, exitCode);
}

TEST(TKApplicationExit, AnObserverThatThrowsAtExitDoesNotEndTheProcessAbnormally) {
  DWORD exitCode = 1;
  std::vector<std::string> expected = {"make B",    "make A",    "make C",    "main returns",
                                       "destroy C", "destroy A", "destroy B", "before shutdown"};
  EXPECT_EQ(expected, RunExitApp("throw", &exitCode));
  EXPECT_EQ(0u, exitCode);
}

TEST(TKApplicationExit, AnEarlyShutdownTellsEveryoneInTwoPassesAndForbidsLaterUse) {
  DWORD exitCode = 1;
  std::vector<std::string> expected = {
      "make B", "make A", "before shutdown",
      // Second pass in the order of registration; the holders destroyed
      // before the watcher are still in the array, only marked.
      "destroy B", "destroy A", "shutdown: 3 observers, depth 1", "after: 1 observers",
      "application: ole 80004005", "used service: memory", "new service: ole 80004005",
      "main returns"};
  EXPECT_EQ(expected, RunExitApp("shutdown", &exitCode));
  EXPECT_EQ(0u, exitCode);
}

}  // namespace
