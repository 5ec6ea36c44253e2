// Damaged .ico files, icon images, archived icons and bitmap blocks: read from
// memory that ends at an inaccessible page, so any read past the data fails
// the run; nothing but an archive's own exceptions may escape.
#include <gtest/gtest.h>

#include "../tools/ImageReaderFuzz.h"

namespace {

class ImageReaderFuzz : public ::testing::Test {
 protected:
  ImageReaderFuzz() : m_mutator(20251210u), m_set(1, &m_manager) {
    m_manager.m_bUseResources = FALSE;
    m_mutator.MakeCorpus();
  }

  CImageReaderMutator m_mutator;
  CTKImageManager m_manager;
  CTKImageManagerIconSet m_set;
  ImageFuzzTally m_tally;
};

TEST_F(ImageReaderFuzz, IconFilesAndIconImages) {
  for (int i = 0; i < 2000; ++i) {
    RunIconFileCase(m_manager, m_mutator.NextIconFile(), m_tally);
    RunIconImageCase(m_mutator.NextIconImage(), m_tally);
  }
  // The mutations must leave many inputs readable, or the readers go untested.
  EXPECT_GT(m_tally.iconFilesStored, 500);
  EXPECT_GT(m_tally.iconImagesLoaded, 500);
  EXPECT_LT(m_tally.iconImagesLoaded, 1900);
}

TEST_F(ImageReaderFuzz, ArchivedIconsAndBitmapBlocks) {
  for (int i = 0; i < 2000; ++i) {
    RunArchiveCase(m_set, m_mutator.NextArchive(), m_tally);
    std::string header, pixels;
    m_mutator.NextBlock(&header, &pixels);
    RunBlockCase(header, pixels, m_tally);
  }
  EXPECT_GT(m_tally.archivesLoaded, 200);
  EXPECT_GT(m_tally.archivesRaised, 200);
  EXPECT_GT(m_tally.blocksLoaded, 500);
  EXPECT_LT(m_tally.blocksLoaded, 1900);
}

// Its header with masks and table is longer than any header a DIB is made
// from; reading the masks alone keeps the copy inside its buffer, which the
// canaries of this program would otherwise catch.
TEST(ImageReaderBlocks, MasksAndATableInOneHeaderGiveABitmapOfTheMasks) {
  const std::pair<std::string, std::string> block = MasksAndTableBlock();
  ASSERT_EQ(1076u, block.first.size());
  CGuardedBytes header(block.first), pixels(block.second);
  LPBYTE pBits = NULL;
  HBITMAP hBitmap = CTKImageManagerIcon::CreateBitmapFromBlock(header.Data(), header.Size(),
                                                               pixels.Data(), pixels.Size(), &pBits);
  ASSERT_NE(nullptr, hBitmap);
  DIBSECTION dib = {};
  ASSERT_EQ((int)sizeof dib, GetObject(hBitmap, sizeof dib, &dib));
  EXPECT_EQ(1, dib.dsBm.bmWidth);
  EXPECT_EQ(1, dib.dsBm.bmHeight);
  EXPECT_EQ(32, dib.dsBm.bmBitsPixel);
  ASSERT_NE(nullptr, pBits);
  EXPECT_EQ(block.second, std::string(reinterpret_cast<const char*>(pBits), 4));
  DeleteObject(hBitmap);
}

}  // namespace
