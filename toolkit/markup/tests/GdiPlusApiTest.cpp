// The GDI+ binding: started by the first markup context and stopped by the
// last, functions looked up once per start, and the failures that must leave
// GDI+ not running without calling anything that is not there.
#include <gtest/gtest.h>

#include "SupportMarkup.h"
#include "TKMarkupGdiPlusApi.h"

namespace {

CTKMarkupGdiPlusApi* Api() { return TKMarkupGdiPlusApi(); }

TEST(GdiPlusApi, ContextsStartAndStopGdiPlus) {
  ASSERT_EQ(Api()->GetReferenceCount(), 0);
  EXPECT_FALSE(Api()->IsRunning());
  {
    CTestContext first;
    EXPECT_TRUE(Api()->IsRunning());
    HMODULE hModule = Api()->GetModule();
    ASSERT_NE(hModule, nullptr);
    {
      CTestContext second;
      EXPECT_EQ(Api()->GetReferenceCount(), 2);
      EXPECT_EQ(Api()->GetModule(), hModule);  // loaded once
    }
    EXPECT_TRUE(Api()->IsRunning());  // the first context still lives
  }
  EXPECT_FALSE(Api()->IsRunning());
  EXPECT_EQ(Api()->GetModule(), nullptr);
  EXPECT_EQ(Api()->GetReferenceCount(), 0);
}

TEST(GdiPlusApi, FunctionsAreLookedUpOncePerStart) {
  HDC hDC = CreateCompatibleDC(nullptr);
  {
    CTestContext context;
    const int nBefore = Api()->GetLookupCount();
    for (int i = 0; i < 3; ++i) {
      Gdiplus::GpGraphics* pGraphics = CreateGdiPlusGraphicsForDC(hDC, hDC);
      ASSERT_NE(pGraphics, nullptr);
      EXPECT_EQ(Api()->GdipDeleteGraphics(pGraphics), Gdiplus::Ok);
    }
    EXPECT_EQ(Api()->GetLookupCount(), nBefore + 2);
  }
  EXPECT_EQ(CreateGdiPlusGraphicsForDC(hDC, hDC), nullptr);  // not running
  {
    // A new start looks everything up again: the library was unloaded.
    CTestContext context;
    const int nBefore = Api()->GetLookupCount();
    Gdiplus::GpGraphics* pGraphics = CreateGdiPlusGraphicsForDC(hDC, nullptr);
    ASSERT_NE(pGraphics, nullptr);
    Api()->GdipDeleteGraphics(pGraphics);
    EXPECT_EQ(Api()->GetLookupCount(), nBefore + 2);
  }
  DeleteDC(hDC);
}

TEST(GdiPlusApi, AMissingLibraryLeavesGdiPlusStopped) {
  CTKMarkupGdiPlusApi::SetLibraryName("VelmoranNoSuchGdiPlus.dll");
  {
    CTestContext context;
    EXPECT_FALSE(Api()->IsRunning());
    EXPECT_EQ(Api()->GetModule(), nullptr);
    HDC hDC = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateGdiPlusGraphicsForDC(hDC, hDC), nullptr);
    // A wrapper without a library answers an error instead of calling null.
    Gdiplus::GpMatrix* pMatrix = nullptr;
    EXPECT_NE(Api()->GdipCreateMatrix(&pMatrix), Gdiplus::Ok);
    DeleteDC(hDC);
  }
  CTKMarkupGdiPlusApi::SetLibraryName(nullptr);
  EXPECT_EQ(Api()->GetReferenceCount(), 0);
}

// A start-up that fails without filling the output record: the binding must
// neither call its empty hook nor shut down what never started.
Gdiplus::GpStatus WINAPI FailingStartup(ULONG_PTR* pToken, const Gdiplus::GdiplusStartupInput*,
                                        Gdiplus::GdiplusStartupOutput*) {
  *pToken = 0;
  return Gdiplus::GenericError;
}
int g_nShutdowns = 0;
VOID WINAPI CountingShutdown(ULONG_PTR) { ++g_nShutdowns; }

FARPROC FailingStartupResolver(HMODULE hModule, LPCSTR lpszName) {
  if (strcmp(lpszName, "GdiplusStartup") == 0) return reinterpret_cast<FARPROC>(&FailingStartup);
  if (strcmp(lpszName, "GdiplusShutdown") == 0) return reinterpret_cast<FARPROC>(&CountingShutdown);
  return GetProcAddress(hModule, lpszName);
}

FARPROC MissingFunctionResolver(HMODULE hModule, LPCSTR lpszName) {
  if (strcmp(lpszName, "GdipCreateFromHDC") == 0) return nullptr;
  return GetProcAddress(hModule, lpszName);
}

TEST(GdiPlusApi, AFailedStartCountsAsNotRunning) {
  CTKMarkupGdiPlusApi::SetProcResolver(&FailingStartupResolver);
  g_nShutdowns = 0;
  {
    CTestContext context;
    EXPECT_FALSE(Api()->IsRunning());
    EXPECT_EQ(Api()->GetModule(), nullptr);
    HDC hDC = CreateCompatibleDC(nullptr);
    EXPECT_EQ(CreateGdiPlusGraphicsForDC(hDC, hDC), nullptr);
    DeleteDC(hDC);
  }
  EXPECT_EQ(g_nShutdowns, 0);
  CTKMarkupGdiPlusApi::SetProcResolver(nullptr);
}

TEST(GdiPlusApi, AMissingFunctionIsNeverCalled) {
  CTKMarkupGdiPlusApi::SetProcResolver(&MissingFunctionResolver);
  {
    CTestContext context;
    EXPECT_TRUE(Api()->IsRunning());
    HDC hDC = CreateCompatibleDC(nullptr);
    Gdiplus::GpGraphics* pGraphics = nullptr;
    EXPECT_EQ(Api()->GdipCreateFromHDC(hDC, &pGraphics), Gdiplus::GenericError);
    EXPECT_EQ(pGraphics, nullptr);
    EXPECT_EQ(CreateGdiPlusGraphicsForDC(hDC, hDC), nullptr);
    DeleteDC(hDC);
  }
  CTKMarkupGdiPlusApi::SetProcResolver(nullptr);
  EXPECT_FALSE(Api()->IsRunning());
}

// Start-ups that succeed with a hook that may fail, or without filling the
// output record: the hook is called only when there is one, and stopping
// unhooks only a hook that was made.
int g_nHooks = 0, g_nUnhooks = 0;
Gdiplus::GpStatus g_hookResult = Gdiplus::Ok;
Gdiplus::GpStatus WINAPI CountingHook(ULONG_PTR* pToken) {
  ++g_nHooks;
  *pToken = 7;
  return g_hookResult;
}
VOID WINAPI CountingUnhook(ULONG_PTR nToken) {
  ++g_nUnhooks;
  EXPECT_EQ(nToken, 7u);
}
Gdiplus::GpStatus WINAPI HookingStartup(ULONG_PTR* pToken, const Gdiplus::GdiplusStartupInput*,
                                        Gdiplus::GdiplusStartupOutput* pOutput) {
  *pToken = 1;
  pOutput->NotificationHook = &CountingHook;
  pOutput->NotificationUnhook = &CountingUnhook;
  return Gdiplus::Ok;
}
Gdiplus::GpStatus WINAPI HooklessStartup(ULONG_PTR* pToken, const Gdiplus::GdiplusStartupInput*,
                                         Gdiplus::GdiplusStartupOutput*) {
  *pToken = 1;
  return Gdiplus::Ok;
}
FARPROC g_pfnStartup = nullptr;
FARPROC FakeStartupResolver(HMODULE hModule, LPCSTR lpszName) {
  if (strcmp(lpszName, "GdiplusStartup") == 0) return g_pfnStartup;
  if (strcmp(lpszName, "GdiplusShutdown") == 0) return reinterpret_cast<FARPROC>(&CountingShutdown);
  return GetProcAddress(hModule, lpszName);
}

TEST(GdiPlusApi, StoppingUnhooksOnlyWhatWasHooked) {
  struct Case {
    const char* name;
    FARPROC pfnStartup;
    Gdiplus::GpStatus hookResult;
    int nHooks, nUnhooks;
  };
  // The hookless start follows a hooked one, whose procedures it must not
  // reuse.
  const Case cases[] = {
      {"hooked", reinterpret_cast<FARPROC>(&HookingStartup), Gdiplus::Ok, 1, 1},
      {"no hook", reinterpret_cast<FARPROC>(&HooklessStartup), Gdiplus::Ok, 0, 0},
      {"hook failed", reinterpret_cast<FARPROC>(&HookingStartup), Gdiplus::GenericError, 1, 0},
  };
  CTKMarkupGdiPlusApi::SetProcResolver(&FakeStartupResolver);
  for (const Case& c : cases) {
    g_pfnStartup = c.pfnStartup;
    g_hookResult = c.hookResult;
    g_nHooks = g_nUnhooks = g_nShutdowns = 0;
    {
      CTestContext context;
      EXPECT_TRUE(Api()->IsRunning()) << c.name;
    }
    EXPECT_EQ(g_nHooks, c.nHooks) << c.name;
    EXPECT_EQ(g_nUnhooks, c.nUnhooks) << c.name;
    EXPECT_EQ(g_nShutdowns, 1) << c.name;
    EXPECT_FALSE(Api()->IsRunning()) << c.name;
  }
  CTKMarkupGdiPlusApi::SetProcResolver(nullptr);
}

TEST(GdiPlusApi, AnUnbalancedStopDoesNothing) {
  Api()->Initialize(FALSE);
  EXPECT_EQ(Api()->GetReferenceCount(), 0);
  CTestContext context;
  EXPECT_TRUE(Api()->IsRunning());
}

}  // namespace
