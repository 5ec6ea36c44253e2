// The theme INI text: its lines, its typed values and their defaults, text
// selection by name, and the image cache.
#include "common/TKResourceImages.h"

#include <gtest/gtest.h>

#include <string>

#include "common/TKNotifyConnection.h"
#include "common/TKResourceImage.h"

namespace {

HMODULE TestModule() { return ::GetModuleHandleA(NULL); }

/// Resource images over the test program with one text parsed from memory.
class CTestImages : public CTKResourceImages {
 public:
  void Parse(const std::string& text) {
    RemoveAllValues();
    ParseIniText(text.data(), (DWORD)text.size());
  }
  /// Changes the module without emptying the cache.
  void SwapModule(HMODULE hModule) { m_hModule = hModule; }
};

TEST(TKResourceImagesIni, ReadsTheValuesOfItsLines) {
  CTestImages images;
  images.Parse(
      "; comment\r\n[Window]\r\nBorderActive0 = 101 109 117 ; edge\r\n"
      "  Spaced  =   value with blanks   \r\n[Other]\nKey=1\r\n");
  EXPECT_EQ(RGB(101, 109, 117), images.GetIniColor("window", "BORDERACTIVE0", 0));
  EXPECT_EQ("value with blanks", images.GetIniValue("WINDOW", "spaced"));
  // A lone line feed does not end a line.
  EXPECT_EQ("", images.GetIniValue("Other", "Key"));
}

TEST(TKResourceImagesIni, IgnoresWhatIsNotAKeyLine) {
  struct Case {
    const char* text;
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"Key = 1\r\n[S]\r\n", "S", "Key", ""},          // before the first section
      {"[S]\r\n= 1\r\n", "S", "", ""},                 // '=' first
      {"[S]\r\nKey = 1", "S", "Key", ""},              // no carriage return at the end
      {"[S]\r\n;Key = 1\r\n", "S", "Key", ""},         // comment line
      {"[S]\r\nKey = 1;2\r\n", "S", "Key", "1"},       // ';' cuts the value
      {"[S]\r\nKey 1\r\n", "S", "Key 1", ""},          // no '='
      {"[S]  \r\nA=1\r\n", "S", "A", "1"},             // trailing blanks of a header
      {"[S]\r\nA=1\r\nA=2\r\n", "S", "A", "2"},        // the later line wins
      {"[Sect\r\nA=1\r\n", "Sec", "A", "1"},           // last character dropped
      {"[S]\r\nKey =\r\n", "S", "Key", ""},            // empty value
      {"[S]\r\n\r\n   \r\nA = x\r\n", "S", "A", "x"},  // empty lines
  };
  for (const Case& c : cases) {
    CTestImages images;
    images.Parse(c.text);
    EXPECT_EQ(c.expected, images.GetIniValue(c.section, c.key)) << c.text;
  }
}

TEST(TKResourceImagesIni, SectionAndKeyNeverRunTogether) {
  CTestImages images;
  images.Parse(
      "[Ribbon]\r\nComboBoxBackground = 1 1 1\r\n[RibbonComboBox]\r\nBackground = 2 2 2\r\n");
  EXPECT_EQ(RGB(1, 1, 1), images.GetIniColor("Ribbon", "ComboBoxBackground", 0));
  EXPECT_EQ(RGB(2, 2, 2), images.GetIniColor("RibbonComboBox", "Background", 0));
  EXPECT_NE(CTKResourceImages::GetKeyHash("Ribbon", "ComboBoxBackground"),
            CTKResourceImages::GetKeyHash("RibbonComboBox", "Background"));
  EXPECT_EQ(CTKResourceImages::GetKeyHash("ribbon", "background"),
            CTKResourceImages::GetKeyHash("RIBBON", "BACKGROUND"));
  EXPECT_EQ(0u, CTKResourceImages::GetKeyHash(NULL, "Key"));
  EXPECT_EQ(0u, CTKResourceImages::GetKeyHash("Section", NULL));
}

TEST(TKResourceImagesIni, ColoursFromTheirText) {
  struct Case {
    const char* value;
    COLORREF expected;
  } cases[] = {
      {"-1", (COLORREF)-1},
      {"1 2", 0},
      {"0x10 0 010", RGB(16, 0, 8)},
      {"300 0 0", RGB(44, 0, 0)},
      {"-1 0 0", RGB(255, 0, 0)},
      {"red", 0},
      {"10 20 30 40", RGB(10, 20, 30)},
  };
  for (const Case& c : cases) {
    CTestImages images;
    images.Parse(std::string("[S]\r\nC = ") + c.value + "\r\n");
    EXPECT_EQ(c.expected, images.GetIniColor("S", "C", 12345)) << c.value;
  }
  CTestImages images;
  images.Parse("[S]\r\nC = 1 2 3\r\n");
  EXPECT_EQ(12345u, images.GetIniColor("S", "Missing", 12345));
  EXPECT_EQ(12345u, images.GetIniColor("", "C", 12345));
}

TEST(TKResourceImagesIni, RectanglesSizesIntegersAndStrings) {
  CTestImages images;
  images.Parse(
      "[S]\r\nR = 1 2 3 4\r\nR3 = 1 2 3\r\nZ = 5 0x6\r\nZ1 = 5\r\nI = 42abc\r\nJ = x\r\n"
      "T = some text\r\n");
  EXPECT_EQ(CRect(1, 2, 3, 4), images.GetIniRect("S", "R", CRect(9, 9, 9, 9)));
  EXPECT_EQ(CRect(0, 0, 0, 0), images.GetIniRect("S", "R3", CRect(9, 9, 9, 9)));
  EXPECT_EQ(CRect(9, 9, 9, 9), images.GetIniRect("S", "None", CRect(9, 9, 9, 9)));
  EXPECT_EQ(CSize(5, 6), images.GetIniSize("S", "Z", CSize(9, 9)));
  EXPECT_EQ(CSize(0, 0), images.GetIniSize("S", "Z1", CSize(9, 9)));
  EXPECT_EQ(CSize(9, 9), images.GetIniSize("S", "None", CSize(9, 9)));
  EXPECT_EQ(42, images.GetIniInt("S", "I", 7));
  EXPECT_EQ(0, images.GetIniInt("S", "J", 7));
  EXPECT_EQ(7, images.GetIniInt("S", "None", 7));
  EXPECT_EQ("some text", images.GetIniString("S", "T", "d"));
  EXPECT_EQ("d", images.GetIniString("S", "None", "d"));
}

TEST(TKResourceImagesSelection, TheDefaultTextIsTheFirstInTheModule) {
  CTKResourceImages images;
  EXPECT_TRUE(images.IsLoaded());
  EXPECT_TRUE(images.GetIniName().IsEmpty());
  EXPECT_EQ(RGB(101, 109, 117), images.GetIniColor("Window", "BorderActive0", 0));
}

TEST(TKResourceImagesSelection, SelectsByNameAndLayersAnExtraText) {
  CTKResourceImages images;
  EXPECT_TRUE(images.SetHandleEx(TestModule(), "TestB.ini", "TestC.ini", FALSE));
  EXPECT_EQ("TestB_ini", images.GetIniName());
  EXPECT_EQ(RGB(1, 2, 3), images.GetIniColor("Window", "BorderActive0", 0));
  EXPECT_EQ(8, images.GetIniInt("Extra", "Key", 0));
  EXPECT_EQ(CSize(5, 6), images.GetIniSize("Extra", "More", CSize()));
  // The last line of TestB has no carriage return.
  EXPECT_EQ(-1, images.GetIniInt("Extra", "Last", -1));
  // A missing extra text is no failure.
  EXPECT_TRUE(images.SetHandleEx(TestModule(), "TestB.ini", "Missing.ini", FALSE));
}

TEST(TKResourceImagesSelection, AMissingTextLeavesNoValues) {
  CTKResourceImages images;
  images.SetHandle(TestModule(), "Missing.ini");
  EXPECT_FALSE(images.IsLoaded());
  EXPECT_EQ(RGB(7, 7, 7), images.GetIniColor("Window", "BorderActive0", RGB(7, 7, 7)));
  EXPECT_EQ(3, images.GetIniInt("Global", "PremultiplyImages", 3));
  EXPECT_FALSE(images.SetHandleEx(TestModule(), "Missing.ini", NULL, FALSE));
}

TEST(TKResourceImagesSelection, ThemeValuesWaitForATextSelectedByName) {
  CTKResourceImages* pImages = TKResourceImages();
  ASSERT_TRUE(pImages->IsLoaded());
  EXPECT_EQ(RGB(7, 7, 7), GetThemeIniColor("Window", "BorderActive0", RGB(7, 7, 7)));
  EXPECT_EQ(5, GetThemeIniInt("Global", "PremultiplyImages", 5));

  pImages->SetHandle(TestModule(), "TestA.ini");
  EXPECT_EQ(RGB(101, 109, 117), GetThemeIniColor("Window", "BorderActive0", RGB(7, 7, 7)));
  EXPECT_EQ(0, GetThemeIniInt("Global", "PremultiplyImages", 5));
  EXPECT_EQ(CRect(1, 1, 1, 1), GetThemeIniRect("Window", "None", CRect(1, 1, 1, 1)));
  EXPECT_EQ(CSize(2, 2), GetThemeIniSize("Window", "None", CSize(2, 2)));
  EXPECT_EQ("Test\\Bands.bmp", GetThemeIniString("Images", "Bands", ""));
}

/// Counts the selections it is told of.
class CSelectionSink : public CTKNotifySinkBase {
 public:
  int OnEvent(DWORD dwEvent, WPARAM, LPARAM, DWORD) override {
    if (dwEvent == TK_NOTIFY_RESOURCEIMAGES_CHANGED) ++m_nCount;
    return 0;
  }
  int m_nCount = 0;
};

TEST(TKResourceImagesSelection, EverySelectionIsAnnounced) {
  CTKResourceImages images;
  CSelectionSink sink;
  ASSERT_TRUE(sink.Advise(images.GetConnection(), TK_NOTIFY_RESOURCEIMAGES_CHANGED) != NULL);
  EXPECT_EQ(images.GetConnection(), images.GetConnection());
  images.SetHandle(TestModule(), "TestB.ini");
  EXPECT_EQ(1, sink.m_nCount);
  images.SetHandle(TestModule(), "Missing.ini");  // told even when nothing loads
  EXPECT_EQ(2, sink.m_nCount);
  sink.UnadviseAll();
}

TEST(TKResourceImagesCache, ImagesByTheirTextEntryOrTheirOwnName) {
  CTKResourceImages images;
  images.SetHandle(TestModule(), "TestA.ini");
  EXPECT_EQ("Test_Bands_bmp", images.GetImageResourceName("Bands"));
  EXPECT_EQ("A_b_c", images.GetImageResourceName("A.b\\c"));

  CTKResourceImage* pBands = images.LoadImage("Bands");
  ASSERT_TRUE(pBands != NULL);
  EXPECT_EQ(CSize(16, 60), pBands->GetExtent());
  EXPECT_EQ(pBands, images.LoadImage("Bands"));
  EXPECT_TRUE(images.LoadImage(NULL) == NULL);
  // A new selection empties the cache.
  images.SetHandle(TestModule(), "TestB.ini");
  EXPECT_TRUE(images.LoadImage("Bands") == NULL);
  EXPECT_TRUE(images.LoadImage("TEST_BANDS_BMP") != NULL);
}

TEST(TKResourceImagesCache, AMissingImageIsTriedAgain) {
  CTestImages images;
  images.SetHandle(::GetModuleHandleA("kernel32.dll"), NULL);
  EXPECT_TRUE(images.LoadImage("TEST_BANDS_BMP") == NULL);
  EXPECT_TRUE(images.LoadImage("TEST_BANDS_BMP") == NULL);
  images.SwapModule(TestModule());
  EXPECT_TRUE(images.LoadImage("TEST_BANDS_BMP") != NULL);
}

TEST(TKResourceImagesCache, TheDrawingBitmapGrowsInPowersOfTwo) {
  CTKResourceImages images;
  struct Case {
    int cx, cy, side;
  } cases[] = {{1, 1, 1}, {16, 3, 16}, {17, 2, 32}, {5, 40, 64}, {8, 8, 64}};
  for (const Case& c : cases) {
    BYTE* pBits = NULL;
    CSize size;
    HBITMAP hBitmap = images.GetDrawBitmap(c.cx, c.cy, &pBits, &size);
    ASSERT_TRUE(hBitmap != NULL);
    EXPECT_TRUE(pBits != NULL);
    EXPECT_EQ(CSize(c.side, c.side), size) << c.cx << "x" << c.cy;
  }
}

}  // namespace
