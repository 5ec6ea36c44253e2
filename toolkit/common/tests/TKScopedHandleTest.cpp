#include "common/TKScopedHandle.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// GetObjectType answers 0 for a handle that was deleted.
bool Alive(HGDIOBJ h) { return ::GetObjectType(h) != 0; }

TEST(TKScopedHandle, GdiObjectsAreDeletedOnceWhenTheHolderGoes) {
  HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
  {
    CTKScopedBrush brush(hBrush);
    ASSERT_TRUE(Alive(hBrush));
    CTKScopedBrush moved = std::move(brush);
    EXPECT_FALSE(brush.IsValid());
    EXPECT_EQ(hBrush, moved.Get());
  }
  EXPECT_FALSE(Alive(hBrush));
}

TEST(TKScopedHandle, ResetClosesTheOldHandleAndDetachKeepsIt) {
  HPEN hFirst = ::CreatePen(PS_SOLID, 1, 0);
  HPEN hSecond = ::CreatePen(PS_SOLID, 2, 0);
  CTKScopedPen pen(hFirst);
  pen.Reset(hSecond);
  EXPECT_FALSE(Alive(hFirst));
  EXPECT_EQ(hSecond, pen.Detach());
  pen.Reset();
  EXPECT_TRUE(Alive(hSecond));
  ::DeleteObject(hSecond);
}

TEST(TKScopedHandle, FileHandlesTreatInvalidHandleValueAsNone) {
  CTKScopedFileHandle none;
  EXPECT_FALSE(none.IsValid());
  EXPECT_EQ(INVALID_HANDLE_VALUE, none.Get());
  CTKScopedKernelHandle event(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  EXPECT_TRUE(event.IsValid());
}

TEST(TKScopedHandle, SelectGuardPutsBackWhatItReplaced) {
  CTKScopedCreatedDC dc(::CreateCompatibleDC(NULL));
  ASSERT_TRUE(dc.IsValid());
  HGDIOBJ hOriginal = ::GetCurrentObject(dc.Get(), OBJ_BITMAP);
  CTKScopedBitmap bitmap(::CreateCompatibleBitmap(dc.Get(), 4, 4));
  {
    CTKSelectGuard select(dc.Get(), bitmap.Get());
    EXPECT_EQ(bitmap.Get(), ::GetCurrentObject(dc.Get(), OBJ_BITMAP));
    EXPECT_EQ(hOriginal, select.GetOld());
  }
  EXPECT_EQ(hOriginal, ::GetCurrentObject(dc.Get(), OBJ_BITMAP));
}

TEST(TKScopedHandle, WindowDCIsReleased) {
  CTKScopedWindowDC screen(NULL);
  EXPECT_TRUE(static_cast<bool>(screen));
  EXPECT_NE(0u, ::GetObjectType(screen.Get()));
}

TEST(TKScopedHandle, IconInfoDeletesTheBitmapsItWasGiven) {
  const BYTE bits[8 * 8 * 4] = {};
  CTKScopedBitmap color(::CreateBitmap(8, 8, 1, 32, bits));
  CTKScopedBitmap mask(::CreateBitmap(8, 8, 1, 1, nullptr));
  ICONINFO source = {TRUE, 0, 0, mask.Get(), color.Get()};
  HICON hIcon = ::CreateIconIndirect(&source);
  ASSERT_NE(nullptr, hIcon);
  HBITMAP hColor = NULL, hMask = NULL;
  {
    CTKScopedIconInfo info(hIcon);
    ASSERT_TRUE(static_cast<bool>(info));
    hColor = info.GetColor();
    hMask = info.GetMask();
    EXPECT_EQ(hColor, info.Get().hbmColor);
    EXPECT_TRUE(Alive(hColor));
    EXPECT_TRUE(Alive(hMask));
  }
  EXPECT_FALSE(Alive(hColor));
  EXPECT_FALSE(Alive(hMask));
  ::DestroyIcon(hIcon);
  EXPECT_FALSE(static_cast<bool>(CTKScopedIconInfo(NULL)));
}

}  // namespace
