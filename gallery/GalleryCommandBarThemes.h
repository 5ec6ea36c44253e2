// The command-bars sheets drawn once more in each classic theme.
#pragma once

#include <memory>

class CTestGlobalPaintManager;

/// What a command-bars sheet draws with while it is made: the command bars'
/// test paint manager, or, while the themed sheets are drawn, the theme they
/// are drawn in (the sheet holds it as a bar would).
class CGalleryCommandBarsPaintManager {
 public:
  CGalleryCommandBarsPaintManager();
  ~CGalleryCommandBarsPaintManager();
  CGalleryCommandBarsPaintManager(const CGalleryCommandBarsPaintManager&) = delete;
  CGalleryCommandBarsPaintManager& operator=(const CGalleryCommandBarsPaintManager&) = delete;
  /// A theme draws the sheet: bars and pop-ups take no test paint manager
  /// of their own then, so that they reach it.
  bool IsThemed() const { return !m_pTest; }

 private:
  std::unique_ptr<CTestGlobalPaintManager> m_pTest;
};
