#include <afx.h>

#include <gtest/gtest.h>

namespace {

LONG g_live = 0;
LONG g_destroyed = 0;

class CCounted : public CNoTrackObject {
 public:
  CCounted() { InterlockedIncrement(&g_live); }
  ~CCounted() override {
    InterlockedDecrement(&g_live);
    InterlockedIncrement(&g_destroyed);
  }
  int m_value = 0;
};

THREAD_LOCAL(CCounted, g_perThread)
PROCESS_LOCAL(CCounted, g_perProcess)

struct ThreadResult {
  CCounted* object;
  int valueSeen;
  CCounted* processObject;
};

DWORD WINAPI UseThreadLocal(void* p) {
  ThreadResult* result = static_cast<ThreadResult*>(p);
  result->valueSeen = g_perThread->m_value;  // a fresh object, not the main thread's
  g_perThread->m_value = 42;
  result->object = g_perThread.GetData();
  result->processObject = g_perProcess.GetData();
  return 0;
}

TEST(ThreadLocalTest, EachThreadHasItsOwnObjectDeletedWhenTheThreadEnds) {
  g_perThread->m_value = 5;
  LONG liveBefore = g_live;
  LONG destroyedBefore = g_destroyed;
  ThreadResult result = {};
  HANDLE thread = CreateThread(nullptr, 0, &UseThreadLocal, &result, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
  CloseHandle(thread);

  EXPECT_EQ(result.valueSeen, 0);
  EXPECT_NE(result.object, g_perThread.GetData());
  EXPECT_EQ(g_perThread->m_value, 5);
  EXPECT_EQ(result.processObject, g_perProcess.GetData());
  // The thread made one object of its own and it was deleted as it ended;
  // the process object outlives it.
  EXPECT_EQ(g_destroyed - destroyedBefore, 1);
  EXPECT_EQ(g_live - liveBefore, 1);
}

TEST(ThreadLocalTest, GetDataNAMakesNothing) {
  CThreadLocal<CCounted> local;
  EXPECT_EQ(local.GetDataNA(), nullptr);
  CCounted* made = local.GetData();
  EXPECT_EQ(local.GetDataNA(), made);
}

TEST(ModuleStateTest, ManageStateSwitchesTheModuleForAScope) {
  AFX_MODULE_STATE* app = AfxGetModuleState();
  EXPECT_EQ(app, AfxGetAppModuleState());
  EXPECT_EQ(AfxGetInstanceHandle(), GetModuleHandleA(nullptr));
  EXPECT_EQ(AfxGetApp(), nullptr);
  AFX_MODULE_STATE other;
  {
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(AfxGetModuleState(), &other);
  }
  EXPECT_EQ(AfxGetModuleState(), app);
}

TEST(ModuleStateTest, ResourceHandleCanBeRedirected) {
  HINSTANCE saved = AfxGetResourceHandle();
  HINSTANCE kernel = GetModuleHandleA("kernel32.dll");
  AfxSetResourceHandle(kernel);
  EXPECT_EQ(AfxGetResourceHandle(), kernel);
  // The instance is asked when the resource module lacks the resource.
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(9999), MAKEINTRESOURCEA(6)), kernel);
  AfxSetResourceHandle(saved);
}

}  // namespace
