// Menu sounds: no thread while they are off; one thread, stopped on request.
#include "common/TKMenuSoundPlayer.h"

#include <gtest/gtest.h>

namespace {

TEST(TKMenuSoundPlayer, StartsNoThreadWhileSoundsAreOff) {
  CTKMenuSoundPlayer player;
  EXPECT_TRUE(player.IsSoundEnabled());
  player.EnableSound(FALSE);
  player.PlayMenuSound(TK_MENUSOUND_COMMAND);
  player.PlayMenuSound(TK_MENUSOUND_POPUP);
  EXPECT_TRUE(player.GetThreadHandle() == NULL);
}

TEST(TKMenuSoundPlayer, PlaysOnOneThreadUntilStopped) {
  CTKMenuSoundPlayer player;
  player.PlayMenuSound(TK_MENUSOUND_POPUP);
  HANDLE hThread = player.GetThreadHandle();
  ASSERT_TRUE(hThread != NULL);
  player.PlayMenuSound(TK_MENUSOUND_COMMAND);
  player.PlayMenuSound(99);  // unknown numbers are ignored
  EXPECT_EQ(hThread, player.GetThreadHandle());
  HANDLE hWatch = NULL;
  ::DuplicateHandle(::GetCurrentProcess(), hThread, ::GetCurrentProcess(), &hWatch, SYNCHRONIZE,
                    FALSE, 0);
  player.StopThread();
  EXPECT_TRUE(player.GetThreadHandle() == NULL);
  EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hWatch, 0));
  ::CloseHandle(hWatch);
  player.StopThread();  // nothing left to stop
}

TEST(TKMenuSoundPlayer, IsOneProcessWideObject) {
  EXPECT_EQ(TKMenuSoundPlayer(), TKMenuSoundPlayer());
}

}  // namespace
