// The GDI+ binding: started by the first markup context and stopped by the
// last, functions looked up once per start, and the failures that must leave
// GDI+ not running without calling anything that is not there.
#include <gtest/gtest.h>

#include "SupportMarkup.h"
#include "markup/TKMarkupGdiPlusApi.h"

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

TEST(GdiPlusApi, AnUnbalancedStopDoesNothing) {
  Api()->Initialize(FALSE);
  EXPECT_EQ(Api()->GetReferenceCount(), 0);
  CTestContext context;
  EXPECT_TRUE(Api()->IsRunning());
}

}  // namespace
