// The resource manager: the language table, strings by block, the resource
// loads of a test resource script, and resources found by name.
#include <gtest/gtest.h>

#include <string.h>

#include "afxwin.h"
#include "common/TKResourceIds.h"
#include "common/TKResourceManager.h"

namespace {

// Records message boxes instead of showing them.
class CRecordingApp : public CWinApp {
 public:
  CRecordingApp() : CWinApp("VelmResourceManagerTest") {}
  int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) override {
    m_strPrompt = lpszPrompt;
    m_nType = nType;
    return IDOK;
  }
  CString m_strPrompt;
  UINT m_nType = 0;
};
CRecordingApp theApp;

// Each test starts and ends with English (United States) selected.
class ResourceManagerTest : public ::testing::Test {
 protected:
  void TearDown() override { TKResourceManager()->SetLanguageInfo(1033); }
  CTKResourceManager* Manager() { return TKResourceManager(); }
};

TEST_F(ResourceManagerTest, UnknownLanguagesSelectEnglish) {
  struct Case {
    LANGID requested;
    LANGID selected;
    UINT codePage;
    BYTE charSet;
  } cases[] = {{1049, 1049, 1251, 204},
               {1041, 1041, 932, 128},
               {1027, 1033, 0, 0},
               {1028, 1028, 950, 136},
               {0, 1033, 0, 0}};
  for (const Case& c : cases) {
    Manager()->SetLanguageInfo(c.requested);
    EXPECT_EQ(c.selected, Manager()->GetLanguage()) << c.requested;
    EXPECT_EQ(c.codePage, Manager()->GetLanguageInfo()->nCodePage) << c.requested;
    EXPECT_EQ(c.charSet, Manager()->GetLanguageInfo()->nFontCharSet) << c.requested;
  }
  EXPECT_EQ(nullptr, LookupLanguageInfo(1027));
  EXPECT_STREQ("Ukrainian ", LookupLanguageInfo(1058)->lpszCaption);
  EXPECT_STREQ("SUBLANG_ARABIC_SAUDI_ARABIA", LookupLanguageInfo(1025)->lpszSubLang);
}

TEST_F(ResourceManagerTest, TheManagerIsOneAndReadsTheIconTitleCharSet) {
  EXPECT_EQ(TKResourceManager(), TKResourceManager());
  LOGFONTA lf = {};
  SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0);
  EXPECT_EQ(lf.lfCharSet, Manager()->GetFontCharSet());
}

TEST_F(ResourceManagerTest, RightToLeftLanguagesReadMessagesRightToLeft) {
  struct Case {
    LANGID language;
    bool rtl;
  } cases[] = {{1037, true}, {1025, true}, {1049, false}, {1033, false}};
  for (const Case& c : cases) {
    Manager()->SetLanguageInfo(c.language);
    EXPECT_EQ(IDOK, Manager()->ShowMessageBox("Message", MB_OKCANCEL));
    EXPECT_STREQ("Message", theApp.m_strPrompt);
    EXPECT_EQ(c.rtl, (theApp.m_nType & MB_RTLREADING) != 0) << c.language;
    EXPECT_TRUE(theApp.m_nType & MB_OKCANCEL);
  }
}

TEST_F(ResourceManagerTest, StringsAreFoundInTheirBlock) {
  HMODULE hModule = GetModuleHandleA(nullptr);
  CString text = "old";
  EXPECT_EQ(5, Manager()->LoadStringFromModule(hModule, 0x123, text));
  EXPECT_STREQ("Three", text);
  EXPECT_EQ(4, Manager()->LoadStringFromModule(hModule, 0x120, text));
  EXPECT_STREQ("Zero", text);
  // An id the block leaves empty, and a block that is not there.
  EXPECT_EQ(0, Manager()->LoadStringFromModule(hModule, 0x124, text));
  EXPECT_STREQ("", text);
  EXPECT_EQ(0, Manager()->LoadStringFromModule(hModule, 0x5000, text));
}

TEST_F(ResourceManagerTest, StringsAreConvertedToTheSelectedCodePage) {
  HMODULE hModule = GetModuleHandleA(nullptr);
  Manager()->SetLanguageInfo(1049);
  CString text;
  EXPECT_EQ(2, Manager()->LoadStringFromModule(hModule, 0x125, text));
  EXPECT_STREQ("\xC6\xE0", text);

  CTKCodePageString converted;
  EXPECT_STREQ("\xC6\xE0", converted.FromWide(L"\x0416\x0430"));
  EXPECT_STREQ(L"\x0416\x0430", converted.FromNarrow("\xC6\xE0"));
}

TEST_F(ResourceManagerTest, LoadStringTellsWhetherTheStringExists) {
  BOOL bError = TRUE;
  EXPECT_STREQ("One", Manager()->LoadString(0x121, &bError));
  EXPECT_FALSE(bError);
  EXPECT_STREQ("", Manager()->LoadString(0x4FFF, &bError));
  EXPECT_TRUE(bError);
  CString text;
  EXPECT_TRUE(Manager()->LoadStringInto(text, 0x123));
  EXPECT_STREQ("Three", text);
}

TEST_F(ResourceManagerTest, MenusBitmapsCursorsDialogsAndIconsLoad) {
  CMenu menu;
  ASSERT_TRUE(Manager()->LoadMenu(&menu, 300));
  CMenu* pFile = menu.GetSubMenu(0);
  ASSERT_NE(nullptr, pFile);
  EXPECT_EQ(2, pFile->GetMenuItemCount());
  CMenu missingMenu;
  EXPECT_FALSE(Manager()->LoadMenu(&missingMenu, 399));

  CBitmap bitmap;
  ASSERT_TRUE(Manager()->LoadBitmapById(&bitmap, 301));
  BITMAP bm;
  bitmap.GetBitmap(&bm);
  EXPECT_EQ(4, bm.bmWidth);
  EXPECT_EQ(3, bm.bmHeight);
  CBitmap missingBitmap;
  EXPECT_FALSE(Manager()->LoadBitmapById(&missingBitmap, 399));

  for (UINT id : {TK_IDC_DRAGMOVE, TK_IDC_DRAGCOPY, TK_IDC_NODROP, TK_IDC_SPLITHORIZONTAL,
                  TK_IDC_SPLITVERTICAL, TK_IDC_HAND})
    EXPECT_NE(nullptr, Manager()->LoadCursor(id)) << id;
  EXPECT_EQ(nullptr, Manager()->LoadCursor(399));

  LPCDLGTEMPLATE pTemplate = Manager()->LoadDialogTemplate(303);
  ASSERT_NE(nullptr, pTemplate);
  // An extended template starts with version 1 and the signature 0xFFFF.
  EXPECT_EQ(1, reinterpret_cast<const WORD*>(pTemplate)[0]);
  EXPECT_EQ(0xFFFF, reinterpret_cast<const WORD*>(pTemplate)[1]);
  EXPECT_EQ(nullptr, Manager()->LoadDialogTemplate(0));
  EXPECT_EQ(nullptr, Manager()->LoadDialogTemplate(399));

  HICON hIcon = Manager()->LoadIconById(304, 16, 16);
  EXPECT_NE(nullptr, hIcon);
  DestroyIcon(hIcon);
  EXPECT_EQ(nullptr, Manager()->LoadIconById(399, 16, 16));
}

TEST_F(ResourceManagerTest, IconsAreMadeFromTheBestImageOfTheGroup) {
  HMODULE hModule = GetModuleHandleA(nullptr);
  for (int size : {16, 32}) {
    HICON hIcon = Manager()->CreateIconFromResource(hModule, MAKEINTRESOURCE(304), size, size);
    ASSERT_NE(nullptr, hIcon) << size;
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(hIcon, &info));
    BITMAP bm;
    GetObject(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(size, bm.bmWidth);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(hIcon);
  }
  EXPECT_EQ(nullptr, Manager()->CreateIconFromResource(hModule, MAKEINTRESOURCE(399), 16, 16));
}

TEST_F(ResourceManagerTest, PagesEndAtTheirFirstZeroByte) {
  CString page;
  EXPECT_TRUE(Manager()->LoadHTMLById(&page, 302));
  EXPECT_STREQ("<p>page</p>", page);
  EXPECT_TRUE(Manager()->LoadHTML(&page, "NAMEDPAGE"));
  EXPECT_STREQ("<p>named</p>", page);
  EXPECT_FALSE(Manager()->LoadHTMLById(&page, 399));
}

TEST_F(ResourceManagerTest, TheResourceLanguageIsDetected) {
  EXPECT_EQ(1049, DetectModuleLanguage(GetModuleHandleA(nullptr)));
  Manager()->DetectResourceLanguage();
  EXPECT_EQ(1049, Manager()->GetLanguage());
}

TEST_F(ResourceManagerTest, MenuTextsAreConvertedFromUtf16) {
  CMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  InsertMenuW(menu.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 7, L"\x0416\x0430");
  InsertMenuW(menu.m_hMenu, 1, MF_BYPOSITION | MF_STRING, 8, L"&Plain");
  Manager()->SetLanguageInfo(1049);
  CString text;
  EXPECT_EQ(2, Manager()->GetMenuString(&menu, 0, text, MF_BYPOSITION));
  EXPECT_STREQ("\xC6\xE0", text);
  EXPECT_EQ(6, Manager()->GetMenuString(&menu, 8, text, MF_BYCOMMAND));
  EXPECT_STREQ("&Plain", text);
  text = "old";
  EXPECT_EQ(0, Manager()->GetMenuString(&menu, 99, text, MF_BYCOMMAND));
  EXPECT_STREQ("", text);
  EXPECT_EQ(0, Manager()->GetMenuString(nullptr, 0, text, MF_BYPOSITION));
}

TEST(ResourceLookup, NamesGiveIdsAndExtensionsGiveTypes) {
  struct IdCase {
    LPCTSTR name;
    UINT id;
  } ids[] = {{MAKEINTRESOURCE(300), 300},
             {"#200", 200},
             {"DIALOG", 0},
             {"#", 0},
             {"#12a", 0},
             {"#65537", 1}};
  for (const IdCase& c : ids) EXPECT_EQ(c.id, ResourceIdFromName(c.name));

  struct TypeCase {
    LPCTSTR name;
    LPCTSTR type;
  } types[] = {{"logo.PNG", "PNG"},   {".png", nullptr},      {"page.html", RT_HTML},
               {"page.htm", RT_HTML}, {"pic.bmp", RT_BITMAP}, {"app.ico", RT_ICON},
               {"run.js", "JS"},      {"run.vbs", "VBS"},     {"notes.txt", nullptr},
               {"png", nullptr}};
  for (const TypeCase& c : types) {
    LPCTSTR type = ResourceTypeForExtension(c.name);
    if (IS_INTRESOURCE(c.type))
      EXPECT_EQ(c.type, type) << c.name;
    else
      EXPECT_STREQ(c.type, type) << c.name;
  }
}

TEST(ResourceLookup, TheTypeOfANamedResourceIsFound) {
  HMODULE hModule = GetModuleHandleA(nullptr);
  EXPECT_STREQ("#23", FindResourceTypeOfName(hModule, "NAMEDPAGE"));
  EXPECT_STREQ("PNG", FindResourceTypeOfName(hModule, "LOGO"));
  EXPECT_STREQ("", FindResourceTypeOfName(hModule, "NOSUCHNAME"));

  HMODULE hFound = reinterpret_cast<HMODULE>(1);
  EXPECT_NE(nullptr, FindResourceInLanguageModule(&hFound, "LOGO", "PNG"));
  EXPECT_EQ(nullptr, hFound);
}

TEST(ResourceLookup, AnsiTextIsWidenedUpToTheCount) {
  WCHAR buffer[8];
  ConvertAnsiToWide(buffer, "abcdef", 3);
  EXPECT_STREQ(L"abc", buffer);
  ConvertAnsiToWide(buffer, "xy", 5);
  EXPECT_STREQ(L"xy", buffer);
}

}  // namespace
